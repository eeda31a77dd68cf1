// Fill and Repeat inside the main window: the Fill menu's rules and one
// generator item end to end, a selection that sets the Repeat dialog's range and
// target, the two wrappers of the menu item and the tool bar button, and the
// commands that check "Fill Pattern" again.

#include <QCheckBox>
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "../../window/mainwindow_fixture.h"
#include "ops/repeatdialogrules.h"
#include "view/ui/draftview.h"
#include "view/ui/viewcommands.h"

namespace hm::testing {
namespace {

class RepeatWindowTest : public MainWindowTest {
  protected:
    const DraftLayout& L() { return window_->draftView()->layout(); }
    QPoint Cell(int u, int v) {
        return {L().CellX(u) + L().cellW / 2, L().CellY(v) + L().cellH / 2};
    }
    QPoint LiftplanCell(int column, int pick) {
        return Cell(L().TreadleColumn(ViewArea::Liftplan, column), L().PickRow(pick));
    }
    // Answers the next dialog with `press` after `look` has seen it.
    void Answer(const char* press, std::function<void(QDialog&)> look = {}) {
        window_->context().SetDialogRunner([press, look](QDialog& dialog) {
            dialog.show();
            if (look) look(dialog);
            QTest::mouseClick(dialog.findChild<QPushButton*>(press), Qt::LeftButton);
            dialog.hide();
            return dialog.result();
        });
    }
};

TEST_F(RepeatWindowTest, FillSubmenusCloseInDesignAndAnItemLeavesUndoUntilAScroll) {
    TWform& w = Make(true);
    Draft& d = w.draft();
    const char* const submenus[] = {"ThreadingLib", "ThreadinglibA1", "TreadlingLib",
                                    "TieupLib",     "ThreadinglibB1", "Treadlinglibb1",
                                    "TieuplibBB1",  "TieuplibAB1",    "TieuplibBA1"};
    for (const char* m : submenus) EXPECT_TRUE(Enabled(m)) << m;
    d.DesignMode = true;
    w.UpdateMenuState();
    for (const char* m : submenus) EXPECT_FALSE(Enabled(m)) << m;
    d.DesignMode = false;
    w.UpdateMenuState();

    // Captions copied from the first submenu's items.
    EXPECT_EQ(w.Action("Rosepath4")->text(), w.Action("Rosepath1")->text());
    w.Action("Rosepath3")->trigger();
    EXPECT_EQ(d.ThreadingA[8], d.ShaftsA);
    EXPECT_EQ(d.WarpRepeat, 2 * d.ShaftsA);
    EXPECT_TRUE(w.doc().Modified);
    EXPECT_TRUE(Enabled("EditUndoItem"));
    w.HorizontalScrollEnded();
    EXPECT_FALSE(Enabled("EditUndoItem"));
}

TEST_F(RepeatWindowTest, ALiftplanSelectionSetsRangeAndTargetAndLimitsTheColumns) {
    TWform& w = Make(true);
    Draft& d = w.draft();
    d.Picks = 10;
    w.Update();
    for (int c : {1, 2, 3}) d.SetLiftplan(1, c, true);
    for (int c : {3, 4}) d.SetLiftplan(2, c, true);
    w.Action("SelectSpeedButton")->trigger();
    QTest::mousePress(w.draftView(), Qt::LeftButton, {}, LiftplanCell(2, 1));
    QTest::mouseMove(w.draftView(), LiftplanCell(3, 2));
    QTest::mouseRelease(w.draftView(), Qt::LeftButton, {}, LiftplanCell(3, 2));
    ASSERT_TRUE(w.HasSelection());

    Answer("OKButton", [](QDialog& dialog) {
        auto* fill = dialog.findChild<QCheckBox*>("Fillpatbox");
        EXPECT_FALSE(fill->isEnabled());
        EXPECT_FALSE(fill->isChecked());
        EXPECT_EQ(dialog.findChild<QSpinBox*>("StartSpin")->value(), 1);
        EXPECT_EQ(dialog.findChild<QSpinBox*>("EndSpin")->value(), 2);
        EXPECT_TRUE(dialog.findChild<QRadioButton*>("RadioButton2")->isChecked());
    });
    w.Action("Rep1")->trigger();
    for (int pick : {3, 5, 7, 9}) {
        EXPECT_FALSE(d.GetLiftplan(pick, 1)) << pick; // outside the selected columns
        EXPECT_TRUE(d.GetLiftplan(pick, 2)) << pick;
        EXPECT_TRUE(d.GetLiftplan(pick, 3)) << pick;
    }
    EXPECT_FALSE(d.GetLiftplan(4, 4));
    EXPECT_TRUE(d.GetLiftplan(4, 3));
    EXPECT_EQ(d.WeftRepeat, 2);
    EXPECT_TRUE(Enabled("EditUndoItem"));
    w.Action("EditUndoItem")->trigger();
    EXPECT_FALSE(d.GetLiftplan(3, 2));
}

TEST_F(RepeatWindowTest, TheMenuItemLeavesUndoAfterCancelTheToolBarButtonDoesNot) {
    TWform& w = Make(true);
    EXPECT_TRUE(Enabled("Rep1"));
    EXPECT_TRUE(Enabled("RepSpeedButton"));
    w.Action("Straight3")->trigger();
    ASSERT_TRUE(Enabled("EditUndoItem"));
    // Cancel repaints, which disables Undo; only the menu item enables it again.
    Answer("CancelButton");
    w.Action("RepSpeedButton")->trigger();
    EXPECT_FALSE(Enabled("EditUndoItem"));
    w.Action("Rep1")->trigger();
    EXPECT_TRUE(Enabled("EditUndoItem"));
    w.view().FabricView = true;
    w.UpdateMenuState();
    EXPECT_FALSE(Enabled("Rep1"));
    EXPECT_FALSE(Enabled("RepSpeedButton"));
}

TEST_F(RepeatWindowTest, NewAndTheSwitchToDesignCheckFillPatternAgain) {
    TWform& w = Make(true);
    RepeatDialogValues& values = w.context().Own<RepeatDialogValues>();
    values.fillPattern = false;
    w.ResetFillPattern();
    EXPECT_TRUE(values.fillPattern);
    values.fillPattern = false;
    SwitchToDesign(w.context());
    ASSERT_TRUE(w.draft().DesignMode);
    EXPECT_TRUE(values.fillPattern);
}

} // namespace
} // namespace hm::testing
