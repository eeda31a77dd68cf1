// Open Components: the two "Load components" dialogs driven by clicks, blending a
// liftplan in each mode, and what the read does to undo and Modified.
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "files/hdmfile.h"
#include "files/hdxfile.h"
#include "files/ui/blendliftplandialog.h"
#include "files/ui/filecommands.h"
#include "files/ui/loadhdmdialog.h"
#include "files/ui/loadhdxdialog.h"
#include "support/testcontext.h"
#include "testsupport.h"

namespace hm::test {
namespace {

void Click(QWidget* dialog, const char* name) {
    auto* w = dialog->findChild<QAbstractButton*>(QString::fromLatin1(name));
    ASSERT_NE(nullptr, w) << name;
    QTest::mouseClick(w, Qt::LeftButton);
}

bool Checked(QWidget* dialog, const char* name) {
    return dialog->findChild<QCheckBox*>(QString::fromLatin1(name))->isChecked();
}

class ComponentsTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    std::unique_ptr<TestContext> host;
    std::unique_ptr<FileCommands> commands;

    void SetUp() override {
        TLoadHdmDlg::ResetRemembered();
        TLoadHdxDlg::ResetRemembered();
        host = std::make_unique<TestContext>(dir.filePath("settings.ini"));
        commands = std::make_unique<FileCommands>(host->ctx, nullptr, dir.filePath("recovery"));
        host->draft() = *MakeComplexDraft(0);
    }
    QString WriteHdm(const Draft& d) {
        const QString path = dir.filePath("source.hdm");
        EXPECT_TRUE(WritePatternFile(d, path).ok);
        return path;
    }
    QString WriteHdx(const Draft& d) {
        const QString path = dir.filePath("source.hdx");
        EXPECT_TRUE(WriteCdPatternFile(d, path, false).ok);
        return path;
    }
};

TEST_F(ComponentsTest, HdmDialogTakesOnlyTheCheckedParts) {
    auto file = MakeLiftplanDraft(1);
    const QString path = WriteHdm(*file);
    const Draft before = host->draft();
    OnNextModal<TLoadHdmDlg>([](TLoadHdmDlg* d) {
        EXPECT_EQ("Load components", d->windowTitle());
        EXPECT_TRUE(Checked(d, "ThreadingBox"));
        EXPECT_TRUE(Checked(d, "LiftplanBox"));
        Click(d, "ThreadingBox");
        Click(d, "LiftplanBox");
        Click(d, "WeftColorsBox");
        Click(d, "OKButton");
    });
    ASSERT_TRUE(commands->OpenComponentsFrom(path));
    const Draft& now = host->draft();
    EXPECT_TRUE(now.WeftColors.bytes == file->WeftColors.bytes);
    EXPECT_TRUE(now.WarpColors.bytes == before.WarpColors.bytes);
    EXPECT_TRUE(now.PatternThreading.bytes == before.PatternThreading.bytes);
    EXPECT_TRUE(now.Liftplan == before.Liftplan);
    EXPECT_EQ(before.Ends, now.Ends);
    EXPECT_EQ(before.PatternShafts, now.PatternShafts);
    EXPECT_EQ(before.Note, now.Note);
    EXPECT_TRUE(host->doc.Modified);
    EXPECT_TRUE(host->undo.UndoAvailable);
    EXPECT_TRUE(host->doc.CurrentFile.isEmpty()); // components never change the current file
    EXPECT_TRUE(host->settings.values.RecentFiles[0].isEmpty());

    // Undo gives back the draft from before the read.
    ASSERT_TRUE(host->undo.Undo(host->draft()));
    EXPECT_TRUE(host->draft().WeftColors.bytes == before.WeftColors.bytes);

    // The check marks are kept for the next use.
    OnNextModal<TLoadHdmDlg>([](TLoadHdmDlg* d) {
        EXPECT_FALSE(Checked(d, "ThreadingBox"));
        EXPECT_FALSE(Checked(d, "LiftplanBox"));
        EXPECT_TRUE(Checked(d, "WeftColorsBox"));
        Click(d, "CancelButton");
    });
    host->doc.Modified = false;
    host->steps().clear();
    EXPECT_FALSE(commands->OpenComponentsFrom(path));
    EXPECT_FALSE(host->doc.Modified);
    EXPECT_TRUE(host->steps().isEmpty());
}

TEST_F(ComponentsTest, HdmDialogOffersThreadingAndLiftplanOnlyWhereTheyApply) {
    {
        TLoadHdmDlg design(true, false, nullptr);
        EXPECT_FALSE(design.findChild<QCheckBox*>("ThreadingBox")->isEnabled());
        EXPECT_FALSE(design.findChild<QCheckBox*>("LiftplanBox")->isEnabled());
        EXPECT_TRUE(design.findChild<QPushButton*>("BlendButton")->isHidden());
        // Checked but not offered: not taken.
        const HdmComponents c = design.Selection();
        EXPECT_FALSE(c.threading);
        EXPECT_FALSE(c.liftplan);
        EXPECT_FALSE(c.general);
        EXPECT_FALSE(c.expand);
    }
    {
        TLoadHdmDlg tieup(false, true, nullptr);
        EXPECT_TRUE(tieup.findChild<QCheckBox*>("ThreadingBox")->isEnabled());
        EXPECT_FALSE(tieup.findChild<QCheckBox*>("LiftplanBox")->isEnabled());
        EXPECT_TRUE(tieup.findChild<QPushButton*>("BlendButton")->isHidden());
        EXPECT_TRUE(tieup.Selection().threading);
    }
    TLoadHdmDlg draft(false, false, nullptr);
    EXPECT_FALSE(draft.findChild<QPushButton*>("BlendButton")->isHidden());
}

struct BlendCase {
    const char* button;
    std::vector<std::vector<int>> expected; // lifted shafts of picks 1..5
};

class BlendTest : public ComponentsTest, public ::testing::WithParamInterface<BlendCase> {};

TEST_P(BlendTest, CombinesTheFileLiftplanWithTheCurrentOne) {
    Draft& d = host->draft();
    d = Draft();
    d.ClearDraft();
    d.Ends = d.Picks = 10;
    d.PatternShafts = d.LiftplanWidth = 8;
    d.PatternThreading[1] = 1;
    d.SetLiftplan(1, 1, true);
    d.SetLiftplan(1, 2, true);
    d.SetLiftplan(2, 3, true);
    d.UpdateExtents();
    const auto warpBefore = d.WarpColors.bytes;

    Draft file;
    file.ClearDraft();
    file.Ends = 4;
    file.Picks = 3;
    file.PatternShafts = file.LiftplanWidth = 8;
    file.PatternThreading[1] = 2;
    file.SetLiftplan(1, 2, true);
    file.SetLiftplan(1, 4, true);
    file.SetLiftplan(2, 3, true);
    file.WarpColors[1] = 9;
    const QString path = WriteHdm(file);

    const char* button = GetParam().button;
    OnNextModal<TLoadHdmDlg>([button](TLoadHdmDlg* dialog) {
        OnNextModal<TBlendDlg>([button](TBlendDlg* blend) {
            Click(blend, button);
            Click(blend, "OKButton");
        });
        Click(dialog, "BlendButton");
    });
    ASSERT_TRUE(commands->OpenComponentsFrom(path));
    for (int p = 1; p <= 5; ++p) {
        std::vector<int> lifted;
        for (int s = 1; s <= 8; ++s)
            if (d.GetLiftplan(p, s)) lifted.push_back(s);
        EXPECT_EQ(GetParam().expected[static_cast<size_t>(p - 1)], lifted) << "pick " << p;
    }
    // Only the liftplan is blended.
    EXPECT_EQ(1, d.PatternThreading[1]);
    EXPECT_TRUE(d.WarpColors.bytes == warpBefore);
    EXPECT_TRUE(host->doc.Modified);
    EXPECT_TRUE(host->undo.UndoAvailable);
}

INSTANTIATE_TEST_SUITE_P(EachMode, BlendTest,
                         ::testing::Values(BlendCase{"AppendButton",
                                                     {{1, 2}, {3}, {2, 4}, {3}, {}}},
                                           BlendCase{"AddButton", {{1, 2, 4}, {3}, {}, {}, {}}},
                                           BlendCase{"InvertButton", {{1, 4}, {}, {}, {}, {}}},
                                           BlendCase{"SubtractButton", {{1}, {}, {}, {}, {}}}));

TEST_F(ComponentsTest, BlendStartsWithAppendAndCancelReadsNothing) {
    auto file = MakeLiftplanDraft(2);
    const QString path = WriteHdm(*file);
    const auto liftplanBefore = host->draft().Liftplan;
    bool appendFirst = false;
    OnNextModal<TLoadHdmDlg>([&](TLoadHdmDlg* dialog) {
        OnNextModal<TBlendDlg>([&](TBlendDlg* blend) {
            appendFirst = blend->findChild<QRadioButton*>("AppendButton")->isChecked();
            Click(blend, "CancelButton");
        });
        Click(dialog, "BlendButton");
    });
    EXPECT_FALSE(commands->OpenComponentsFrom(path));
    EXPECT_TRUE(appendFirst);
    EXPECT_TRUE(host->draft().Liftplan == liftplanBefore);
    EXPECT_FALSE(host->doc.Modified);
}

TEST_F(ComponentsTest, HdxDialogTakesOnlyTheCheckedParts) {
    auto file = MakeComplexDraft(2);
    const QString path = WriteHdx(*file);
    const Draft before = host->draft();
    OnNextModal<TLoadHdxDlg>([](TLoadHdxDlg* d) {
        for (const char* name : {"PatternThreadingBox", "LiftplanBox", "ThreadingABox",
                                 "TieupAABox", "WarpColorsBox", "NoteBox"})
            EXPECT_FALSE(Checked(d, name)) << name;
        Click(d, "TieupAABox");
        Click(d, "WarpColorsBox");
        Click(d, "OKButton");
    });
    ASSERT_TRUE(commands->OpenComponentsFrom(path));
    const Draft& now = host->draft();
    EXPECT_TRUE(now.TieupAA.cells == file->TieupAA.cells);
    EXPECT_TRUE(now.WarpColors.bytes == file->WarpColors.bytes);
    EXPECT_TRUE(now.TieupAB.cells == before.TieupAB.cells);
    EXPECT_TRUE(now.TieupBA.cells == before.TieupBA.cells);
    EXPECT_TRUE(now.ThreadingA.bytes == before.ThreadingA.bytes);
    EXPECT_TRUE(now.TreadlingA.bytes == before.TreadlingA.bytes);
    EXPECT_TRUE(now.PatternThreading.bytes == before.PatternThreading.bytes);
    EXPECT_TRUE(now.Liftplan == before.Liftplan);
    EXPECT_TRUE(now.WeftColors.bytes == before.WeftColors.bytes);
    EXPECT_TRUE(now.PaletteRGB == before.PaletteRGB);
    EXPECT_EQ(before.Note, now.Note);
    EXPECT_EQ(before.Ends, now.Ends);
    EXPECT_EQ(before.Epi, now.Epi);
    EXPECT_TRUE(host->doc.Modified);
    EXPECT_TRUE(host->doc.CurrentFile.isEmpty());
}

TEST_F(ComponentsTest, HdxDialogOffersOnlyTheComponentsSwitchedOn) {
    {
        TLoadHdxDlg first(true, true, true, nullptr);
        for (const char* name : {"PatternThreadingBox", "ThreadingBBox", "TreadlingBBox"})
            first.findChild<QCheckBox*>(name)->setChecked(true);
        first.accept();
    }
    TLoadHdxDlg off(false, false, false, nullptr);
    for (const char* name :
         {"PatternThreadingBox", "LiftplanBox", "ThreadingBBox", "TreadlingBBox"})
        EXPECT_FALSE(off.findChild<QCheckBox*>(name)->isEnabled()) << name;
    EXPECT_TRUE(off.findChild<QCheckBox*>("ThreadingABox")->isEnabled());
    EXPECT_TRUE(Checked(&off, "PatternThreadingBox")); // kept, but not taken
    const HdxComponents c = off.Selection();
    EXPECT_FALSE(c.general);
    EXPECT_FALSE(c.patternThreading);
    EXPECT_FALSE(c.threadingB);
    EXPECT_FALSE(c.treadlingB);
    // The plans' boxes carry the complex-drafting captions.
    EXPECT_EQ("Pattern Threading", off.findChild<QCheckBox*>("PatternThreadingBox")->text());
    EXPECT_EQ("Tie-up BA", off.findChild<QCheckBox*>("TieupBABox")->text());
}

TEST_F(ComponentsTest, APictureGivesAnErrorAndNoDialog) {
    QString text;
    AnswerNextBox("YesButton", &text);
    EXPECT_FALSE(commands->OpenComponentsFrom(dir.filePath("design.BMP")));
    EXPECT_EQ("Cannot open components from BMP-file.", text);
    EXPECT_FALSE(host->doc.Modified);
}

TEST_F(ComponentsTest, ARejectedFileIsReportedWithoutTheDialog) {
    QFile f(dir.filePath("wrong.hdx"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("{\x05"
            "dxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx");
    f.close();
    QString text;
    AnswerNextBox("YesButton", &text);
    commands->OpenComponentsFrom(dir.filePath("wrong.hdx"));
    EXPECT_EQ("File Read Error: Incompatible file version.", text);
}

} // namespace
} // namespace hm::test
