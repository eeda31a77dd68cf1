// The selection tool: kinds, extent, the size in the status line, the highlight
// and outline, and the right click that leaves for the line tool.

#include "tools_fixture.h"

namespace hm::testing {
namespace {

using A = ViewArea;

TEST_F(ToolsTest, AThreadingSelectionCoversAllShaftsBetweenItsEnds) {
    d.Zoom = 10;
    Make();
    selectionTool = true;
    d.ThreadingA[4] = 2;
    view->Update();
    Press(EndShaft(A::ThreadingA, 3, 1));
    Move(EndShaft(A::ThreadingA, 5, 2));
    Move(EndShaft(A::ThreadingA, 7, 4));
    EXPECT_EQ(sizeText, "  5");
    Release(EndShaft(A::ThreadingA, 7, 4));
    ASSERT_TRUE(tools->HasSelection());
    const SelectionRange r = tools->SelectionRect();
    EXPECT_EQ(r.area, A::ThreadingA);
    EXPECT_EQ(r.colFrom, 3);
    EXPECT_EQ(r.colTo, 7);
    EXPECT_EQ(r.rowFrom, 1);
    EXPECT_EQ(r.rowTo, d.ShaftsA);
    // No stroke: the draft and undo are untouched.
    EXPECT_EQ(snapshots, 0);
    EXPECT_EQ(d.ThreadingA[3], 0);
    // The highlight: marked cells dark grey, empty ones light grey, outline shown.
    ToolOverlay* o = tools->overlay();
    ASSERT_TRUE(o->SelectionShown());
    EXPECT_EQ(o->SelectionCells().size(), static_cast<size_t>(5 * d.ShaftsA));
    int dark = 0;
    for (const auto& c : o->SelectionCells()) dark += c.colour == SelectionMarkedRgb;
    EXPECT_EQ(dark, 1);
    EXPECT_TRUE(o->OutlineShown());
    const QImage shot = view->grab().toImage();
    const QPoint marked = EndShaft(A::ThreadingA, 4, 2);
    EXPECT_EQ(shot.pixel(marked) & 0xFFFFFF, SelectionMarkedRgb & 0xFFFFFF);
    EXPECT_EQ(shot.pixel(EndShaft(A::ThreadingA, 4, 1)) & 0xFFFFFF, SelectionEmptyRgb & 0xFFFFFF);
    // The draft picture itself is unchanged.
    EXPECT_EQ(Pixel(marked), Mark());
    tools->DropSelection();
    EXPECT_FALSE(tools->HasSelection());
    EXPECT_FALSE(o->SelectionShown());
}

TEST_F(ToolsTest, SelectionKindsAndTheirSizes) {
    Make();
    selectionTool = true;
    Stroke({TreadlePick(A::Liftplan, 2, 3), TreadlePick(A::Liftplan, 5, 8)});
    EXPECT_EQ(sizeText, "  4 x 6");
    SelectionRange r = tools->SelectionRect();
    EXPECT_EQ(r.area, A::Liftplan);
    EXPECT_EQ(r.colFrom, 2);
    EXPECT_EQ(r.colTo, 5);
    EXPECT_EQ(r.rowFrom, 3);
    EXPECT_EQ(r.rowTo, 8);
    // The liftplan selection ignores moves over other areas.
    Stroke({TreadlePick(A::Liftplan, 1, 1), TreadlePick(A::TreadlingA, 1, 9)});
    EXPECT_EQ(tools->SelectionRect().rowTo, 1);

    Stroke({TreadlePick(A::TreadlingB, 1, 4), TreadlePick(A::TreadlingA, 2, 9)});
    r = tools->SelectionRect();
    EXPECT_EQ(r.area, A::TreadlingB);
    EXPECT_EQ(r.colFrom, 1);
    EXPECT_EQ(r.colTo, d.TreadlesB);
    EXPECT_EQ(r.rowFrom, 4);
    EXPECT_EQ(r.rowTo, 9);
    EXPECT_EQ(sizeText, "  6");

    Stroke({WarpBar(10), WarpBar(2)});
    r = tools->SelectionRect();
    EXPECT_EQ(r.area, A::WarpColors);
    EXPECT_EQ(r.colFrom, 2);
    EXPECT_EQ(r.colTo, 10);
    EXPECT_EQ(r.rowFrom, 1);
    EXPECT_EQ(r.rowTo, 1);
    EXPECT_EQ(sizeText, "  9");

    Stroke({WeftBar(3), WeftBar(4)});
    EXPECT_EQ(tools->SelectionRect().area, A::WeftColors);
    EXPECT_EQ(sizeText, "  2");
    // Tie-ups and the Draft view's drawdown are not selectable; a press there
    // removes the old selection.
    Stroke({Tieup(A::TieupAA, 1, 1), Tieup(A::TieupAA, 2, 2)});
    EXPECT_FALSE(tools->HasSelection());
    Stroke({Drawdown(2, 2), Drawdown(4, 4)});
    EXPECT_FALSE(tools->HasSelection());
}

TEST_F(ToolsTest, TheOutlineNeedsZoom7ExceptForColourAndDesignSelections) {
    d.Zoom = 5;
    Make();
    selectionTool = true;
    Stroke({TreadlePick(A::Liftplan, 1, 1), TreadlePick(A::Liftplan, 2, 2)});
    EXPECT_FALSE(tools->overlay()->OutlineShown());
    Stroke({WarpBar(1), WarpBar(3)});
    EXPECT_TRUE(tools->overlay()->OutlineShown());
}

TEST_F(ToolsTest, DesignSelectionWithoutGridHasAnInvertedOutline) {
    d.DesignMode = true;
    d.Zoom = 7;
    Make();
    view->setDesignGridStyle(false);
    view->Update();
    selectionTool = true;
    d.SetDesignCell(3, 3, true);
    Stroke({Drawdown(2, 2), Drawdown(5, 4)});
    EXPECT_EQ(sizeText, "  4 x 3");
    const SelectionRange r = tools->SelectionRect();
    EXPECT_EQ(r.area, A::Drawdown);
    ToolOverlay* o = tools->overlay();
    ASSERT_TRUE(o->OutlineShown());
    // A dot of the outline shows the inverse of the picture under it.
    const PixelRect out = o->SelectionOutline();
    const QImage shot = view->grab().toImage();
    int inverted = 0;
    for (int x = out.x; x <= out.right(); ++x) {
        const QRgb under = view->image().pixel(x, out.y) & 0xFFFFFF;
        inverted += (shot.pixel(x, out.y) & 0xFFFFFF) == (under ^ 0xFFFFFF);
    }
    EXPECT_GE(inverted, out.w / 2 - 1);
}

TEST_F(ToolsTest, RightClickInTheSelectionToolSwitchesToTheLine) {
    Make();
    selectionTool = true;
    Stroke({WarpBar(1), WarpBar(3)});
    ASSERT_TRUE(tools->HasSelection());
    Stroke({TreadlePick(A::Liftplan, 1, 1)}, Qt::RightButton);
    EXPECT_TRUE(toLine);
    EXPECT_TRUE(lineOn);
    EXPECT_FALSE(tools->HasSelection());
    EXPECT_FALSE(d.GetLiftplan(1, 1));
}

} // namespace
} // namespace hm::testing
