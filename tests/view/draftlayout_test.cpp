// Geometry of the draft view: fitting, visible counts, area positions, the cell
// mapping both ways and the hit tests.
#include <gtest/gtest.h>

#include "sampledraft.h"
#include "view/draftlayout.h"

namespace hm {
namespace {

ViewGeometry Geo(int w, int h) {
    ViewGeometry g;
    g.originX = 0;
    g.originY = 7;
    g.clientW = w;
    g.clientH = h;
    return g;
}

std::unique_ptr<Draft> ExampleDraft() {
    auto d = std::make_unique<Draft>();
    d->Zoom = 7;
    d->PatternShafts = d->LiftplanWidth = 8;
    d->ShaftsA = 4;
    d->ShaftsB = 2;
    d->TreadlesA = 4;
    d->TreadlesB = 2;
    return d;
}

TEST(DraftLayout, ExampleWindowAtZoomSeven) {
    auto d = ExampleDraft();
    const LayoutResult r = Layout(*d, Geo(800, 600));
    const DraftLayout& l = r.layout;
    EXPECT_FALSE(r.zoomLowered);
    EXPECT_EQ(d->Zoom, 7);
    EXPECT_EQ(l.cellW, 8);
    EXPECT_EQ(l.innerW, 7);
    EXPECT_EQ(l.colsFit, 100);
    EXPECT_EQ(l.rowsFit, 75);
    EXPECT_EQ(l.visibleEnds, 81);
    EXPECT_EQ(l.visiblePicks, 56);
    // Rows: warp bar, gap, 8 pattern rows, gap, 4 A rows, gap, 2 B rows, gap.
    EXPECT_EQ(l.warpBar.v, 0);
    EXPECT_EQ(l.patternThreading.v, 2);
    EXPECT_EQ(l.threadingA.v, 11);
    EXPECT_EQ(l.threadingB.v, 16);
    EXPECT_EQ(l.drawdown.v, 19);
    EXPECT_EQ(l.drawdown.v + l.visiblePicks, l.rowsFit);
    // Columns: drawdown, gap, treadling B, gap, treadling A, gap, liftplan, gap, weft bar.
    EXPECT_EQ(l.treadlingB.u, 82);
    EXPECT_EQ(l.treadlingA.u, 85);
    EXPECT_EQ(l.liftplan.u, 90);
    EXPECT_EQ(l.weftBar.u, 99);
    EXPECT_EQ(l.weftBar.u + 1, l.colsFit);
    // Tie-ups cross threading rows and treadling columns.
    EXPECT_EQ(l.tieupAB.u, 82);
    EXPECT_EQ(l.tieupAB.v, 11);
    EXPECT_EQ(l.tieupBA.u, 85);
    EXPECT_EQ(l.tieupBA.v, 16);
    EXPECT_TRUE(l.tieupBB.shown);
    // Hit rectangles in pixels.
    EXPECT_EQ(l.HitRect(ViewArea::Drawdown), (PixelRect{0, 7 + 19 * 8, 81 * 8, 56 * 8}));
    EXPECT_EQ(l.HitRect(ViewArea::ThreadingA), (PixelRect{0, 7 + 11 * 8, 81 * 8, 4 * 8}));
    EXPECT_EQ(l.HitRect(ViewArea::Liftplan), (PixelRect{90 * 8, 7 + 19 * 8, 8 * 8, 56 * 8}));
    EXPECT_EQ(l.HitRect(ViewArea::WeftColors), (PixelRect{99 * 8, 7 + 19 * 8, 8, 56 * 8}));
}

TEST(DraftLayout, GroupsSwitchedOffAndThreadingHidden) {
    auto d = ExampleDraft();
    d->ThreadingBOn = false;
    d->TreadlingBOn = false;
    d->PatternThreadingOn = false;
    DraftLayout l = Layout(*d, Geo(800, 600)).layout;
    EXPECT_EQ(l.visibleEnds, 100 - 2 - 5);
    EXPECT_EQ(l.visiblePicks, 75 - 4 - 3);
    EXPECT_FALSE(l.patternThreading.shown);
    EXPECT_FALSE(l.liftplan.shown);
    EXPECT_FALSE(l.tieupAB.shown || l.tieupBA.shown || l.tieupBB.shown);
    EXPECT_EQ(l.treadlingA.u, l.visibleEnds + 1);
    EXPECT_EQ(l.weftBar.u, l.treadlingA.u + 5);

    d->ShowThreading = false;
    l = Layout(*d, Geo(800, 600)).layout;
    EXPECT_EQ(l.drawdown.v, 0);
    EXPECT_EQ(l.visiblePicks, 75);
    EXPECT_FALSE(l.warpBar.shown || l.threadingA.shown || l.tieupAA.shown);
    EXPECT_TRUE(l.treadlingA.shown && l.weftBar.shown);
    EXPECT_FALSE(l.AreaContains(ViewArea::WarpColors, 10, 10));
    EXPECT_FALSE(l.AreaContains(ViewArea::TieupAA, l.CellX(l.treadlingA.u) + 3, 10));

    // Pattern threading switched on but not shown: the liftplan stays.
    d->ShowThreading = true;
    d->PatternThreadingOn = true;
    d->ShowPatternThreading = false;
    l = Layout(*d, Geo(800, 600)).layout;
    EXPECT_FALSE(l.patternThreading.shown);
    EXPECT_TRUE(l.liftplan.shown);
    EXPECT_EQ(l.threadingA.v, 2);
}

TEST(DraftLayout, DesignModeLayout) {
    auto d = ExampleDraft();
    d->DesignMode = true;
    d->Zoom = 20;
    const LayoutResult r = Layout(*d, Geo(200, 100));
    EXPECT_EQ(d->Zoom, 20) << "no zoom fitting in Design mode";
    EXPECT_FALSE(r.zoomLowered);
    const DraftLayout& l = r.layout;
    EXPECT_EQ(l.visibleEnds, 200 / 21 - 2);
    EXPECT_EQ(l.visiblePicks, 100 / 21 - 2);
    EXPECT_EQ(l.drawdown.v, 2);
    EXPECT_EQ(l.weftBar.u, l.visibleEnds + 1);
    EXPECT_FALSE(l.AreaContains(ViewArea::ThreadingA, 5, 5));
    EXPECT_FALSE(l.AreaContains(ViewArea::Liftplan, 5, 5));
    // The picture responds to the tools in Design mode.
    const PixelRect dd = l.HitRect(ViewArea::Drawdown);
    EXPECT_EQ(l.AreaAt(dd.x + 3, dd.y + 3), ViewArea::Drawdown);
    EXPECT_EQ(l.AreaAt(l.CellX(0) + 3, l.CellY(0) + 3), ViewArea::WarpColors);
}

TEST(DraftLayout, ZoomFittingLowersButNeverRaises) {
    auto d = ExampleDraft();
    d->Zoom = 10;
    d->ShaftsA = 32;
    // Rows needed: 32 + 9 + 3 = 44; 300 div (z + 1) - 5 >= 44 holds up to z = 5.
    LayoutResult r = Layout(*d, Geo(2000, 300));
    EXPECT_TRUE(r.zoomLowered);
    EXPECT_EQ(d->Zoom, 5);
    EXPECT_EQ(LargestFittingZoom(*d, 2000, 300), 5);
    r = Layout(*d, Geo(2000, 2000));
    EXPECT_FALSE(r.zoomLowered);
    EXPECT_EQ(d->Zoom, 5);
    EXPECT_EQ(LargestFittingZoom(*d, 2000, 2000), 20);

    // Without the threading shown only the width counts.
    d->Zoom = 10;
    d->ShowThreading = false;
    EXPECT_FALSE(Layout(*d, Geo(2000, 300)).zoomLowered);
    // Columns needed 4 + 9 + 3 = 16: 200 div (z + 1) - 5 >= 16 up to z = 8.
    EXPECT_EQ(FitZoomFrom(*d, 200, 300, 10), 8);
    // Nothing fits: zoom 1.
    EXPECT_EQ(FitZoomFrom(*d, 10, 10, 10), 1);
}

TEST(DraftLayout, DegenerateSizesAndValuesStaySafe) {
    auto d = ExampleDraft();
    d->Zoom = 55;
    DraftLayout l = Layout(*d, Geo(30, 20)).layout;
    EXPECT_GE(d->Zoom, 1);
    EXPECT_LE(d->Zoom, 20);
    EXPECT_EQ(l.visibleEnds, 0);
    EXPECT_EQ(l.visiblePicks, 0);
    d->Zoom = 0;
    l = Layout(*d, Geo(-5, -5)).layout;
    EXPECT_EQ(d->Zoom, 1);
    EXPECT_EQ(l.colsFit, 0);
}

TEST(DraftLayout, ScrollOffsetsAreClamped) {
    auto d = ExampleDraft();
    d->Ends = 100;
    d->Picks = 60;
    d->FirstEnd = 90;
    d->FirstPick = 50;
    DraftLayout l = Layout(*d, Geo(800, 600)).layout;
    EXPECT_EQ(d->FirstEnd, 100 - 81);
    EXPECT_EQ(d->FirstPick, 60 - 56);
    EXPECT_EQ(l.firstEnd, d->FirstEnd);
    d->Ends = 50;
    d->Picks = 10;
    Layout(*d, Geo(800, 600));
    EXPECT_EQ(d->FirstEnd, 0);
    EXPECT_EQ(d->FirstPick, 0);
}

TEST(DraftLayout, EndsFollowThreadingFromRight) {
    auto d = ExampleDraft();
    d->FirstEnd = 0;
    d->ThreadingFromRight = true;
    DraftLayout l = Layout(*d, Geo(800, 600)).layout;
    EXPECT_EQ(l.EndColumn(1), l.visibleEnds - 1) << "end FirstEnd + 1 is the rightmost column";
    EXPECT_EQ(l.EndAt(l.CellX(l.visibleEnds - 1) + 2), 1);
    d->ThreadingFromRight = false;
    l = Layout(*d, Geo(800, 600)).layout;
    EXPECT_EQ(l.EndColumn(1), 0);
    EXPECT_EQ(l.EndAt(2), 1);
}

// Every cell maps to pixels and back in every combination of start positions.
TEST(DraftLayout, CellMappingRoundTripsInAllOrientations) {
    for (int combo = 0; combo < 8; ++combo) {
        auto d = ExampleDraft();
        d->ThreadingFromRight = combo & 1;
        d->LiftplanFromBottom = combo & 2;
        d->ShaftOneAtBottom = combo & 4;
        d->FirstEnd = 10;
        d->FirstPick = 20;
        d->Ends = d->Picks = 1000;
        const DraftLayout l = Layout(*d, Geo(800, 600)).layout;
        SCOPED_TRACE(combo);
        for (int i = 1; i <= l.visibleEnds; ++i) {
            const int x = l.CellX(l.EndColumn(i)) + l.cellW / 2;
            ASSERT_EQ(l.EndIndexAt(x), i);
            ASSERT_EQ(l.EndAt(x), i + 10);
        }
        for (int j = 1; j <= l.visiblePicks; ++j) {
            const int y = l.CellY(l.PickRow(j)) + 1;
            ASSERT_EQ(l.PickIndexAt(y), j);
            ASSERT_EQ(l.PickAt(y), j + 20);
        }
        for (ViewArea a :
             {ViewArea::PatternThreading, ViewArea::ThreadingA, ViewArea::ThreadingB,
              ViewArea::TieupAA, ViewArea::TieupAB, ViewArea::TieupBA, ViewArea::TieupBB}) {
            const int n = l.ShaftCount(a);
            for (int s = 1; s <= n; ++s) {
                const int v = l.ShaftRow(a, s);
                ASSERT_GE(v, l.Block(a).v);
                ASSERT_LT(v, l.Block(a).v + n);
                ASSERT_EQ(l.ShaftAt(a, l.CellY(v) + l.cellH - 1), s);
            }
            // Shaft 1 sits in the bottom row exactly when ShaftOneAtBottom.
            EXPECT_EQ(l.ShaftRow(a, 1) == l.Block(a).v + n - 1, d->ShaftOneAtBottom);
        }
        for (ViewArea a :
             {ViewArea::Liftplan, ViewArea::TreadlingA, ViewArea::TreadlingB, ViewArea::TieupAA,
              ViewArea::TieupAB, ViewArea::TieupBA, ViewArea::TieupBB}) {
            const int n = l.TreadleCount(a);
            for (int t = 1; t <= n; ++t) {
                const int u = l.TreadleColumn(a, t);
                ASSERT_GE(u, l.Block(a).u);
                ASSERT_LT(u, l.Block(a).u + n);
                ASSERT_EQ(l.TreadleAt(a, l.CellX(u) + 1), t);
            }
            EXPECT_EQ(l.TreadleColumn(a, 1) == l.Block(a).u, d->ShaftOneAtBottom);
        }
        // Pick 1 shown in the bottom drawdown row exactly when LiftplanFromBottom.
        EXPECT_EQ(l.PickRow(1) == l.drawdown.v + l.visiblePicks - 1, d->LiftplanFromBottom);
    }
}

TEST(DraftLayout, HitTestsAreStrictAndOrdered) {
    auto d = ExampleDraft();
    DraftLayout l = Layout(*d, Geo(800, 600)).layout;
    const PixelRect lp = l.HitRect(ViewArea::Liftplan);
    EXPECT_FALSE(l.AreaContains(ViewArea::Liftplan, lp.x, lp.y + 5)) << "left grid line";
    EXPECT_TRUE(l.AreaContains(ViewArea::Liftplan, lp.x + 1, lp.y + 5));
    EXPECT_FALSE(l.AreaContains(ViewArea::Liftplan, lp.right(), lp.y + 5));
    EXPECT_EQ(l.AreaAt(lp.x + 1, lp.y + 1), ViewArea::Liftplan);
    // Left of the view and above it map to nothing and to index 0, never negative.
    EXPECT_EQ(l.AreaAt(-3, -3), ViewArea::None);
    EXPECT_GE(l.EndIndexAt(-100), 0);
    EXPECT_GE(l.PickIndexAt(-100), 0);
    // The drawdown answers only on request in the Draft view.
    const PixelRect dd = l.HitRect(ViewArea::Drawdown);
    EXPECT_EQ(l.AreaAt(dd.x + 5, dd.y + 5), ViewArea::None);
    EXPECT_EQ(l.AreaAt(dd.x + 5, dd.y + 5, true), ViewArea::Drawdown);
    // Each tie-up at its crossing.
    for (ViewArea a :
         {ViewArea::TieupAA, ViewArea::TieupAB, ViewArea::TieupBA, ViewArea::TieupBB}) {
        const PixelRect r = l.HitRect(a);
        EXPECT_EQ(l.AreaAt(r.x + 1, r.y + 1), a);
    }
    // Switched-off groups do not answer.
    d->TreadlingBOn = false;
    l = Layout(*d, Geo(800, 600)).layout;
    EXPECT_TRUE(l.HitRect(ViewArea::TreadlingB).empty());
    EXPECT_FALSE(l.AreaContains(ViewArea::TieupAB, 700, 100));
}

TEST(DraftLayout, LiftplanWidthOrientsMarksWhilePatternShaftsPlaceAreas) {
    auto d = ExampleDraft();
    d->LiftplanWidth = 6;
    d->ShaftOneAtBottom = false;
    const DraftLayout l = Layout(*d, Geo(800, 600)).layout;
    EXPECT_EQ(l.visibleEnds, 81);
    EXPECT_EQ(l.weftBar.u, l.liftplan.u + 8 + 1);
    EXPECT_EQ(l.TreadleColumn(ViewArea::Liftplan, 1), l.liftplan.u + 5);
}

} // namespace
} // namespace hm
