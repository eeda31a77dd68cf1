// Save, Save As, Save to hdm-file, Revert to Saved, New and the question before a
// modified draft is replaced or the window closes.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

#include "files/filetestsupport.h"
#include "files/hdmexport.h"
#include "files/hdmfile.h"
#include "files/hdxfile.h"
#include "files/openfile.h"
#include "files/ui/filecommands.h"
#include "files/ui/newpatterndialog.h"
#include "support/testcontext.h"
#include "testsupport.h"

namespace hm::test {
namespace {

QByteArray Contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class SaveTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    std::unique_ptr<TestContext> host;
    std::unique_ptr<FileCommands> commands;
    int dialogs = 0;
    QString chosen; // what the file dialog answers

    void SetUp() override {
        TNewPatternDlg::ResetRemembered();
        host = std::make_unique<TestContext>(dir.filePath("settings.ini"));
        commands = std::make_unique<FileCommands>(host->ctx, nullptr, dir.filePath("recovery"));
        commands->SetPathChooser([this](FileDialogKind) {
            ++dialogs;
            return chosen;
        });
        host->draft() = *MakeComplexDraft(1);
    }
    QString Path(const QString& name) const { return dir.filePath(name); }
};

TEST_F(SaveTest, SaveWithoutAFileAsksForANameAndMakesItTheCurrentFile) {
    host->doc.Modified = true;
    chosen = Path("new.hdx");
    ASSERT_TRUE(commands->Save());
    EXPECT_EQ(1, dialogs);
    EXPECT_EQ(chosen, host->doc.CurrentFile);
    EXPECT_EQ(dir.path(), host->doc.CurrentFolder);
    EXPECT_TRUE(host->doc.RevertAvailable);
    EXPECT_FALSE(host->doc.Modified);
    EXPECT_EQ(chosen, host->settings.values.RecentFiles[0]);
    EXPECT_TRUE(host->steps().contains("UpdateTitle"));

    // The next Save writes the same file without a dialog.
    host->draft().PatternThreading[1] = 3;
    host->doc.Modified = true;
    ASSERT_TRUE(commands->Save());
    EXPECT_EQ(1, dialogs);
    Draft back;
    ReadCdPatternFile(back, chosen, HdxComponents::All());
    EXPECT_EQ(3, back.PatternThreading[1]);
}

TEST_F(SaveTest, ANameWithAnotherKnownExtensionGetsTheRightOneInItsPlace) {
    struct Case {
        FileDialogKind dialog;
        const char* typed;
        const char* written;
    };
    const Case cases[] = {
        {FileDialogKind::SaveAs, "twill.hdm", "twill.hdx"},
        {FileDialogKind::SaveAs, "twill.HDX", "twill.HDX"},
        {FileDialogKind::SaveAs, "twill.wif", "twill.hdx"},
        {FileDialogKind::SaveAs, "twill.bmp", "twill.hdx"},
        {FileDialogKind::SaveAs, "twill_cd.hdb", "twill_cd.hdx"},
        {FileDialogKind::SaveAs, "twill", "twill"}, // the .hdx reader is chosen for it
        {FileDialogKind::SaveHdm, "twill.hdx", "twill.hdm"},
        {FileDialogKind::SaveHdm, "twill.Hdm", "twill.Hdm"},
        {FileDialogKind::SaveHdm, "twill.v2", "twill.v2.hdm"},
        {FileDialogKind::SaveHdm, "twill", "twill.hdm"},
    };
    host->draft() = *MakeLiftplanDraft(2);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        QTemporaryDir folder;
        chosen = folder.filePath(c.typed);
        ASSERT_TRUE(c.dialog == FileDialogKind::SaveAs ? commands->SaveAs()
                                                       : commands->SaveToHdm());
        EXPECT_TRUE(QFile::exists(folder.filePath(c.written)));
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{c.written});
    }
}

TEST_F(SaveTest, ReplacingAFileAsksWithTheNameThatIsWritten) {
    QStringList asked;
    BoxAnswer answer = BoxAnswer::No;
    host->ctx.SetAnswerer([&](const Message& m, const QString& text) {
        asked << QString::fromStdString(m.text) + u'|' + text;
        return answer;
    });
    const QString hdx = Path("twill.hdx");
    QFile old(hdx);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();

    // Typed "twill.hdm": the question names twill.hdx, and No keeps it.
    chosen = Path("twill.hdm");
    EXPECT_FALSE(commands->SaveAs());
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked[0], "@replacefile|Replace the existing file " + hdx + "?");
    EXPECT_EQ(Contents(hdx), QByteArray("old"));
    EXPECT_FALSE(QFile::exists(Path("twill.hdm")));

    // A name from the dialog asks too when it stays as it is.
    chosen = hdx;
    answer = BoxAnswer::Yes;
    ASSERT_TRUE(commands->SaveAs());
    EXPECT_EQ(asked.size(), 2);
    EXPECT_NE(Contents(hdx), QByteArray("old"));
    EXPECT_EQ(hdx, host->doc.CurrentFile);

    // Save writes the current file again without a question.
    host->doc.Modified = true;
    ASSERT_TRUE(commands->Save());
    EXPECT_EQ(asked.size(), 2);
}

