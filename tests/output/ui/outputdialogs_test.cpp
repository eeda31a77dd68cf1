// The print and export dialogs through their widgets, driven by the menu
// handlers over a command context without the main window.

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "dialogscript.h"
#include "output/draftpng.h"
#include "output/imageexport.h"
#include "output/ui/exportcommands.h"
#include "output/ui/numbersdialog.h"
#include "output/ui/printcommands.h"
#include "output/ui/printdraftdialog.h"
#include "output/ui/printfabricdialog.h"
#include "output/ui/savedraftpngdialog.h"
#include "support/childwidgets.h"
#include "support/testcontext.h"
#include "view/sampledraft.h"

namespace hm::test {
namespace {

using hmtest::Child;

int SpinValue(QDialog& d, const char* name) {
    QSpinBox* s = Child<QSpinBox>(d, name);
    return s ? s->value() : -1;
}

class OutputDialogsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        *t.draftPtr = *MakeSampleDraft();
        t.view.VisibleEnds = 80;
        t.view.VisiblePicks = 50;
        t.doc.CurrentFile = dir.filePath("rose.hdx");
        t.doc.CurrentName = "rose";
        t.doc.CurrentFolder = dir.path();
        t.ctx.SetDialogRunner([this](QDialog& d) { return script(d); });
        t.ctx.SetAnswerer([this](const Message& m, const QString&) {
            asked.push_back(m.text + m.suffix);
            return BoxAnswer::Yes;
        });
    }
    bool AskedFor(const std::string& key) const {
        for (const std::string& a : asked)
            if (a.rfind(key, 0) == 0) return true;
        return false;
    }
    static bool IsPdf(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) && f.read(5) == "%PDF-";
    }

    QTemporaryDir dir;
    TestContext t{dir.filePath("settings.ini")};
    DialogScript script;
    std::vector<std::string> asked;
};

TEST_F(OutputDialogsTest, PrintDraftProposesTheUsedEndsAndFollowsTheRangeFields) {
    for (int e = 41; e <= MaxEnds; ++e)
        t.draft().PatternThreading[e] = t.draft().ThreadingA[e] = t.draft().ThreadingB[e] = 0;
    const QString pdf = dir.filePath("draft.pdf");
    script.On("PrintDialog", PrintToPdf(pdf));
    script.On(
        "TPdraftDlg", Accept<TPdraftDlg>([](TPdraftDlg& d) {
            // 40 used ends are fewer than the 80 shown; the 300 used picks
            // are more than the 50 shown, so the picks follow the ends.
            EXPECT_EQ(SpinValue(d, "Fromendspin"), 1);
            EXPECT_EQ(SpinValue(d, "endspin"), 40);
            EXPECT_EQ(SpinValue(d, "pickspin"), 40);
            EXPECT_EQ(Child<QSpinBox>(d, "Fromendspin")->maximum(), 298);
            EXPECT_EQ(Child<QSpinBox>(d, "pickspin")->maximum(), 300);
            for (const char* box : {"FillAbox", "FillBbox", "FillCbox", "FillDbox", "PrintNoteBox"})
                EXPECT_TRUE(Child<QCheckBox>(d, box)->isChecked()) << box;
            EXPECT_EQ(Child<QCheckBox>(d, "FillCbox")->text(), "Fill Treadling");
            Child<QSpinBox>(d, "Fromendspin")->setValue(5);
            Child<QSpinBox>(d, "endspin")->setValue(10);
            Child<QSpinBox>(d, "Frompickspin")->setValue(3);
            EXPECT_EQ(Child<QLabel>(d, "ToEndValue")->text(), "14");
            EXPECT_EQ(Child<QLabel>(d, "ToPickValue")->text(), "42");
            Child<QCheckBox>(d, "FillBbox")->setChecked(false);
            const PrintDraftChoice c = d.Choice();
            EXPECT_FALSE(c.fill.tieup);
            EXPECT_TRUE(c.fill.drawdown);
        }));
    EXPECT_FALSE(AsDraft1Click(t.ctx));
    EXPECT_EQ(script.seen, (QStringList{"PrintDialog", "TPdraftDlg"}));
    EXPECT_TRUE(asked.empty());
    EXPECT_TRUE(IsPdf(pdf));
}

