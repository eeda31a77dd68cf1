// Insert and Delete at the mouse position: which end or pick the point names,
// what moves, and the question asked before a delete.

#include <gtest/gtest.h>
#include <memory>

#include "tools/mouseedit.h"

namespace hm {
namespace {

class MouseEditTest : public ::testing::Test {
  protected:
    std::unique_ptr<Draft> owned = std::make_unique<Draft>();
    Draft& d = *owned;
    DraftLayout Layout() {
        ViewGeometry g;
        g.clientW = 800;
        g.clientH = 600;
        return DraftLayout(d, g);
    }
    // Centre of cell (u, v).
    static int X(const DraftLayout& l, int u) { return l.CellX(u) + l.cellW / 2; }
    static int Y(const DraftLayout& l, int v) { return l.CellY(v) + l.cellH / 2; }
};

TEST_F(MouseEditTest, TheWarpColourRowOfAScrolledViewNamesTheEndUnderTheMouse) {
    d.Zoom = 7;
    d.FirstEnd = 100;
    d.ThreadingFromRight = false;
    const DraftLayout l = Layout();
    const PointEditTarget t = PointEditAt(l, d, X(l, l.EndColumn(12)), Y(l, l.warpBar.v));
    EXPECT_EQ(t.kind, PointEditKind::WarpColor);
    EXPECT_EQ(t.number, 112);
    const Message m = DeleteQuestion(t);
    EXPECT_EQ(m.kind, MessageKind::Question);
    EXPECT_EQ(m.text, "@delwarpcol");
    EXPECT_EQ(m.suffix, " 112");

    for (int e = 1; e <= 200; ++e) {
        d.WarpColors[e] = static_cast<uint8_t>(e);
        d.PatternThreading[e] = 3;
    }
    DeleteAtTarget(d, t);
    EXPECT_EQ(d.WarpColors[112], 113);
    EXPECT_EQ(d.WarpColors[111], 111);
    EXPECT_EQ(d.PatternThreading[200], 3); // only the colour moved
}

TEST_F(MouseEditTest, PatternThreadingAndLiftplanMoveWholeEndsAndPicks) {
    d.Zoom = 7;
    const DraftLayout l = Layout();
    d.PatternThreading[4] = 2;
    d.ThreadingA[4] = 1;
    d.WarpColors[4] = 9;
    const PointEditTarget end =
        PointEditAt(l, d, X(l, l.EndColumn(4)), Y(l, l.patternThreading.v + 1));
    ASSERT_EQ(end.kind, PointEditKind::End);
    InsertAtTarget(d, end);
    EXPECT_EQ(d.PatternThreading[4], 0);
    EXPECT_EQ(d.PatternThreading[5], 2);
    EXPECT_EQ(d.ThreadingA[5], 1);
    EXPECT_EQ(d.WarpColors[4], 9); // the inserted end takes the old colour
    EXPECT_EQ(DeleteQuestion(end).text, "@delend");

    d.SetLiftplan(6, 2, true);
    d.TreadlingA[6] = 3;
    const PointEditTarget pick = PointEditAt(l, d, X(l, l.liftplan.u), Y(l, l.PickRow(6)));
    ASSERT_EQ(pick.kind, PointEditKind::Pick);
    EXPECT_EQ(pick.number, 6);
    DeleteAtTarget(d, pick);
    EXPECT_FALSE(d.GetLiftplan(6, 2));
    EXPECT_EQ(d.TreadlingA[6], 0);
    EXPECT_EQ(DeleteQuestion(pick).text, "@delpick");
    // Threading A and the drawdown are not places for these keys.
    EXPECT_EQ(PointEditAt(l, d, X(l, l.EndColumn(4)), Y(l, l.threadingA.v)).kind,
              PointEditKind::None);
    EXPECT_EQ(PointEditAt(l, d, X(l, l.EndColumn(4)), Y(l, l.PickRow(3))).kind,
              PointEditKind::None);
}

TEST_F(MouseEditTest, DesignModeOnlyTheColourBarsCountAndEndsBeyondTheDraftAreIgnored) {
    d.DesignMode = true;
    d.Zoom = 7;
    d.Ends = 5;
    const DraftLayout l = Layout();
    const PointEditTarget weft = PointEditAt(l, d, X(l, l.weftBar.u), Y(l, l.PickRow(2)));
    EXPECT_EQ(weft.kind, PointEditKind::WeftColor);
    EXPECT_EQ(DeleteQuestion(weft).text, "@delweftcol");
    EXPECT_EQ(PointEditAt(l, d, X(l, l.EndColumn(3)), Y(l, l.warpBar.v)).kind,
              PointEditKind::WarpColor);
    EXPECT_EQ(PointEditAt(l, d, X(l, l.EndColumn(6)), Y(l, l.warpBar.v)).kind, PointEditKind::None);
}

} // namespace
} // namespace hm