// Export > Save to hdm-file keeps the cloth of a draft whose ground level (or
// group B, or a switched-off pattern level) the .hdm file cannot hold.
TEST_F(SaveTest, SaveToHdmKeepsTheClothOfEveryKindOfDraft) {
    std::vector<std::string> shown;
    host->ctx.SetAnswerer([&](const Message& m, const QString&) {
        shown.push_back(m.text);
        return BoxAnswer::Yes;
    });
    for (const hmtest::DraftShape& shape : hmtest::ClothShapes()) {
        SCOPED_TRACE(hmtest::DescribeShape(shape));
        host->draft() = hmtest::MakeDraft(shape);
        const Draft before = host->draft();
        shown.clear();
        chosen = Path("cloth.hdm");
        QFile::remove(chosen);
        ASSERT_TRUE(commands->SaveToHdm());
        Draft back;
        ASSERT_FALSE(OpenPatternFile(back, chosen).read.HasError());
        EXPECT_EQ(hmtest::SameCloth(before, back), "");
        // The draft itself stays as it was.
        EXPECT_EQ(hmtest::CompareHdx(before, host->draft()), "");
        const bool flattened = PlanHdmExport(before).flatten;
        EXPECT_EQ(shown,
                  flattened ? std::vector<std::string>{"@hdmascloth"} : std::vector<std::string>{});
    }
}

TEST_F(SaveTest, SaveToHdmAsksBeforeAFileThatLosesTheGround) {
    std::vector<std::string> shown;
    BoxAnswer answer = BoxAnswer::No;
    host->ctx.SetAnswerer([&](const Message& m, const QString&) {
        shown.push_back(m.text);
        return answer;
    });
    host->draft() = hmtest::WideGroundDraft();
    host->draft().PatternThreading[1] = 3;
    host->draft().SetLiftplan(2, 3, true);
    chosen = Path("wide.hdm");

    // No: nothing is written.
    EXPECT_FALSE(commands->SaveToHdm());
    EXPECT_EQ(shown, std::vector<std::string>{"@hdmloseground"});
    EXPECT_FALSE(QFile::exists(chosen));

    // Yes: the pattern level alone, and a word that the ground is not in it.
    shown.clear();
    answer = BoxAnswer::Yes;
    ASSERT_TRUE(commands->SaveToHdm());
    EXPECT_EQ(shown, (std::vector<std::string>{"@hdmloseground", "@hdmgroundlost"}));
    Draft back;
    ASSERT_FALSE(ReadPatternFile(back, chosen, HdmComponents::All()).HasError());
    EXPECT_EQ(back.PatternThreading[1], 3);
    EXPECT_TRUE(back.GetLiftplan(2, 3));
    EXPECT_EQ(back.PatternThreading.LastNonZero(MaxEnds), 1);
}

TEST_F(SaveTest, SaveToHdmWritesAPatternFileAndLeavesTheDocumentAlone) {
    host->draft() = *MakeLiftplanDraft(3);
    host->doc.CurrentFile = Path("work.hdx");
    host->doc.Modified = true;
    chosen = Path("plain.hdm");
    ASSERT_TRUE(commands->SaveToHdm());
    Draft back;
    ASSERT_FALSE(ReadPatternFile(back, chosen, HdmComponents::All()).HasError());
    EXPECT_EQ(host->draft().PatternThreading.bytes, back.PatternThreading.bytes);
    EXPECT_EQ(Path("work.hdx"), host->doc.CurrentFile);
    EXPECT_TRUE(host->doc.Modified); // an .hdm file is an export
}

TEST_F(SaveTest, RevertReadsTheCurrentFileAgain) {
    const QString path = Path("saved.hdx");
    ASSERT_TRUE(commands->SaveTo(path));
    const Draft saved = host->draft();
    host->draft().ClearDraft();
    host->draft().TieupAA(1, 1) = 2;
    host->doc.Modified = true;
    host->steps().clear();
    ASSERT_TRUE(commands->RevertToSaved());
    ExpectSameCdDraft(saved, host->draft());
    EXPECT_FALSE(host->doc.Modified);
    EXPECT_EQ(path, host->doc.CurrentFile);
    EXPECT_TRUE(host->steps().contains("AfterLoad"));

    // Without a file there is nothing to revert to.
    host->doc.CurrentFile.clear();
    host->doc.RevertAvailable = false;
    EXPECT_FALSE(commands->RevertToSaved());
}