TEST_F(OutputDialogsTest, PrintDraftRefusesCellsBelowTwoPrinterPixelsAndWritesNothing) {
    t.draft().Ends = 4800;
    const QString pdf = dir.filePath("toomany.pdf");
    script.On("PrintDialog", PrintToPdf(pdf));
    script.On("TPdraftDlg", Accept<TPdraftDlg>([](TPdraftDlg& d) {
                  Child<QSpinBox>(d, "endspin")->setValue(4800);
              }));
    AsDraft1Click(t.ctx);
    EXPECT_EQ(asked, (std::vector<std::string>{"@printtoosmall"}));
    EXPECT_FALSE(QFile::exists(pdf));

    // Cancelling the print dialog ends the command before its own dialog.
    script = DialogScript();
    asked.clear();
    AsDraft1Click(t.ctx);
    EXPECT_EQ(script.seen, QStringList{"PrintDialog"});
    EXPECT_TRUE(asked.empty());
}

TEST_F(OutputDialogsTest, PrintFabricTrueSizeDisablesTheCountsAndTheNoticeFollowsExpertMode) {
    const QString pdf = dir.filePath("fabric.pdf");
    script.On("PrintDialog", PrintToPdf(pdf));
    script.On("TPfabDlg", Accept<TPfabDlg>([](TPfabDlg& d) {
                  EXPECT_EQ(SpinValue(d, "endspin"), 300);
                  EXPECT_EQ(Child<QSpinBox>(d, "pickspin")->maximum(), 300);
                  EXPECT_TRUE(Child<QRadioButton>(d, "SelectSizeButton")->isChecked());
                  EXPECT_TRUE(Child<QSpinBox>(d, "endspin")->isEnabled());
                  Child<QRadioButton>(d, "TrueSizeButton")->setChecked(true);
                  for (const char* name : {"endspin", "pickspin", "EndsLabel", "PicksLabel"})
                      EXPECT_FALSE(Child<QWidget>(d, name)->isEnabled()) << name;
                  EXPECT_EQ(d.Choice().size, FabricPrintSize::TrueSize);
              }));
    AsFabric1Click(t.ctx);
    EXPECT_EQ(asked, (std::vector<std::string>{"@printtime"}));
    EXPECT_TRUE(IsPdf(pdf));

    asked.clear();
    t.view.ExpertMode = true;
    QFile::remove(pdf);
    AsFabric1Click(t.ctx);
    EXPECT_TRUE(asked.empty());
    EXPECT_TRUE(IsPdf(pdf));

    // Without a pattern nothing is asked but the notice.
    t.draft().ClearDraft();
    script = DialogScript();
    AsFabric1Click(t.ctx);
    EXPECT_TRUE(script.seen.isEmpty());
    EXPECT_EQ(asked, (std::vector<std::string>{"@globnopat"}));
}

TEST_F(OutputDialogsTest, SaveDraftPngRemembersPixelsAndGridOnlyWhenClosedWithOk) {
    const QString png = dir.filePath("draft.png");
    script.On("TSaveDraftPngDlg", Accept<TSaveDraftPngDlg>([](TSaveDraftPngDlg& d) {
                  EXPECT_EQ(SpinValue(d, "PixelsSpin"), 10);
                  EXPECT_FALSE(Child<QCheckBox>(d, "GrayGridBox")->isChecked());
                  EXPECT_FALSE(Child<QCheckBox>(d, "NumbersBox")->isChecked());
                  EXPECT_EQ(Child<QSpinBox>(d, "PixelsSpin")->minimum(), MinPixelsPerEnd);
                  EXPECT_EQ(Child<QSpinBox>(d, "PixelsSpin")->maximum(), MaxPixelsPerEnd);
                  Child<QSpinBox>(d, "endspin")->setValue(12);
                  Child<QSpinBox>(d, "pickspin")->setValue(8);
                  Child<QSpinBox>(d, "PixelsSpin")->setValue(6);
                  Child<QCheckBox>(d, "GrayGridBox")->setChecked(true);
                  Child<QCheckBox>(d, "NumbersBox")->setChecked(true);
              }));
    QString folder;
    script.On("SaveDraftPngDialog", [&](QDialog& d) {
        EXPECT_TRUE(static_cast<QFileDialog&>(d).selectedFiles().value(0).endsWith("rose.png"));
        return SaveAs(png, &folder)(d);
    });
    SaveDraftasPNGimage1Click(t.ctx);
    // Six pixels are too few for numbers: the notice, and the marks are filled.
    EXPECT_EQ(asked, (std::vector<std::string>{"@nonumbers"}));
    DraftPngChoice chosen;
    chosen.range = {1, 12, 1, 8};
    chosen.pixelsPerEnd = 6;
    const QImage image(png);
    EXPECT_EQ(image.size(), DraftPngSize(t.draft(), chosen));
    EXPECT_EQ(folder, QDir(dir.path()).absolutePath());

    // The next dialog starts with them; a cancelled one does not change them.
    script.On("TSaveDraftPngDlg", [](QDialog& dialog) {
        EXPECT_EQ(SpinValue(dialog, "PixelsSpin"), 6);
        EXPECT_TRUE(Child<QCheckBox>(dialog, "GrayGridBox")->isChecked());
        EXPECT_FALSE(Child<QCheckBox>(dialog, "NumbersBox")->isChecked());
        Child<QSpinBox>(dialog, "PixelsSpin")->setValue(30);
        return int(QDialog::Rejected);
    });
    SaveDraftasPNGimage1Click(t.ctx);
    EXPECT_EQ(t.ctx.Own<ExportMemory>().pixelsPerEnd, 6);
    EXPECT_TRUE(t.ctx.Own<ExportMemory>().grayGrid);

    // Not in Design mode.
    t.draft().DesignMode = true;
    script.seen.clear();
    SaveDraftasPNGimage1Click(t.ctx);
    EXPECT_TRUE(script.seen.isEmpty());
}

