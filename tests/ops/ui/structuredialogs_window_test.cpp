// The structure dialogs inside the main window: the menu items run them over
// the real draft view, the selection and the Undo item.

#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "tools/ui/mousetools.h"
#include "view/ui/draftview.h"
#include "window/mainwindow_fixture.h"

namespace hm::testing {
namespace {

class StructureWindowTest : public MainWindowTest {
  protected:
    DraftView* View() { return window_->draftView(); }
    const DraftLayout& L() { return View()->layout(); }
    QPoint Cell(int u, int v) {
        return {L().CellX(u) + L().cellW / 2, L().CellY(v) + L().cellH / 2};
    }
    // Drives the next dialog: `drive` sets it up and presses its buttons.
    void Drive(std::function<void(QDialog&)> drive) {
        window_->context().SetDialogRunner([drive](QDialog& d) {
            d.show();
            drive(d);
            return d.result();
        });
    }
    static void Click(QDialog& d, const char* name) {
        QTest::mouseClick(d.findChild<QPushButton*>(name), Qt::LeftButton);
    }
};

TEST_F(StructureWindowTest, InsertEndsPreviewedTwiceAndCancelledLeavesTheWindowAsItWas) {
    TWform& w = Make(true);
    Draft& d = w.draft();
    for (int e = 1; e <= 12; ++e) d.PatternThreading[e] = static_cast<uint8_t>(e % 8 + 1);
    w.Update();
    // Undo of an earlier edit: the previews' repaints must not take it away.
    w.TakeUndoSnapshot();
    w.MarkUndoAvailable();
    const auto before = std::make_unique<Draft>(d);
    Drive([&](QDialog& dlg) {
        for (int from : {2, 6}) {
            dlg.findChild<QSpinBox*>("SpinEdit1")->setValue(from);
            Click(dlg, "PreviewBtn");
            EXPECT_EQ(d.PatternThreading[from], 0);
        }
        Click(dlg, "CancelButton");
    });
    w.Action("InsEnds1")->trigger();
    EXPECT_EQ(0, std::memcmp(d.PatternThreading.data(), before->PatternThreading.data(),
                             sizeof(d.PatternThreading)));
    EXPECT_FALSE(w.doc().Modified);
    EXPECT_TRUE(Enabled("EditUndoItem"));
}

TEST_F(StructureWindowTest, WrapLiftplanMovesOnlyTheSelectionOfAScrolledLiftplan) {
    TWform& w = Make(true);
    Draft& d = w.draft();
    for (int p = 1; p <= 12; ++p) d.SetLiftplan(p, 2, true);
    d.FirstPick = 5;
    w.Update();
    // Shafts 2..4 of visible rows 1..3, which are picks 6..8.
    w.Action("SelectSpeedButton")->trigger();
    const QPoint from = Cell(L().TreadleColumn(ViewArea::Liftplan, 2), L().PickRow(1));
    const QPoint to = Cell(L().TreadleColumn(ViewArea::Liftplan, 4), L().PickRow(3));
    QTest::mousePress(View(), Qt::LeftButton, {}, from);
    QTest::mouseMove(View(), to);
    QTest::mouseRelease(View(), Qt::LeftButton, {}, to);
    ASSERT_TRUE(w.HasSelection());
    Drive([](QDialog& dlg) {
        EXPECT_EQ(dlg.findChild<QSpinBox*>("StepsSpin")->maximum(), 2) << "within the selection";
        dlg.findChild<QSpinBox*>("StepsSpin")->setValue(2);
        Click(dlg, "PreviewBtn");
        Click(dlg, "OKButton");
    });
    w.Action("WrapLiftplan1")->trigger();
    for (int p = 1; p <= 12; ++p) {
        const bool moved = p >= 6 && p <= 8;
        EXPECT_EQ(d.GetLiftplan(p, 2), !moved) << p;
        EXPECT_EQ(d.GetLiftplan(p, 4), moved) << p;
    }
    EXPECT_TRUE(w.HasSelection()) << "the frame stays";
    EXPECT_TRUE(w.doc().Modified);
    EXPECT_TRUE(Enabled("EditUndoItem"));
    w.Action("EditUndoItem")->trigger();
    EXPECT_TRUE(d.GetLiftplan(7, 2));
}

} // namespace
} // namespace hm::testing