TEST_F(SaveTest, CloseQuestionYesSavesNoLeavesCancelStops) {
    const QString path = Path("question.hdx");
    ASSERT_TRUE(commands->SaveTo(path));
    const QByteArray savedBytes = Contents(path);
    host->draft().PatternThreading[2] = 5;
    host->doc.Modified = true;

    QString text;
    AnswerNextBox("CancelButton", &text);
    EXPECT_FALSE(commands->MaybeSaveChanges());
    EXPECT_EQ("Save changes to question.hdx?", text);
    EXPECT_TRUE(host->doc.Modified);

    AnswerNextBox("NoButton");
    EXPECT_TRUE(commands->MaybeSaveChanges());
    EXPECT_EQ(savedBytes, Contents(path));

    AnswerNextBox("YesButton");
    EXPECT_TRUE(commands->MaybeSaveChanges());
    EXPECT_FALSE(host->doc.Modified);
    Draft back;
    ReadCdPatternFile(back, path, HdxComponents::All());
    EXPECT_EQ(5, back.PatternThreading[2]);

    // Unmodified: no question at all.
    EXPECT_TRUE(commands->MaybeSaveChanges());
}

TEST_F(SaveTest, YesWithoutAFileStopsWhenTheSaveDialogIsCancelled) {
    host->doc.Modified = true;
    QString text;
    AnswerNextBox("YesButton", &text);
    chosen.clear();
    EXPECT_FALSE(commands->MaybeSaveChanges());
    EXPECT_EQ("Save present pattern?", text);
    EXPECT_EQ(1, dialogs);
    EXPECT_TRUE(host->doc.Modified);
}

// Makes writes beyond a few bytes fail for the length of a scope (also for root,
// whom a read-only folder does not stop).
class WriteLimit {
  public:
    WriteLimit() {
        getrlimit(RLIMIT_FSIZE, &old_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = old_;
        small.rlim_cur = 64;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~WriteLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, previousHandler_);
    }

  private:
    rlimit old_{};
    void (*previousHandler_)(int) = nullptr;
};

TEST_F(SaveTest, AFailedSaveLeavesThePreviousFileIntactAndTheDraftModified) {
    const QString path = Path("keep.hdx");
    ASSERT_TRUE(commands->SaveTo(path));
    const QByteArray before = Contents(path);
    ASSERT_GT(before.size(), 64);
    host->draft().PatternThreading[1] = 9;
    host->doc.Modified = true;
    QString text;
    AnswerNextBox("YesButton", &text);
    bool saved = true;
    {
        WriteLimit limit;
        saved = commands->Save();
    }
    EXPECT_FALSE(saved);
    EXPECT_TRUE(text.startsWith("File Write Error")) << text.toStdString();
    EXPECT_EQ(before, Contents(path));
    EXPECT_TRUE(host->doc.Modified);

    // The question before closing stops too when its save fails.
    OnNextModal<QMessageBox>([](QMessageBox* question) {
        AnswerNextBox("YesButton"); // the error box that follows
        question->findChild<QPushButton*>("YesButton")->click();
    });
    {
        WriteLimit limit;
        EXPECT_FALSE(commands->MaybeSaveChanges());
    }
    EXPECT_EQ(before, Contents(path));
}

TEST_F(SaveTest, ASaveIntoAMissingFolderFailsWithAMessage) {
    host->doc.Modified = true;
    QString text;
    AnswerNextBox("YesButton", &text);
    EXPECT_FALSE(commands->SaveTo(Path("no/such/folder/x.hdx")));
    EXPECT_FALSE(text.isEmpty());
    EXPECT_TRUE(host->doc.CurrentFile.isEmpty());
    EXPECT_TRUE(host->doc.Modified);
}

