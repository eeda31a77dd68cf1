// The tools inside the main window: strokes mark the draft modified and enable
// Undo, keys wait while a button is held, Insert and Delete at the mouse, the
// selection's status text, and the Keyboard Input items.

#include <QLabel>
#include <QTimer>

#include "../../window/mainwindow_fixture.h"
#include "files/recoverystore.h"
#include "files/ui/filecommands.h"
#include "tools/ui/keyboardinput.h"
#include "tools/ui/mousetools.h"
#include "tools/ui/toolcommands.h"
#include "view/ui/draftview.h"
#include "view/ui/viewcommands.h"
#include "window/statusline.h"

namespace hm::testing {
namespace {

class MainWindowToolsTest : public MainWindowTest {
  protected:
    DraftView* View() { return window_->draftView(); }
    const DraftLayout& L() { return View()->layout(); }
    QPoint Cell(int u, int v) {
        return {L().CellX(u) + L().cellW / 2, L().CellY(v) + L().cellH / 2};
    }
    QString Panel(int i) { return window_->statusLine()->PanelText(i); }
};

TEST_F(MainWindowToolsTest, AStrokeMarksTheDraftModifiedAndEnablesUndo) {
    TWform& w = Make(true);
    w.view().LineOn = false;
    w.ResetTool();
    const QPoint p = Cell(L().TreadleColumn(ViewArea::Liftplan, 2), L().PickRow(3));
    QTest::mousePress(View(), Qt::LeftButton, {}, p);
    EXPECT_TRUE(w.view().MouseButtonDown);
    // Tool keys wait while the button is held.
    QTest::keyClick(&w, Qt::Key_L);
    EXPECT_FALSE(w.view().LineOn);
    QTest::mouseRelease(View(), Qt::LeftButton, {}, p);
    EXPECT_FALSE(w.view().MouseButtonDown);
    EXPECT_TRUE(w.draft().GetLiftplan(3, 2));
    EXPECT_TRUE(w.doc().Modified);
    EXPECT_TRUE(Enabled("EditUndoItem"));
    // The status line names the cell under the mouse.
    QTest::mouseMove(View(), p);
    EXPECT_EQ(Panel(3), "Pick: 3");
    EXPECT_EQ(Panel(4), "Shaft: 2");
    w.Action("EditUndoItem")->trigger();
    EXPECT_FALSE(w.draft().GetLiftplan(3, 2));
}

TEST_F(MainWindowToolsTest, SelectionSizeShowsInPanelZeroAndResetToolEndsIt) {
    TWform& w = Make(true);
    w.Action("SelectSpeedButton")->trigger();
    ASSERT_TRUE(w.view().SelectionTool);
    const int v = L().ShaftRow(ViewArea::ThreadingA, 1);
    QTest::mousePress(View(), Qt::LeftButton, {}, Cell(L().EndColumn(3), v));
    QTest::mouseMove(View(), Cell(L().EndColumn(7), v));
    QTest::mouseRelease(View(), Qt::LeftButton, {}, Cell(L().EndColumn(7), v));
    EXPECT_EQ(Panel(0), "  5");
    EXPECT_TRUE(w.HasSelection());
    // A full repaint (here a zoom change) clears the drawing area and ends it.
    w.SetZoomSlider(w.draft().Zoom - 1);
    EXPECT_FALSE(w.HasSelection());
    QTest::mousePress(View(), Qt::LeftButton, {}, Cell(L().EndColumn(3), v));
    QTest::mouseRelease(View(), Qt::LeftButton, {}, Cell(L().EndColumn(3), v));
    ASSERT_TRUE(w.HasSelection());
    // A right click leaves for the line tool and drops the selection.
    QTest::mouseClick(View(), Qt::RightButton, {}, Cell(L().EndColumn(3), v));
    EXPECT_FALSE(w.view().SelectionTool);
    EXPECT_TRUE(w.view().LineOn);
    EXPECT_FALSE(w.HasSelection());
    EXPECT_TRUE(Checked("LineSpeedButton"));
}

TEST_F(MainWindowToolsTest, InsertAndDeleteKeysActOnTheEndOrPickUnderTheMouse) {
    TWform& w = Make(true);
    Draft& d = w.draft();
    for (int e = 1; e <= 20; ++e) d.PatternThreading[e] = static_cast<uint8_t>(e % 8 + 1);
    d.SetLiftplan(4, 1, true);
    w.Update();
    const Draft before = d;
    const QPoint pt = Cell(L().EndColumn(5), L().ShaftRow(ViewArea::PatternThreading, 1));
    QTest::mouseMove(View(), pt);
    QTest::keyClick(&w, Qt::Key_Insert);
    EXPECT_EQ(d.PatternThreading[5], 0);
    EXPECT_EQ(d.PatternThreading[6], before.PatternThreading[5]);
    EXPECT_TRUE(w.doc().Modified);
    EXPECT_TRUE(asked_.empty());
    // Delete asks first; No keeps the draft.
    answer_ = 2;
    w.Action("EditDelete")->trigger();
    ASSERT_EQ(asked_.size(), 1u);
    EXPECT_EQ(asked_[0], "@delend");
    EXPECT_EQ(d.PatternThreading[5], 0);
    answer_ = 1;
    w.Action("EditDelete")->trigger();
    EXPECT_EQ(d.PatternThreading[5], before.PatternThreading[5]);
    // Over the liftplan, in expert mode without a question.
    w.view().ExpertMode = true;
    QTest::mouseMove(View(), Cell(L().TreadleColumn(ViewArea::Liftplan, 1), L().PickRow(4)));
    w.Action("EditDelete")->trigger();
    EXPECT_EQ(asked_.size(), 2u);
    EXPECT_FALSE(d.GetLiftplan(4, 1));
}

TEST_F(MainWindowToolsTest, KeyboardInputItemsOpenTheWindowInTheirMode) {
    TWform& w = Make(true);
    ASSERT_TRUE(Enabled("KeyThreading"));
    ASSERT_TRUE(Enabled("KeyTieup"));
    ASSERT_TRUE(Enabled("Keyatr"));
    ASSERT_TRUE(Enabled("Keyasghovl"));
    ASSERT_TRUE(Enabled("KeyTreadling"));
    QString caption;
    w.fileCommands()->SetRecoveryTiming(60 * 60 * 1000, 20);
    QTimer::singleShot(0, [&] {
        auto* form = qobject_cast<TEdKeyForm*>(QApplication::activeModalWidget());
        ASSERT_NE(form, nullptr);
        caption = form->windowTitle();
        QTest::keyClick(form, Qt::Key_1);
        form->close();
    });
    w.Action("Keyasghovl")->trigger();
    EXPECT_EQ(caption, "Threading A");
    EXPECT_EQ(w.draft().ThreadingA[w.draft().FirstEnd + 1], 1);
    // The entries mark the draft modified, so closing asks before losing them,
    // and they reach the recovery copy.
    EXPECT_TRUE(w.doc().Modified);
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.fileCommands()->Recovery().HasCopy(); }, 3000));
    // The dialog's changes cannot be undone.
    EXPECT_FALSE(Enabled("EditUndoItem"));
    // In Design the items are off, and their shortcuts open nothing.
    SwitchToDesign(w.context());
    w.UpdateMenuState();
    EXPECT_FALSE(Enabled("KeyboardInput1"));
    OpenKeyboardInput(w.context(), 1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

} // namespace
} // namespace hm::testing