TEST_F(OutputDialogsTest, FabricPngAsksEndsAndPicksAndStartsWhereTheLastPngWent) {
    QDir(dir.path()).mkdir("cloth");
    const QString first = dir.filePath("cloth/one.png");
    QString folder;
    script.On("TNumbersDlg", Accept<TNumbersDlg>([](TNumbersDlg& d) {
                  EXPECT_EQ(d.windowTitle(), "Save Fabric as PNG-image...");
                  EXPECT_EQ(Child<QLabel>(d, "Label1")->text(), "Ends");
                  EXPECT_EQ(Child<QLabel>(d, "Label2")->text(), "Picks");
                  EXPECT_EQ(SpinValue(d, "SpinEdit1"), 300);
                  EXPECT_EQ(Child<QSpinBox>(d, "SpinEdit1")->minimum(), 16);
                  EXPECT_EQ(Child<QSpinBox>(d, "SpinEdit2")->maximum(), 300);
                  EXPECT_TRUE(Child<QSpinBox>(d, "SpinEdit1")->hasFocus() ||
                              d.focusWidget() == Child<QSpinBox>(d, "SpinEdit1"));
                  Child<QSpinBox>(d, "SpinEdit1")->setValue(40);
                  Child<QSpinBox>(d, "SpinEdit2")->setValue(30);
              }));
    script.On("SaveFabricPngDialog", SaveAs(first, &folder));
    PNG1Click(t.ctx);
    EXPECT_EQ(folder, QDir(dir.path()).absolutePath()); // the Open dialog's folder at first
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(QImage(first).size(), QSize(40, 30)); // Epi = Ppi: no stretch

    // The next save dialog opens where the last PNG went; a file that cannot be
    // written is reported with the system's text and nothing is left.
    const QString unwritable = dir.filePath("missing/two.png");
    script.On("SaveFabricPngDialog", SaveAs(unwritable, &folder));
    PNG1Click(t.ctx);
    EXPECT_EQ(folder, QDir(dir.filePath("cloth")).absolutePath());
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_NE(asked[0].find("File Write Error"), std::string::npos) << asked[0];
    EXPECT_NE(asked[0].find("two.png"), std::string::npos) << asked[0];
    EXPECT_FALSE(QFile::exists(unwritable));
}

TEST_F(OutputDialogsTest, DrawdownBmpNeedsTwoUsedEndsAndWritesTheChosenSize) {
    const QString bmp = dir.filePath("drawdown.bmp");
    script.On("TNumbersDlg", Accept<TNumbersDlg>([](TNumbersDlg& d) {
                  EXPECT_EQ(d.windowTitle(), "Save Drawdown as BMP-image...");
                  EXPECT_EQ(Child<QSpinBox>(d, "SpinEdit1")->minimum(), 2);
                  Child<QSpinBox>(d, "SpinEdit1")->setValue(24);
                  Child<QSpinBox>(d, "SpinEdit2")->setValue(18);
              }));
    script.On("SaveBmpDialog", SaveAs(bmp));
    BMP1Click(t.ctx);
    EXPECT_EQ(QImage(bmp, "BMP").size(), QSize(24, 18));

    // One threaded end is no pattern: the notice, and no dialog.
    Draft& d = t.draft();
    for (int e = 2; e <= MaxEnds; ++e)
        d.PatternThreading[e] = d.ThreadingA[e] = d.ThreadingB[e] = 0;
    script.seen.clear();
    BMP1Click(t.ctx);
    EXPECT_TRUE(script.seen.isEmpty());
    EXPECT_EQ(asked, (std::vector<std::string>{"@nopattern"}));
}

} // namespace
} // namespace hm::test
