// The insert, delete, switch and transform dialogs driven through their real
// widgets over a command context without the main window: previews that never
// accumulate, Cancel that leaves the draft, Modified and Undo as they were, and
// the dialogs' enabling and remembered values.

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <gtest/gtest.h>

#include "ops/structurecommands.h"
#include "ops/tieupspecial.h"
#include "ops/ui/transformcommands.h"
#include "ops/ui/utilitycommands.h"
#include "settings/basemultilang.h"
#include "support/childwidgets.h"
#include "support/testcontext.h"

namespace hm::test {
namespace {

using hmtest::Child;
using hmtest::Click;

template <typename T> bool SameBytes(const T& a, const T& b) {
    return std::memcmp(a.data(), b.data(), sizeof(a)) == 0;
}

// Every array and count a structure command may touch, byte for byte.
::testing::AssertionResult SameDraft(const Draft& a, const Draft& b) {
    const bool same =
        SameBytes(a.PatternThreading, b.PatternThreading) &&
        SameBytes(a.ThreadingA, b.ThreadingA) && SameBytes(a.ThreadingB, b.ThreadingB) &&
        SameBytes(a.TreadlingA, b.TreadlingA) && SameBytes(a.TreadlingB, b.TreadlingB) &&
        SameBytes(a.Liftplan, b.Liftplan) && SameBytes(a.DesignGrid, b.DesignGrid) &&
        SameBytes(a.PatternTieup, b.PatternTieup) &&
        SameBytes(a.PatternTreadling, b.PatternTreadling) &&
        SameBytes(a.WarpColors, b.WarpColors) && SameBytes(a.WeftColors, b.WeftColors) &&
        std::memcmp(a.GroundTieupBytes(), b.GroundTieupBytes(), 4 * TieupBytes) == 0 &&
        a.Ends == b.Ends && a.Picks == b.Picks && a.PatternShafts == b.PatternShafts &&
        a.LiftplanWidth == b.LiftplanWidth && a.ShaftsA == b.ShaftsA &&
        a.TreadlesA == b.TreadlesA && a.ShaftsB == b.ShaftsB && a.TreadlesB == b.TreadlesB &&
        a.UsedEnds == b.UsedEnds && a.UsedPicks == b.UsedPicks;
    if (same) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the drafts differ";
}

// A click on a check box's indicator.
void Tick(QDialog& d, const char* box) {
    QCheckBox* b = Child<QCheckBox>(d, box);
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
}

class StructureDialogsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SetLanguageEverywhere(LangEnglish);
        Draft& d = t.draft();
        d.Ends = 10;
        d.Picks = 10;
        for (int e = 1; e <= 10; ++e) {
            d.PatternThreading[e] = static_cast<uint8_t>((e - 1) % 4 + 1);
            d.ThreadingA[e] = static_cast<uint8_t>((e - 1) % 2 + 1);
            d.WarpColors[e] = static_cast<uint8_t>(e);
            d.TreadlingA[e] = static_cast<uint8_t>((e - 1) % 4 + 1);
            d.SetLiftplan(e, (e - 1) % 8 + 1, true);
        }
    }
    // The dialog opens shown; `drive` presses its buttons, and the result is
    // the dialog's own, as exec() would return it.
    void Drive(std::function<void(QDialog&)> drive) {
        t.ctx.SetDialogRunner([drive](QDialog& d) {
            d.show();
            drive(d);
            return d.result();
        });
    }
    QTemporaryDir dir;
    TestContext t{dir.filePath("settings.ini")};
};

