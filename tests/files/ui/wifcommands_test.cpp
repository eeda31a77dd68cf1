// WIF files in the File menu: Export > Save as WIF, Open Components of a WIF,
// the open dialog's filters and the command line.
#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "files/ui/filecommands.h"
#include "files/ui/loadhdxdialog.h"
#include "files/wiffile.h"
#include "settings/basemultilang.h"
#include "support/testcontext.h"
#include "testsupport.h"

namespace hm::test {
namespace {

// Eight ends of a straight draw, a 2/2 twill tie-up, treadled straight.
const char* TreadledWif = "[WIF]\nVersion=1.1\n[WEAVING]\nShafts=4\nTreadles=4\nRising Shed=true\n"
                          "[WARP]\nThreads=8\n[WEFT]\nThreads=8\n"
                          "[THREADING]\n1=1\n2=2\n3=3\n4=4\n5=1\n6=2\n7=3\n8=4\n"
                          "[TIEUP]\n1=1,2\n2=2,3\n3=3,4\n4=4,1\n"
                          "[TREADLING]\n1=1\n2=2\n3=3\n4=4\n5=1\n6=2\n7=3\n8=4\n";
// The same cloth as a liftplan, with a note.
const char* LiftplanWif = "[WIF]\nVersion=1.1\n[WEAVING]\nShafts=4\nRising Shed=true\n"
                          "[TEXT]\nTitle=Twill\n"
                          "[WARP]\nThreads=4\n[WEFT]\nThreads=4\n"
                          "[THREADING]\n1=1\n2=2\n3=3\n4=4\n"
                          "[LIFTPLAN]\n1=1,2\n2=2,3\n3=3,4\n4=4,1\n";

QByteArray Contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class WifCommandsTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    std::unique_ptr<TestContext> host;
    std::unique_ptr<FileCommands> commands;
    std::vector<Message> asked;
    BoxAnswer answer = BoxAnswer::Yes;
    QString chosen; // what the file dialog answers

