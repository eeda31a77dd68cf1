// Opening whole files through the real open path: .hdx and .hdm files written by
// the real writers from the tests' own drafts, a picture, the command line.
#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QTemporaryDir>

#include "files/hdmfile.h"
#include "files/hdxfile.h"
#include "files/ui/filecommands.h"
#include "model/design.h"
#include "support/testcontext.h"
#include "testsupport.h"

namespace hm::test {
namespace {

class OpenTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    std::unique_ptr<TestContext> host;
    std::unique_ptr<FileCommands> commands;

    void SetUp() override {
        host = std::make_unique<TestContext>(dir.filePath("settings.ini"));
        commands = std::make_unique<FileCommands>(host->ctx, nullptr, dir.filePath("recovery"));
    }
    QString Path(const QString& name) const { return dir.filePath(name); }
};

TEST_F(OpenTest, VariedHdxFilesComeBackAsWritten) {
    for (int seed = 0; seed < 5; ++seed) {
        SCOPED_TRACE(seed);
        auto written = MakeComplexDraft(seed);
        const QString path = Path(QString("complex%1.hdx").arg(seed));
        ASSERT_TRUE(WriteCdPatternFile(*written, path, seed % 2 == 0).ok);

        host->doc.Modified = true; // a modified draft before is left behind by Open
        host->steps().clear();
        ASSERT_TRUE(commands->OpenPath(path));
        ExpectSameCdDraft(*written, host->draft());
        EXPECT_EQ(path, host->doc.CurrentFile);
        EXPECT_TRUE(host->doc.RevertAvailable);
        EXPECT_FALSE(host->doc.Modified);
        EXPECT_EQ(dir.path(), host->doc.CurrentFolder);
        EXPECT_EQ(path, host->settings.values.RecentFiles[0]);
        EXPECT_TRUE(host->steps().contains("AfterLoad"));
        EXPECT_TRUE(host->steps().contains("UpdateTitle"));
        EXPECT_EQ("UpdateCaptions", host->steps().last());
    }
}

TEST_F(OpenTest, DesignModeHdxKeepsItsDesignPicture) {
    auto written = MakeComplexDraft(2);
    written->DesignMode = true;
    BuildDesign(*written, DesignSize, DesignSize);
    // A picture that the pattern level alone would not give.
    written->SetDesignCell(3, 5, true);
    written->SetDesignCell(written->Picks, written->Ends, true);
    const QString path = Path("design.hdx");
    ASSERT_TRUE(WriteCdPatternFile(*written, path, true).ok);
    ASSERT_TRUE(commands->OpenPath(path));
    EXPECT_TRUE(host->draft().DesignMode);
    EXPECT_TRUE(host->draft().DesignGrid == written->DesignGrid);
    EXPECT_TRUE(host->draft().GetDesignCell(3, 5));
}

TEST_F(OpenTest, VariedHdmFilesComeBackWithoutBecomingTheCurrentFile) {
    host->doc.CurrentFile = Path("before.hdx");
    host->doc.RevertAvailable = true;
    for (int seed = 0; seed < 4; ++seed) {
        SCOPED_TRACE(seed);
        auto written = MakeLiftplanDraft(seed);
        const QString path = Path(QString("plain%1.HDM").arg(seed)); // any letter case
        ASSERT_TRUE(WritePatternFile(*written, path).ok);
        host->doc.Modified = true;
        ASSERT_TRUE(commands->OpenPath(path));
        ExpectSamePatternLevel(*written, host->draft());
        EXPECT_TRUE(host->doc.CurrentFile.isEmpty());
        EXPECT_FALSE(host->doc.RevertAvailable);
        EXPECT_FALSE(host->doc.Modified);
        EXPECT_EQ(path, host->settings.values.RecentFiles[0]);
    }
}

TEST_F(OpenTest, ARejectedFileNoLongerCountsAsTheCurrentFile) {
    // The draft is cleared before the read; keeping the old name would let Save
    // write the empty draft over the old file.
    auto written = MakeComplexDraft(1);
    const QString good = Path("good.hdx");
    ASSERT_TRUE(WriteCdPatternFile(*written, good, false).ok);
    ASSERT_TRUE(commands->OpenPath(good));
    const QString bad = Path("bad.hdx");
    QFile f(bad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("not a pattern at all");
    f.close();

    QString text;
    AnswerNextBox("YesButton", &text);
    EXPECT_FALSE(commands->OpenPath(bad));
    EXPECT_EQ("File Read Error: Incompatible file version.", text);
    EXPECT_TRUE(host->doc.CurrentFile.isEmpty());
    EXPECT_FALSE(host->doc.RevertAvailable);
    EXPECT_EQ(good, host->settings.values.RecentFiles[0]);
}

TEST_F(OpenTest, APictureOpensAsDesignWithoutAFile) {
    QImage picture(20, 10, QImage::Format_RGB32);
    picture.fill(Qt::white);
    picture.setPixel(0, 0, qRgb(0, 0, 0));
    const QString path = Path("picture.bmp");
    ASSERT_TRUE(picture.save(path, "BMP"));
    host->doc.CurrentFile = Path("old.hdx");
    host->doc.RevertAvailable = true;
    host->draft().LiftplanFromBottom = false;
    host->draft().ThreadingFromRight = false;
    ASSERT_TRUE(commands->OpenPath(path));
    EXPECT_TRUE(host->draft().DesignMode);
    EXPECT_TRUE(host->draft().GetDesignCell(1, 1));
    EXPECT_FALSE(host->draft().GetDesignCell(1, 2));
    EXPECT_TRUE(host->doc.CurrentFile.isEmpty());
    EXPECT_FALSE(host->doc.RevertAvailable);
    EXPECT_FALSE(host->doc.Modified);
    EXPECT_TRUE(host->steps().contains("LeaveFabricView"));
    EXPECT_TRUE(host->settings.values.RecentFiles[0].isEmpty()); // pictures never go there
}

TEST_F(OpenTest, TheOpenDialogStartsInTheCurrentFolderAndOpensTheChosenFile) {
    auto written = MakeComplexDraft(3);
    QDir(dir.path()).mkdir("patterns");
    const QString path = Path("patterns/chosen.hdx");
    ASSERT_TRUE(WriteCdPatternFile(*written, path, false).ok);
    host->doc.CurrentFolder = Path("patterns");
    QString shownFolder, title;
    // The dialog is answered through the context: a modal file dialog would
    // race its own folder reading thread when accepted from a timer.
    host->ctx.SetDialogRunner([&](QDialog& d) {
        auto* dialog = qobject_cast<QFileDialog*>(&d);
        if (!dialog) return int(QDialog::Rejected);
        shownFolder = dialog->directory().absolutePath();
        title = dialog->windowTitle();
        EXPECT_EQ("OpenDialog", dialog->objectName());
        EXPECT_EQ(6, dialog->nameFilters().size());
        dialog->selectFile(path);
        return int(QDialog::Accepted);
    });
    ASSERT_TRUE(commands->Open());
    EXPECT_EQ(Path("patterns"), shownFolder);
    EXPECT_EQ("Open", title);
    ExpectSameCdDraft(*written, host->draft());
}

TEST_F(OpenTest, CommandLineOpensAPathSplitAtItsBlanks) {
    auto written = MakeComplexDraft(4);
    QDir(dir.path()).mkdir("my patterns");
    const QString path = Path("my patterns/summer and winter.hdx");
    ASSERT_TRUE(WriteCdPatternFile(*written, path, false).ok);
    const QStringList split = path.split(' ');
    ASSERT_EQ(4, split.size());
    ASSERT_TRUE(commands->OpenFromCommandLine(split));
    EXPECT_EQ(path, host->doc.CurrentFile);
    ExpectSameCdDraft(*written, host->draft());

    // Nothing found: nothing said, nothing changed.
    host->steps().clear();
    EXPECT_FALSE(commands->OpenFromCommandLine({Path("missing"), "file.hdx"}));
    EXPECT_FALSE(commands->OpenFromCommandLine({"a.b"}));
    EXPECT_TRUE(host->steps().isEmpty());
}

TEST_F(OpenTest, CommandLineOpensAnHdmFileByItsKind) {
    auto written = MakeLiftplanDraft(1);
    const QString path = Path("plain.hdm");
    ASSERT_TRUE(WritePatternFile(*written, path).ok);
    ASSERT_TRUE(commands->OpenFromCommandLine({path}));
    ExpectSamePatternLevel(*written, host->draft());
}

TEST_F(OpenTest, OpenAsksToSaveAModifiedDraftAndCancelKeepsIt) {
    host->doc.Modified = true;
    host->doc.CurrentFile = Path("work.hdx");
    host->draft().PatternThreading[1] = 7;
    bool asked = false;
    commands->SetPathChooser([&](FileDialogKind) {
        asked = true;
        return QString();
    });
    QString text;
    AnswerNextBox("CancelButton", &text);
    EXPECT_FALSE(commands->Open());
    EXPECT_EQ("Save changes to work.hdx?", text);
    EXPECT_FALSE(asked); // Cancel stops before the file dialog
    EXPECT_EQ(7, host->draft().PatternThreading[1]);
    EXPECT_TRUE(host->doc.Modified);
}

} // namespace
} // namespace hm::test