TEST_F(SaveTest, NewPatternProposesSavedValuesAndClearsTheDraft) {
    host->settings.snapshot.Shafts = 24;
    host->settings.snapshot.Shed = true;
    host->settings.snapshot.Inches = true;
    host->settings.snapshot.BottomStart = false;
    host->settings.snapshot.RightStart = false;
    host->settings.snapshot.CkoLeftStart = false;
    host->doc.NewPattern.DesignMode = true;
    host->doc.NewPattern.Epi = 12;
    host->doc.NewPattern.Ppi = 14;
    host->doc.CurrentFile = Path("old.hdx");
    host->doc.RevertAvailable = true;
    host->draft().FabricCompression = true;
    host->draft().ShowThreading = false;
    host->draft().PaletteRGB[1] = {1, 2, 3};
    host->draft().RebuildPaletteFromRGB();

    OnNextModal<TNewPatternDlg>([](TNewPatternDlg* d) {
        EXPECT_EQ(1200, d->findChild<QSpinBox*>("EndsEdit")->value());
        EXPECT_EQ(1200, d->findChild<QSpinBox*>("PicksEdit")->value());
        auto* shafts = d->findChild<QSpinBox*>("ShaftsEdit");
        EXPECT_EQ(24, shafts->value());
        EXPECT_EQ(2, shafts->minimum());
        EXPECT_EQ(96, shafts->maximum());
        EXPECT_EQ(4800, d->findChild<QSpinBox*>("EndsEdit")->maximum());
        EXPECT_TRUE(d->findChild<QRadioButton*>("SinkingButton")->isChecked());
        EXPECT_FALSE(d->findChild<QCheckBox*>("DefaultPaletteBox")->isChecked());
        d->findChild<QSpinBox*>("EndsEdit")->setValue(600);
        d->findChild<QSpinBox*>("PicksEdit")->setValue(800);
        shafts->setValue(16);
        d->findChild<QRadioButton*>("RisingButton")->click();
        QTest::mouseClick(d->findChild<QCheckBox*>("DefaultPaletteBox"), Qt::LeftButton);
        QTest::mouseClick(d->findChild<QPushButton*>("OKButton"), Qt::LeftButton);
    });
    ASSERT_TRUE(commands->NewPattern());
    const Draft& d = host->draft();
    EXPECT_EQ(600, d.Ends);
    EXPECT_EQ(800, d.Picks);
    EXPECT_EQ(16, d.PatternShafts);
    EXPECT_EQ(16, d.LiftplanWidth);
    EXPECT_FALSE(d.SinkingShed);
    EXPECT_EQ(16, host->settings.snapshot.Shafts);
    EXPECT_FALSE(host->settings.snapshot.Shed);
    EXPECT_TRUE(d.Inches);
    EXPECT_TRUE(d.DesignMode);
    EXPECT_FALSE(d.LiftplanFromBottom);
    EXPECT_FALSE(d.ThreadingFromRight);
    EXPECT_FALSE(d.ShaftOneAtBottom);
    EXPECT_FALSE(d.FabricCompression);
    EXPECT_EQ(12, d.Epi);
    EXPECT_EQ(14, d.Ppi);
    EXPECT_TRUE(d.ShowThreading);
    EXPECT_EQ(0, d.PatternThreading.LastNonZero(MaxEnds));
    EXPECT_EQ(0, d.LastLiftplanPick(MaxPicks));
    EXPECT_EQ(0, d.TieupAA.cells[0]);
    EXPECT_TRUE(d.Note.empty());
    EXPECT_EQ(d.DefaultWarpColor(), d.WarpColors[1]);
    Draft fresh;
    fresh.SetDefaultPaletteRGB();
    EXPECT_TRUE(d.PaletteRGB == fresh.PaletteRGB);
    EXPECT_TRUE(host->doc.CurrentFile.isEmpty());
    EXPECT_FALSE(host->doc.RevertAvailable);
    EXPECT_FALSE(host->doc.Modified);
    // The window steps after the draft is cleared, in order.
    const QStringList tail = host->steps().mid(host->steps().indexOf("LeaveFabricView"));
    EXPECT_EQ((QStringList{"LeaveFabricView", "Update", "SyncZoomSlider", "RefreshFabricWindow",
                           "ResetFillPattern", "ResetTool", "UpdateCaptions"}),
              tail);
    EXPECT_TRUE(host->steps().contains("PaletteChanged"));

    // "Use default Color Palette" is remembered; Cancel changes nothing.
    OnNextModal<TNewPatternDlg>([](TNewPatternDlg* d) {
        EXPECT_TRUE(d->findChild<QCheckBox*>("DefaultPaletteBox")->isChecked());
        EXPECT_EQ(16, d->findChild<QSpinBox*>("ShaftsEdit")->value());
        QTest::mouseClick(d->findChild<QPushButton*>("CancelButton"), Qt::LeftButton);
    });
    host->draft().PatternThreading[1] = 4;
    EXPECT_FALSE(commands->NewPattern());
    EXPECT_EQ(4, host->draft().PatternThreading[1]);
}

TEST_F(SaveTest, NewAsksFirstWhenTheDraftIsModified) {
    host->doc.Modified = true;
    AnswerNextBox("CancelButton");
    EXPECT_FALSE(commands->NewPattern());
    EXPECT_TRUE(host->doc.Modified);
    EXPECT_NE(0, host->draft().PatternThreading[1]);
}

} // namespace
} // namespace hm::test