    void SetUp() override {
        TLoadHdxDlg::ResetRemembered();
        host = std::make_unique<TestContext>(dir.filePath("settings.ini"));
        commands = std::make_unique<FileCommands>(host->ctx, nullptr, dir.filePath("recovery"));
        commands->SetPathChooser([this](FileDialogKind kind) {
            EXPECT_EQ(FileDialogKind::SaveWif, kind);
            return chosen;
        });
        host->ctx.SetAnswerer([this](const Message& m, const QString&) {
            asked.push_back(m);
            return answer;
        });
        host->draft() = *MakeComplexDraft(2);
    }
    QString Path(const QString& name) const { return dir.filePath(name); }
    QString Write(const QString& name, const QByteArray& bytes) {
        QFile f(Path(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    }
    // Answers "Load components" from the runner: notes the boxes not offered,
    // checks the boxes named and takes OK.
    QStringList notOffered;
    void TakeComponents(const std::vector<const char*>& boxes) {
        host->ctx.SetDialogRunner([this, boxes](QDialog& d) {
            auto* dialog = qobject_cast<TLoadHdxDlg*>(&d);
            EXPECT_NE(nullptr, dialog);
            if (!dialog) return int(QDialog::Rejected);
            for (const QCheckBox* box : dialog->findChildren<QCheckBox*>())
                if (!box->isEnabled()) notOffered << box->objectName();
            for (const char* name : boxes) dialog->findChild<QCheckBox*>(name)->setChecked(true);
            return int(QDialog::Accepted);
        });
    }
};

TEST_F(WifCommandsTest, SaveAsWifExportsAndLeavesTheDocumentAlone) {
    host->doc.CurrentFile = Path("work.hdx");
    host->doc.Modified = true;
    host->doc.RevertAvailable = true;
    chosen = Path("export"); // the extension is added
    ASSERT_TRUE(commands->SaveToWif());
    EXPECT_EQ(WifFileBytes(host->draft()), Contents(Path("export.wif")));
    EXPECT_EQ(Path("work.hdx"), host->doc.CurrentFile);
    EXPECT_TRUE(host->doc.Modified);
    EXPECT_TRUE(host->doc.RevertAvailable);
    EXPECT_TRUE(host->settings.values.RecentFiles[0].isEmpty());
    EXPECT_TRUE(asked.empty());

    // The added extension names a file that is there: asked first, kept on No.
    host->draft().PatternThreading[1] = 7;
    answer = BoxAnswer::No;
    EXPECT_FALSE(commands->SaveToWif());
    ASSERT_EQ(1u, asked.size());
    EXPECT_EQ("@replacefile", asked[0].text);
    EXPECT_NE(WifFileBytes(host->draft()), Contents(Path("export.wif")));
    answer = BoxAnswer::Yes;
    EXPECT_TRUE(commands->SaveToWif());
    EXPECT_EQ(WifFileBytes(host->draft()), Contents(Path("export.wif")));
}

TEST_F(WifCommandsTest, ComponentsOfATreadledWifComeFromGroupA) {
    const QString path = Write("treadled.wif", TreadledWif);
    Draft fromWif;
    ASSERT_FALSE(ReadWifFile(fromWif, path).HasError());
    const Draft before = host->draft();
    TakeComponents({"ThreadingABox", "TieupAABox"});
    ASSERT_TRUE(commands->OpenComponentsFrom(path));

    for (const char* box : {"PatternThreadingBox", "LiftplanBox", "ThreadingBBox", "TreadlingBBox",
                            "TieupABBox", "TieupBABox", "TieupBBBox", "NoteBox"})
        EXPECT_TRUE(notOffered.contains(box)) << box;
    const Draft& now = host->draft();
    for (int e = 1; e <= 8; ++e) EXPECT_EQ(fromWif.ThreadingA[e], now.ThreadingA[e]) << e;
    for (int s = 1; s <= 4; ++s)
        for (int t = 1; t <= 4; ++t) EXPECT_EQ(fromWif.TieupAA(s, t), now.TieupAA(s, t));
    EXPECT_TRUE(now.TreadlingA.bytes == before.TreadlingA.bytes);
    EXPECT_TRUE(now.PatternThreading.bytes == before.PatternThreading.bytes);
    EXPECT_EQ(before.Note, now.Note);
    EXPECT_TRUE(host->doc.Modified);
    EXPECT_TRUE(host->undo.UndoAvailable);
    EXPECT_TRUE(host->doc.CurrentFile.isEmpty());
    EXPECT_TRUE(asked.empty());
}

TEST_F(WifCommandsTest, ComponentsOfALiftplanWifComeFromThePatternLevel) {
    ASSERT_TRUE(host->draft().PatternThreadingOn);
    const QString path = Write("liftplan.wif", LiftplanWif);
    Draft fromWif;
    ASSERT_FALSE(ReadWifFile(fromWif, path).HasError());
    const Draft before = host->draft();
    TakeComponents({"LiftplanBox", "NoteBox", "ThreadingABox"});
    ASSERT_TRUE(commands->OpenComponentsFrom(path));

    for (const char* box : {"ThreadingABox", "TreadlingABox", "TieupAABox"})
        EXPECT_TRUE(notOffered.contains(box)) << box;
    const Draft& now = host->draft();
    for (int p = 1; p <= 4; ++p)
        for (int s = 1; s <= 4; ++s)
            EXPECT_EQ(fromWif.GetLiftplan(p, s), now.GetLiftplan(p, s)) << p << "," << s;
    EXPECT_EQ(fromWif.Note, now.Note);
    EXPECT_TRUE(now.ThreadingA.bytes == before.ThreadingA.bytes); // not offered, not taken
    EXPECT_TRUE(now.PatternThreading.bytes == before.PatternThreading.bytes);
}

TEST_F(WifCommandsTest, ComponentsOfAFileThatIsNoWifAreRefusedBeforeTheDialog) {
    const QString path = Write("damaged.wif", "[TEXT]\nTitle=nothing to weave\n");
    const Draft before = host->draft();
    host->ctx.SetDialogRunner([](QDialog&) {
        ADD_FAILURE() << "no dialog for a file that is not a WIF";
        return int(QDialog::Rejected);
    });
    EXPECT_FALSE(commands->OpenComponentsFrom(path));
    ASSERT_EQ(1u, asked.size());
    EXPECT_EQ("@wifnotwif", asked[0].text);
    EXPECT_TRUE(host->draft().ThreadingA.bytes == before.ThreadingA.bytes);
    EXPECT_FALSE(host->undo.UndoAvailable);
    EXPECT_FALSE(host->doc.Modified);
}

TEST_F(WifCommandsTest, TheFileDialogsOfferWifInEveryLanguage) {
    commands->SetPathChooser({}); // the real dialogs, answered by the runner
    for (int language = LangEnglish; language <= LangFinnish; ++language) {
        SCOPED_TRACE(language);
        SetLanguageEverywhere(language);
        QStringList openFilters, saveFilters;
        host->ctx.SetDialogRunner([&](QDialog& d) {
            auto* dialog = qobject_cast<QFileDialog*>(&d);
            EXPECT_NE(nullptr, dialog);
            if (dialog)
                (dialog->acceptMode() == QFileDialog::AcceptOpen ? openFilters : saveFilters) =
                    dialog->nameFilters();
            return int(QDialog::Rejected);
        });
        commands->Open();
        commands->SaveToWif();
        ASSERT_EQ(6, openFilters.size());
        // All supported files first, then one entry for each kind.
        for (const char* pattern : {"*.hdx", "*.hdm", "*.wif", "*.bmp"})
            EXPECT_TRUE(openFilters[0].contains(pattern)) << pattern;
        EXPECT_TRUE(openFilters[3].endsWith("(*.wif)"));
        ASSERT_EQ(1, saveFilters.size());
        EXPECT_TRUE(saveFilters[0].endsWith("(*.wif)"));
    }
    SetLanguageEverywhere(LangEnglish);
}

TEST_F(WifCommandsTest, TheCommandLineOpensAWif) {
    const QString path = Write("from other program.wif", TreadledWif);
    host->doc.CurrentFile = Path("before.hdx");
    ASSERT_TRUE(commands->OpenFromCommandLine(path.split(' ')));
    EXPECT_FALSE(host->draft().PatternThreadingOn);
    EXPECT_EQ(3, host->draft().ThreadingA[3]);
    EXPECT_TRUE(host->doc.CurrentFile.isEmpty()); // Save must ask for an .hdx name
    EXPECT_EQ(path, host->settings.values.RecentFiles[0]);
}

} // namespace
} // namespace hm::test