TEST_F(StructureDialogsTest, PreviewsThenCancelLeaveDraftModifiedAndUndoAsTheyWere) {
    // An earlier edit whose Undo must survive the cancelled dialog.
    Draft& d = t.draft();
    auto beforeEdit = std::make_unique<Draft>(d);
    t.undo.TakeSnapshot(d);
    t.undo.MarkChanged();
    d.ThreadingA[1] = 2;
    d.ShaftsA = 6; // tromp as writ raises the treadles A to 6
    auto before = std::make_unique<Draft>(d);

    struct Case {
        const char* name;
        bool (*handler)(CommandContext&);
        std::function<void(QDialog&, int)> choose; // the choice of the n-th preview
        bool layout; // the first preview changes counts: the next one lays out again
    };
    const Case cases[] = {
        {"insert ends", &InsertDeleteClick<InsertDeleteKind::InsertEnds>,
         [](QDialog& dlg, int n) {
             Child<QSpinBox>(dlg, "SpinEdit1")->setValue(5 - n);
             Child<QSpinBox>(dlg, "SpinEdit2")->setValue(3 + n);
         },
         false},
        {"delete picks", &InsertDeleteClick<InsertDeleteKind::DeletePicks>,
         [](QDialog& dlg, int n) {
             Child<QSpinBox>(dlg, "SpinEdit1")->setValue(2 + n);
             Child<QSpinBox>(dlg, "SpinEdit2")->setValue(8);
         },
         false},
        {"tromp as writ", &Trompaswrit1Click,
         [](QDialog& dlg, int n) {
             Child<QRadioButton>(dlg, n == 0 ? "KindButton1" : "KindButton7")->setChecked(true);
         },
         true},
        {"wrap liftplan", &WrapLiftplan1Click,
         [](QDialog& dlg, int n) {
             Child<QRadioButton>(dlg, n == 0 ? "RightButton" : "LeftButton")->setChecked(true);
             Child<QSpinBox>(dlg, "StepsSpin")->setValue(n + 2);
         },
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        t.steps().clear();
        Drive([&](QDialog& dlg) {
            for (int n = 0; n < 2; ++n) {
                c.choose(dlg, n);
                Click(dlg, "PreviewBtn");
                EXPECT_FALSE(SameDraft(d, *before)) << "preview " << n << " shows nothing";
            }
            Click(dlg, "CancelButton");
        });
        EXPECT_FALSE(c.handler(t.ctx));
        EXPECT_TRUE(SameDraft(d, *before));
        EXPECT_FALSE(t.doc.Modified);
        EXPECT_FALSE(t.steps().contains("MarkModified"));
        EXPECT_TRUE(t.undo.UndoAvailable);
        const QStringList repaints =
            t.steps().filter(QRegularExpression("^(Update|RepaintDraft)$"));
        ASSERT_EQ(repaints.size(), 3);
        EXPECT_EQ(repaints[1], c.layout ? "Update" : "RepaintDraft");
        EXPECT_EQ(t.steps().last(), "MarkUndoAvailable") << "the repaint disabled Undo";
    }
    ASSERT_TRUE(t.undo.Undo(d));
    EXPECT_TRUE(SameDraft(d, *beforeEdit)) << "Undo still restores the earlier edit";
}

TEST_F(StructureDialogsTest, OkAfterPreviewsAppliesOnceAndUndoRestoresTheDraftOfTheOpening) {
    Draft& d = t.draft();
    auto before = std::make_unique<Draft>(d);
    auto once = std::make_unique<Draft>(d);
    ApplyInsertDelete(*once, InsertDeleteKind::InsertEnds, 5, 3, AllMoves);
    Drive([](QDialog& dlg) {
        Child<QSpinBox>(dlg, "SpinEdit1")->setValue(5);
        Child<QSpinBox>(dlg, "SpinEdit2")->setValue(3);
        Click(dlg, "PreviewBtn");
        Click(dlg, "PreviewBtn");
        Click(dlg, "OKButton");
    });
    EXPECT_TRUE(InsertDeleteClick<InsertDeleteKind::InsertEnds>(t.ctx));
    EXPECT_TRUE(SameDraft(d, *once));
    EXPECT_TRUE(t.doc.Modified);
    EXPECT_EQ(t.steps().mid(t.steps().lastIndexOf("RepaintDraft")),
              (QStringList{"RepaintDraft", "MarkModified", "MarkUndoAvailable"}));
    ASSERT_TRUE(t.undo.Undo(d));
    EXPECT_TRUE(SameDraft(d, *before));
}

TEST_F(StructureDialogsTest, InsertDeleteKindsSetTextsAndEnableTheirBoxes) {
    Draft& d = t.draft();
    d.PatternThreadingOn = false;
    d.ThreadingBOn = false;
    struct Case {
        InsertDeleteKind kind;
        const char* caption;
        const char* label2;
        const char* firstBox;
    };
    const Case cases[] = {
        {InsertDeleteKind::InsertEnds, "Insert Ends", "Number of Ends:", "Pattern Threading"},
        {InsertDeleteKind::DeleteEnds, "Delete Ends", "To End:", "Pattern Threading"},
        {InsertDeleteKind::InsertPicks, "Insert Picks", "Number of Picks:", "Liftplan"},
        {InsertDeleteKind::DeletePicks, "Delete Picks", "To Pick:", "Liftplan"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        auto before = std::make_unique<Draft>(d);
        auto expected = std::make_unique<Draft>(d);
        // Disabled boxes keep their check marks and still count.
        ApplyInsertDelete(*expected, c.kind, 2, 4, AllMoves);
        Drive([&](QDialog& dlg) {
            EXPECT_EQ(dlg.windowTitle(), c.caption);
            EXPECT_EQ(Child<QLabel>(dlg, "Label2")->text(), c.label2);
            EXPECT_EQ(Child<QCheckBox>(dlg, "MthrBox")->text(), c.firstBox);
            for (const char* box : {"MthrBox", "ThrABox", "ThrBBox", "FargBox"})
                EXPECT_TRUE(Child<QCheckBox>(dlg, box)->isChecked()) << box;
            EXPECT_FALSE(Child<QCheckBox>(dlg, "MthrBox")->isEnabled());
            EXPECT_TRUE(Child<QCheckBox>(dlg, "ThrABox")->isEnabled());
            EXPECT_FALSE(Child<QCheckBox>(dlg, "ThrBBox")->isEnabled());
            EXPECT_EQ(Child<QSpinBox>(dlg, "SpinEdit1")->maximum(), 4800);
            Child<QSpinBox>(dlg, "SpinEdit1")->setValue(2);
            Child<QSpinBox>(dlg, "SpinEdit2")->setValue(4);
            Click(dlg, "OKButton");
        });
        EXPECT_TRUE(InsertDelete(t.ctx, c.kind));
        EXPECT_TRUE(SameDraft(d, *expected));
        d = *before;
    }
}

TEST_F(StructureDialogsTest, NumberDialogsShareTheRememberedNumbersAndSwitchTakesOneSnapshot) {
    Draft& d = t.draft();
    // Cancel stores nothing; OK stores both numbers.
    Drive([](QDialog& dlg) {
        EXPECT_EQ(dlg.windowTitle(), "Delete Pattern Shafts");
        Child<QSpinBox>(dlg, "SpinEdit1")->setValue(3);
        Click(dlg, "CancelButton");
    });
    EXPECT_FALSE(DelShafts1Click(t.ctx));
    EXPECT_EQ(t.ctx.Own<RememberedNumbers>().first, 1);
    Drive([](QDialog& dlg) {
        Child<QSpinBox>(dlg, "SpinEdit1")->setValue(2);
        Child<QSpinBox>(dlg, "SpinEdit2")->setValue(3);
        Click(dlg, "OKButton");
    });
    EXPECT_TRUE(DelShafts1Click(t.ctx));
    EXPECT_EQ(d.PatternShafts, 6);
    const auto afterDelete = std::make_unique<Draft>(d);

    // The switch dialog opens with them, exchanges at every press and keeps
    // the dialog open; Undo goes back to before the dialog, not the last press.
    t.steps().clear();
    Drive([&](QDialog& dlg) {
        EXPECT_EQ(dlg.windowTitle(), "Rearrange shafts");
        EXPECT_EQ(Child<QLabel>(dlg, "Label1")->text(), "Shaft:");
        EXPECT_EQ(Child<QSpinBox>(dlg, "SpinEdit1")->value(), 2);
        EXPECT_EQ(Child<QSpinBox>(dlg, "SpinEdit2")->value(), 3);
        EXPECT_EQ(Child<QSpinBox>(dlg, "SpinEdit2")->maximum(), 6);
        Click(dlg, "SwitchBtn");
        EXPECT_TRUE(dlg.isVisible());
        Child<QSpinBox>(dlg, "SpinEdit1")->setValue(1);
        Click(dlg, "SwitchBtn");
        Click(dlg, "CloseButton");
    });
    EXPECT_TRUE(SwitchShafts1Click(t.ctx));
    EXPECT_EQ(t.steps().count("MarkUndoAvailable"), 2);
    EXPECT_EQ(t.ctx.Own<RememberedNumbers>().first, 1);
    EXPECT_FALSE(SameDraft(d, *afterDelete));
    ASSERT_TRUE(t.undo.Undo(d));
    EXPECT_TRUE(SameDraft(d, *afterDelete));
}

TEST_F(StructureDialogsTest, DesignModeEndsGoThroughTheNumberPairWithoutAnUndoSnapshot) {
    Draft& d = t.draft();
    d.DesignMode = true;
    d.SetDesignCell(1, 4, true);
    t.undo.MarkChanged(); // an older snapshot that must not come back over this edit
    Drive([](QDialog& dlg) {
        EXPECT_STREQ(dlg.metaObject()->className(), "hm::TDlgNum2");
        EXPECT_EQ(Child<QLabel>(dlg, "Label2")->text(), "Number of Ends:");
        Child<QSpinBox>(dlg, "SpinEdit1")->setValue(2);
        Child<QSpinBox>(dlg, "SpinEdit2")->setValue(2);
        Click(dlg, "OKButton");
    });
    EXPECT_TRUE(InsertDeleteClick<InsertDeleteKind::InsertEnds>(t.ctx));
    EXPECT_TRUE(d.GetDesignCell(1, 6));
    EXPECT_TRUE(t.doc.Modified);
    EXPECT_FALSE(t.steps().contains("MarkUndoAvailable"));
    EXPECT_TRUE(t.steps().contains("DisableUndo"));
}

TEST_F(StructureDialogsTest, TieupSpecialBoxesExcludeEachOtherAndAreRememberedOnOk) {
    Drive([](QDialog& dlg) {
        Tick(dlg, "Twill1Box");
        EXPECT_TRUE(Child<QCheckBox>(dlg, "Twill1Box")->isChecked());
        Tick(dlg, "Twill2Box");
        EXPECT_FALSE(Child<QCheckBox>(dlg, "Twill1Box")->isChecked());
        Tick(dlg, "Twill1Box");
        EXPECT_FALSE(Child<QCheckBox>(dlg, "Twill2Box")->isChecked());
        Tick(dlg, "FlipHBox");
        Click(dlg, "CancelButton");
    });
    EXPECT_FALSE(TieUpSpecial1Click(t.ctx));
    EXPECT_FALSE(t.ctx.Own<TieupSpecialChoice>().Any()) << "Cancel stores nothing";

    Drive([](QDialog& dlg) {
        Tick(dlg, "RotateBox");
        Click(dlg, "OKButton");
    });
    t.draft().PatternTieup(1, 1) = 1;
    t.draft().PatternTieupOn = true;
    EXPECT_TRUE(TieUpSpecial1Click(t.ctx));
    EXPECT_TRUE(t.ctx.Own<TieupSpecialChoice>().rotate);
    Drive([](QDialog& dlg) {
        EXPECT_TRUE(Child<QCheckBox>(dlg, "RotateBox")->isChecked());
        Click(dlg, "CancelButton");
    });
    TieUpSpecial1Click(t.ctx);
}

TEST_F(StructureDialogsTest, WrapItemsFollowTheShaftOrderAndTrompGroupBNeedsBothPlans) {
    Draft& d = t.draft();
    d.ShaftOneAtBottom = false;
    d.TreadlingBOn = false;
    Drive([](QDialog& dlg) {
        EXPECT_EQ(Child<QRadioButton>(dlg, "RightButton")->text(), "Left");
        EXPECT_TRUE(Child<QRadioButton>(dlg, "RightButton")->isChecked());
        EXPECT_EQ(Child<QSpinBox>(dlg, "StepsSpin")->maximum(), 7);
        Click(dlg, "OKButton");
    });
    EXPECT_TRUE(WrapLiftplan1Click(t.ctx));
    EXPECT_TRUE(d.GetLiftplan(1, 2)) << "the first item shifts to higher shafts";

    Drive([](QDialog& dlg) {
        EXPECT_TRUE(Child<QRadioButton>(dlg, "KindButton1")->isChecked());
        EXPECT_FALSE(Child<QRadioButton>(dlg, "KindButton3")->isEnabled());
        EXPECT_FALSE(Child<QRadioButton>(dlg, "KindButton4")->isEnabled());
        EXPECT_TRUE(Child<QRadioButton>(dlg, "KindButton5")->isEnabled());
        Click(dlg, "CancelButton");
    });
    EXPECT_FALSE(Trompaswrit1Click(t.ctx));
}

TEST_F(StructureDialogsTest, RefusedDirectEditsLeaveUndoAndModifiedAlone) {
    Draft& d = t.draft();
    QStringList shown;
    t.ctx.SetAnswerer([&](const Message& m, const QString&) {
        shown << QString::fromStdString(m.text);
        return m.kind == MessageKind::ThreeWay ? BoxAnswer::Cancel : BoxAnswer::Yes;
    });
    d.ClearThreadingB(1);
    t.view.VisibleEnds = t.view.VisiblePicks = 10;
    EXPECT_FALSE(MakeSymmetrical(t.ctx, MirrorTarget::ThreadingB)); // nothing to mirror
    EXPECT_FALSE(MakeSymmetrical(t.ctx, MirrorTarget::Warp));       // threading fills the draft
    EXPECT_FALSE(Reducetoonerepeat1Click(t.ctx));                   // Cancel
    EXPECT_EQ(shown, (QStringList{"@globnopat", "@noroomthreading", "@idreduce"}));
    EXPECT_TRUE(t.steps().isEmpty());
    EXPECT_FALSE(t.doc.Modified);

    d.Ends = 20;
    EXPECT_TRUE(MakeSymmetrical(t.ctx, MirrorTarget::Warp));
    EXPECT_EQ(d.PatternThreading[11], d.PatternThreading[9]);
    EXPECT_EQ(t.steps(), (QStringList{"RepaintDraft", "MarkModified", "MarkUndoAvailable"}));
}

} // namespace
} // namespace hm::test
