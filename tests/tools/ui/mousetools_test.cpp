// The pen and the line over the real draft view: real mouse presses, moves and
// releases, every area kind, both buttons, Ctrl in a tie-up, the orientation
// options, and one undo step per stroke.

#include <set>

#include "tools_fixture.h"
#include "view/viewareas.h"

namespace hm::testing {
namespace {

using A = ViewArea;

TEST_F(ToolsTest, PenInTheThreadingsDrawsAPreviewAndWritesOnRelease) {
    Make();
    d.PatternThreading[2] = 7;
    view->Update();
    Press(EndShaft(A::PatternThreading, 1, 3));
    EXPECT_TRUE(held);
    Move(EndShaft(A::PatternThreading, 2, 4));
    Move(EndShaft(A::PatternThreading, 2, 5));
    // Only the screen has changed so far; the end's stored mark and the stroke's
    // earlier mark on the same end are gone from it.
    EXPECT_EQ(d.PatternThreading[1], 0);
    EXPECT_EQ(d.PatternThreading[2], 7);
    EXPECT_EQ(Pixel(EndShaft(A::PatternThreading, 2, 5)), Mark());
    EXPECT_EQ(Pixel(EndShaft(A::PatternThreading, 2, 4)), Background());
    EXPECT_EQ(Pixel(EndShaft(A::PatternThreading, 2, 7)), Background());
    Release(EndShaft(A::PatternThreading, 2, 5));
    EXPECT_FALSE(held);
    EXPECT_EQ(d.PatternThreading[1], 3);
    EXPECT_EQ(d.PatternThreading[2], 5);
    EXPECT_EQ(modified, 1);
    EXPECT_TRUE(undo.UndoAvailable);

    // Threading A with the right button clears what it touches.
    d.ThreadingA[4] = 2;
    d.ThreadingA[5] = 1;
    Stroke({EndShaft(A::ThreadingA, 4, 3), EndShaft(A::ThreadingA, 5, 3)}, Qt::RightButton);
    EXPECT_EQ(d.ThreadingA[4], 0);
    EXPECT_EQ(d.ThreadingA[5], 0);
    // Threading B with the left button.
    Stroke({EndShaft(A::ThreadingB, 6, 2)});
    EXPECT_EQ(d.ThreadingB[6], 2);
}

TEST_F(ToolsTest, RightButtonPenOverThePatternThreadingClearsTheTouchedEnds) {
    Make();
    for (int e = 1; e <= 5; ++e) d.PatternThreading[e] = static_cast<uint8_t>(e);
    view->Update();
    Stroke({EndShaft(A::PatternThreading, 2, 1), EndShaft(A::PatternThreading, 3, 8),
            EndShaft(A::PatternThreading, 4, 4)},
           Qt::RightButton);
    EXPECT_EQ(d.PatternThreading[1], 1);
    EXPECT_EQ(d.PatternThreading[2], 0);
    EXPECT_EQ(d.PatternThreading[3], 0);
    EXPECT_EQ(d.PatternThreading[4], 0);
    EXPECT_EQ(d.PatternThreading[5], 5);
    EXPECT_EQ(Pixel(EndShaft(A::PatternThreading, 3, 3)), Background());
}

TEST_F(ToolsTest, TheDrawdownFollowsAThreadingDrawnWithThePen) {
    Make();
    d.TieupAA(1, 1) = TieGround;
    d.TreadlingA[1] = 1;
    d.PatternThreadingOn = false;
    view->Update();
    const QRgb before = Pixel(Drawdown(1, 1));
    Stroke({EndShaft(A::ThreadingA, 1, 1)});
    ASSERT_EQ(d.ThreadingA[1], 1);
    // End 1 on shaft 1, tied to treadle 1 of pick 1: the warp is up there.
    EXPECT_EQ(Pixel(Drawdown(1, 1)), ToRgb(d.Palette[d.WarpColors[1]]) & 0xFFFFFF);
    EXPECT_NE(Pixel(Drawdown(1, 1)), before);
}

TEST_F(ToolsTest, LineInThePatternThreadingKeepsOnePointPerEnd) {
    Make();
    lineOn = true;
    Press(EndShaft(A::PatternThreading, 1, 1));
    Move(EndShaft(A::PatternThreading, 2, 5));
    Move(EndShaft(A::PatternThreading, 2, 8));
    // The preview shows just the two points.
    EXPECT_EQ(Pixel(EndShaft(A::PatternThreading, 1, 1)), Mark());
    EXPECT_EQ(Pixel(EndShaft(A::PatternThreading, 2, 8)), Mark());
    EXPECT_EQ(Pixel(EndShaft(A::PatternThreading, 2, 5)), Background());
    EXPECT_EQ(Pixel(EndShaft(A::PatternThreading, 1, 4)), Background());
    Release(EndShaft(A::PatternThreading, 2, 8));
    EXPECT_EQ(d.PatternThreading[1], 1);
    EXPECT_EQ(d.PatternThreading[2], 8);
    EXPECT_EQ(d.PatternThreading[3], 0);
}

TEST_F(ToolsTest, ALineThatShrinksRestoresTheCellsItLeaves) {
    Make();
    lineOn = true;
    d.SetLiftplan(3, 3, true);
    view->Update();
    Press(TreadlePick(A::Liftplan, 1, 1));
    Move(TreadlePick(A::Liftplan, 5, 5));
    EXPECT_EQ(Pixel(TreadlePick(A::Liftplan, 4, 4)), Mark());
    Move(TreadlePick(A::Liftplan, 2, 2));
    // Cells of the longer line go back to their stored state.
    EXPECT_EQ(Pixel(TreadlePick(A::Liftplan, 4, 4)), Background());
    EXPECT_EQ(Pixel(TreadlePick(A::Liftplan, 3, 3)), Mark());
    Release(TreadlePick(A::Liftplan, 2, 2));
    EXPECT_TRUE(d.GetLiftplan(1, 1));
    EXPECT_TRUE(d.GetLiftplan(2, 2));
    EXPECT_TRUE(d.GetLiftplan(3, 3));
    EXPECT_FALSE(d.GetLiftplan(4, 4));
}

TEST_F(ToolsTest, TreadlingsTakeOneTreadlePerPickWithPenAndLine) {
    Make();
    Stroke({TreadlePick(A::TreadlingA, 1, 1), TreadlePick(A::TreadlingA, 2, 1),
            TreadlePick(A::TreadlingA, 3, 2)});
    EXPECT_EQ(d.TreadlingA[1], 2);
    EXPECT_EQ(d.TreadlingA[2], 3);
    lineOn = true;
    Stroke({TreadlePick(A::TreadlingB, 1, 3), TreadlePick(A::TreadlingB, 2, 8)});
    EXPECT_EQ(d.TreadlingB[3], 1);
    EXPECT_EQ(d.TreadlingB[8], 2);
    for (int p = 4; p <= 7; ++p) EXPECT_NE(d.TreadlingB[p], 0) << p;
    // The right button clears.
    Stroke({TreadlePick(A::TreadlingA, 1, 1), TreadlePick(A::TreadlingA, 1, 2)}, Qt::RightButton);
    EXPECT_EQ(d.TreadlingA[1], 0);
    EXPECT_EQ(d.TreadlingA[2], 0);
}

TEST_F(ToolsTest, TreadlingPreviewsKeepOneMarkPerPickAndRestoreTheStoredOne) {
    Make();
    d.TreadlingA[2] = 4;
    d.TreadlingA[5] = 3;
    view->Update();
    // The pen: the pick's stored mark and the stroke's earlier mark on it go.
    Press(TreadlePick(A::TreadlingA, 1, 2));
    Move(TreadlePick(A::TreadlingA, 2, 2));
    EXPECT_EQ(Pixel(TreadlePick(A::TreadlingA, 2, 2)), Mark());
    EXPECT_EQ(Pixel(TreadlePick(A::TreadlingA, 1, 2)), Background());
    EXPECT_EQ(Pixel(TreadlePick(A::TreadlingA, 4, 2)), Background());
    Release(TreadlePick(A::TreadlingA, 2, 2));
    EXPECT_EQ(d.TreadlingA[2], 2);
    // The line: a pick it leaves shows its stored treadle again.
    lineOn = true;
    Press(TreadlePick(A::TreadlingA, 1, 3));
    Move(TreadlePick(A::TreadlingA, 1, 6));
    EXPECT_EQ(Pixel(TreadlePick(A::TreadlingA, 1, 5)), Mark());
    EXPECT_EQ(Pixel(TreadlePick(A::TreadlingA, 3, 5)), Background());
    Move(TreadlePick(A::TreadlingA, 1, 4));
    EXPECT_EQ(Pixel(TreadlePick(A::TreadlingA, 1, 5)), Background());
    EXPECT_EQ(Pixel(TreadlePick(A::TreadlingA, 3, 5)), Mark());
    Release(TreadlePick(A::TreadlingA, 1, 4));
    EXPECT_EQ(d.TreadlingA[4], 1);
    EXPECT_EQ(d.TreadlingA[5], 3);
}

TEST_F(ToolsTest, TieupsTakeGroundTiesPatternTiesWithCtrlAndClearWithTheRightButton) {
    Make();
    Stroke({Tieup(A::TieupAB, 1, 1), Tieup(A::TieupAB, 2, 1), Tieup(A::TieupAB, 2, 2)},
           Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(d.TieupAB(1, 1), TiePattern);
    EXPECT_EQ(d.TieupAB(2, 1), TiePattern);
    EXPECT_EQ(d.TieupAB(2, 2), TiePattern);
    Stroke({Tieup(A::TieupAB, 1, 1)}, Qt::RightButton, Qt::ControlModifier);
    EXPECT_EQ(d.TieupAB(1, 1), TieNone);
    Stroke({Tieup(A::TieupAA, 3, 4)});
    EXPECT_EQ(d.TieupAA(3, 4), TieGround);
    lineOn = true;
    Stroke({Tieup(A::TieupBA, 1, 1), Tieup(A::TieupBA, 2, 4)});
    EXPECT_EQ(d.TieupBA(1, 1), TieGround);
    EXPECT_EQ(d.TieupBA(2, 4), TieGround);
    Stroke({Tieup(A::TieupBB, 2, 2)});
    EXPECT_EQ(d.TieupBB(2, 2), TieGround);
}

TEST_F(ToolsTest, ATieupRepaintsTheDrawdownRowsItReaches) {
    Make();
    d.PatternThreadingOn = false;
    d.ThreadingA[1] = 2;
    d.TreadlingA[5] = 3;
    view->Update();
    const QRgb warp = ToRgb(d.Palette[d.WarpColors[1]]) & 0xFFFFFF;
    EXPECT_NE(Pixel(Drawdown(1, 5)), warp);
    Stroke({Tieup(A::TieupAA, 2, 3)});
    EXPECT_EQ(Pixel(Drawdown(1, 5)), warp);
}

TEST_F(ToolsTest, OneStrokeIsOneUndoStep) {
    Make();
    Stroke({TreadlePick(A::Liftplan, 1, 1), TreadlePick(A::Liftplan, 2, 1),
            TreadlePick(A::Liftplan, 3, 1)});
    EXPECT_EQ(snapshots, 1);
    EXPECT_TRUE(d.GetLiftplan(1, 3));
    Stroke({TreadlePick(A::Liftplan, 5, 2), TreadlePick(A::Liftplan, 6, 2)});
    ASSERT_TRUE(undo.Undo(d));
    // The second stroke is gone as a whole, the first stays.
    EXPECT_FALSE(d.GetLiftplan(2, 5));
    EXPECT_FALSE(d.GetLiftplan(2, 6));
    EXPECT_TRUE(d.GetLiftplan(1, 1));
    EXPECT_TRUE(d.GetLiftplan(1, 3));
}

TEST_F(ToolsTest, MovesOutsideTheStrokesAreaDoNothingAndItContinuesOnReturn) {
    Make();
    Press(TreadlePick(A::Liftplan, 1, 1));
    Move(TreadlePick(A::TreadlingA, 1, 2)); // another area
    Move(Drawdown(3, 3));
    Move(TreadlePick(A::Liftplan, 2, 3));
    Release(TreadlePick(A::Liftplan, 2, 3));
    EXPECT_TRUE(d.GetLiftplan(1, 1));
    EXPECT_TRUE(d.GetLiftplan(3, 2));
    EXPECT_EQ(d.TreadlingA[2], 0);
    // In the Draft view the drawdown does not respond, but the press is an undo step.
    const int before = snapshots;
    Stroke({Drawdown(3, 3), Drawdown(4, 4)});
    EXPECT_EQ(snapshots, before + 1);
    EXPECT_FALSE(held);
    EXPECT_EQ(modified, 1);
}

// Mouse events of a quick stroke come several cells apart; the pen enters every
// cell on the way between two of them, in every area.
TEST_F(ToolsTest, APenStrokeWithWidelySpacedEventsEntersEveryCellBetween) {
    struct Case {
        const char* name;
        ViewArea area;
        std::vector<CellPoint> events; // area cells: {end or treadle, shaft or pick}
    };
    const Case cases[] = {
        {"liftplan column", A::Liftplan, {{3, 1}, {3, 17}, {3, 30}}},
        {"liftplan slant", A::Liftplan, {{1, 2}, {8, 23}}},
        {"pattern threading", A::PatternThreading, {{1, 2}, {25, 2}, {40, 8}}},
        {"threading A back", A::ThreadingA, {{30, 1}, {2, 4}}},
        {"treadling A", A::TreadlingA, {{1, 1}, {4, 20}}},
        {"tie-up AA", A::TieupAA, {{1, 1}, {4, 4}}},
    };
    auto at = [this](ViewArea a, CellPoint c) {
        if (IsThreadingArea(a)) return EndShaft(a, c.x, c.y);
        if (IsTieupArea(a)) return Tieup(a, c.y, c.x);
        return TreadlePick(a, c.x, c.y);
    };
    auto set = [this](ViewArea a, CellPoint c) {
        switch (a) {
        case A::Liftplan:
            return d.GetLiftplan(c.y, c.x);
        case A::PatternThreading:
            return d.PatternThreading[c.x] == c.y;
        case A::ThreadingA:
            return d.ThreadingA[c.x] == c.y;
        case A::TreadlingA:
            return d.TreadlingA[c.y] == c.x;
        default:
            return d.TieupAA(c.y, c.x) == TieGround;
        }
    };
    Make();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        d.ClearDraft();
        view->Update();
        std::vector<QPoint> points;
        for (const CellPoint& e : c.events) points.push_back(at(c.area, e));
        Stroke(points);
        // Every cell of the straight way between consecutive events, and no other.
        std::set<std::pair<int, int>> expected;
        for (size_t k = 1; k < c.events.size(); ++k)
            for (const CellPoint& p : ComputeLine(c.events[k - 1], c.events[k]))
                expected.insert({p.x, p.y});
        for (int x = 1; x <= (IsTieupArea(c.area) ? 32 : 48); ++x)
            for (int y = 1; y <= 32; ++y)
                EXPECT_EQ(set(c.area, {x, y}), expected.count({x, y}) == 1) << x << ", " << y;
    }
}

TEST_F(ToolsTest, TheDesignPenFillsBetweenEventsUpToItsLimit) {
    d.ShowThreading = false;
    d.DesignMode = true;
    d.Zoom = 1;
    Make(2300, 300);
    ASSERT_GE(L().visibleEnds, 1100);
    // A slant, then a jump far along the row: the pen stops after 1000 cells.
    Stroke({Drawdown(1, 1), Drawdown(9, 40), Drawdown(1100, 40)});
    for (const CellPoint& p : ComputeLine({1, 1}, {9, 40}))
        EXPECT_TRUE(d.GetDesignCell(p.y, p.x)) << p.x << ", " << p.y;
    EXPECT_FALSE(d.GetDesignCell(1, 2));
    const int slant = static_cast<int>(ComputeLine({1, 1}, {9, 40}).size());
    for (int e = 10; e <= 1100; ++e) EXPECT_EQ(d.GetDesignCell(40, e), e <= 9 + 1001 - slant) << e;
}

TEST_F(ToolsTest, PenStopsRecordingAfterAThousandCells) {
    d.ShowThreading = false;
    d.DesignMode = true;
    d.Zoom = 1;
    Make(2300, 300);
    ASSERT_GE(L().visibleEnds, 1100);
    Press(Drawdown(1, 1));
    for (int i = 2; i <= 1100; ++i) Move(Drawdown(i, 1));
    EXPECT_EQ(tools->StrokeCells().size(), 1001u);
    Release(Drawdown(1100, 1));
    EXPECT_TRUE(d.GetDesignCell(1, 1001));
    EXPECT_FALSE(d.GetDesignCell(1, 1002));
}

TEST_F(ToolsTest, DesignPenAndALineOf2000ColumnsIn999Steps) {
    d.ShowThreading = false;
    d.DesignMode = true;
    d.Zoom = 1;
    Make(4100, 200);
    ASSERT_GE(L().visibleEnds, 2000);
    lineOn = true;
    Press(Drawdown(1, 2));
    Move(Drawdown(2000, 2));
    EXPECT_EQ(tools->StrokeCells().size(), 1000u);
    EXPECT_EQ(tools->StrokeCells().back().x, 2000);
    Release(Drawdown(2000, 2));
    int set = 0;
    for (int e = 1; e <= 2000; ++e) set += d.GetDesignCell(2, e);
    EXPECT_EQ(set, 1000);
    EXPECT_TRUE(d.GetDesignCell(2, 1));
    EXPECT_TRUE(d.GetDesignCell(2, 2000));
    EXPECT_EQ(tools->overlay()->PreviewCount(), 0);
    // The picture shows the cells in the warp colour.
    EXPECT_EQ(Pixel(Drawdown(2000, 2)), ToRgb(d.Palette[d.WarpColors[2000]]) & 0xFFFFFF);
    // The right button clears.
    lineOn = false;
    Stroke({Drawdown(1, 2)}, Qt::RightButton);
    EXPECT_FALSE(d.GetDesignCell(1, 2));
}

// Every combination of the start positions maps the same screen cells to the
// ends, picks, shafts and treadles the options name.
TEST_F(ToolsTest, OrientationOptionsDecideWhichEndShaftPickAndTreadleACellIs) {
    Make();
    for (int mask = 0; mask < 8; ++mask) {
        d.ThreadingFromRight = mask & 1;
        d.ShaftOneAtBottom = mask & 2;
        d.LiftplanFromBottom = mask & 4;
        d.FirstEnd = 10;
        d.FirstPick = 20;
        d.ClearThreadingA(1);
        d.ClearTreadlingA(1);
        view->Update();
        const DraftLayout& l = L();
        // The rightmost or leftmost drawdown column is end FirstEnd + 1.
        const int u = d.ThreadingFromRight ? l.visibleEnds - 1 : 0;
        // The bottom or top row of threading A is shaft 1.
        const int v = d.ShaftOneAtBottom ? l.threadingA.v + l.shaftsA - 1 : l.threadingA.v;
        Stroke({Cell(u, v)});
        EXPECT_EQ(d.ThreadingA[11], 1) << mask;
        // The bottom or top drawdown row is pick FirstPick + 1, and the leftmost or
        // rightmost treadling column is treadle 1.
        const int row = d.LiftplanFromBottom ? l.drawdown.v + l.visiblePicks - 1 : l.drawdown.v;
        const int col = d.ShaftOneAtBottom ? l.treadlingA.u : l.treadlingA.u + l.treadlesA - 1;
        Stroke({Cell(col, row)});
        EXPECT_EQ(d.TreadlingA[21], 1) << mask;
        // The status panels name the cell under the mouse.
        Move(Cell(u, v));
        ASSERT_FALSE(info.empty());
        EXPECT_EQ(info.back().kind, 1);
        EXPECT_EQ(info.back().a, 11);
        EXPECT_EQ(info.back().b, 1);
    }
}

TEST_F(ToolsTest, StatusPanelsNameTheCellUnderTheMouseAndClearOutside) {
    Make();
    d.WarpColors[4] = 17;
    Move(WarpBar(4));
    EXPECT_EQ(info.back().kind, 4);
    EXPECT_EQ(info.back().a, 4);
    EXPECT_EQ(info.back().b, 17);
    Move(Tieup(A::TieupAA, 2, 3));
    EXPECT_EQ(info.back().kind, 6);
    EXPECT_EQ(info.back().a, 3);
    EXPECT_EQ(info.back().b, 2);
    Move(TreadlePick(A::Liftplan, 5, 7));
    EXPECT_EQ(info.back().kind, 2);
    EXPECT_EQ(info.back().a, 5);
    EXPECT_EQ(info.back().b, 7);
    Move(QPoint(2, 2));
    EXPECT_EQ(info.back().a, 0);
    EXPECT_EQ(info.back().b, 0);
}

TEST_F(ToolsTest, ColourSpansPaintAsTheyGrowAndWriteOnRelease) {
    Make();
    colour = 12;
    for (int e = 1; e <= 60; ++e) d.WarpColors[e] = 6;
    view->Update();
    Press(WarpBar(5));
    Move(WarpBar(8));
    EXPECT_EQ(Pixel(WarpBar(7)), ToRgb(d.Palette[12]) & 0xFFFFFF);
    EXPECT_EQ(d.WarpColors[7], 6); // not written yet
    Move(WarpBar(3));              // past the press end: the old span goes back
    EXPECT_EQ(Pixel(WarpBar(7)), ToRgb(d.Palette[6]) & 0xFFFFFF);
    Release(WarpBar(3));
    for (int e = 3; e <= 5; ++e) EXPECT_EQ(d.WarpColors[e], 12) << e;
    EXPECT_EQ(d.WarpColors[6], 6);
    EXPECT_EQ(d.WarpColors[2], 6);
    // Weft colours likewise; the pen or line choice does not matter.
    lineOn = true;
    Stroke({WeftBar(2), WeftBar(4)});
    for (int p = 2; p <= 4; ++p) EXPECT_EQ(d.WeftColors[p], 12);
    EXPECT_EQ(d.WeftColors[5], d.DefaultWeftColor());
}

TEST_F(ToolsTest, RightClickOnAColourBarPicksTheColourAndChangesNothing) {
    Make();
    d.WarpColors[9] = 44;
    d.WeftColors[2] = 45;
    const int modifiedBefore = modified;
    Stroke({WarpBar(9)}, Qt::RightButton);
    EXPECT_EQ(picked, 44);
    Stroke({WeftBar(2)}, Qt::RightButton);
    EXPECT_EQ(picked, 45);
    EXPECT_EQ(modified, modifiedBefore);
    EXPECT_EQ(d.WarpColors[9], 44);
}

TEST_F(ToolsTest, AColourSpanStopsGrowing999EndsFromThePressEnd) {
    d.ShowThreading = false;
    d.DesignMode = true;
    d.Zoom = 1;
    Make(2600, 200);
    ASSERT_GE(L().visibleEnds, 1201);
    colour = 20;
    Press(WarpBar(1));
    Move(WarpBar(1000)); // 999 ends away
    Move(WarpBar(1201)); // 1200 away: ignored
    Release(WarpBar(1201));
    EXPECT_EQ(d.WarpColors[1], 20);
    EXPECT_EQ(d.WarpColors[1000], 20);
    EXPECT_NE(d.WarpColors[1001], 20);
    EXPECT_NE(d.WarpColors[1201], 20);
}

} // namespace
} // namespace hm::testing
