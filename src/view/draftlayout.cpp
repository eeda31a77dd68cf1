#include "view/draftlayout.h"

#include <algorithm>

namespace hm {

namespace {

int ClampZoom(int z) {
    return std::clamp(z, MinZoom, MaxZoom);
}

// Rows the fixed areas above the drawdown need besides the five fixed rows.
int RowsNeeded(const Draft& d) {
    int r = d.ShaftsA;
    if (d.PatternThreadingOn && d.ShowPatternThreading) r += d.PatternShafts + 1;
    if (d.ThreadingBOn) r += d.ShaftsB + 1;
    return r;
}

int ColsNeeded(const Draft& d) {
    int c = d.TreadlesA;
    if (d.PatternThreadingOn) c += d.LiftplanWidth + 1;
    if (d.TreadlingBOn) c += d.TreadlesB + 1;
    return c;
}

// Largest z from `from` down to 1 with size div (z + 1) - 5 >= needed; 1 if none.
int LargestFit(int size, int needed, int from) {
    for (int z = from; z >= 1; --z)
        if (size / (z + 1) - 5 >= needed) return z;
    return 1;
}

// Division rounding towards minus infinity, so that points left of or above an
// area never map into its first cell.
int FloorDiv(int a, int b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

} // namespace

int FitZoomFrom(const Draft& d, int clientW, int clientH, int fromZoom) {
    fromZoom = ClampZoom(fromZoom);
    const int zh = LargestFit(clientW, ColsNeeded(d), fromZoom);
    if (!d.ShowThreading) return zh;
    const int zv = LargestFit(clientH, RowsNeeded(d), fromZoom);
    return std::min(zv, zh);
}

int LargestFittingZoom(const Draft& d, int clientW, int clientH) {
    return FitZoomFrom(d, clientW, clientH, MaxZoom);
}

DraftLayout::DraftLayout(const Draft& d, const ViewGeometry& g) : geometry(g) {
    zoom = ClampZoom(d.Zoom);
    designMode = d.DesignMode;
    showThreading = d.ShowThreading;
    patternOn = d.PatternThreadingOn;
    patternShown = d.PatternThreadingOn && d.ShowPatternThreading;
    threadingBOn = d.ThreadingBOn;
    treadlingBOn = d.TreadlingBOn;
    threadingFromRight = d.ThreadingFromRight;
    liftplanFromBottom = d.LiftplanFromBottom;
    shaftOneAtBottom = d.ShaftOneAtBottom;
    patternShafts = std::clamp(d.PatternShafts, 0, MaxPatternShafts);
    liftplanWidth = std::clamp(d.LiftplanWidth, 0, MaxPatternShafts);
    shaftsA = std::clamp(d.ShaftsA, 0, MaxShafts);
    shaftsB = std::clamp(d.ShaftsB, 0, MaxShafts);
    treadlesA = std::clamp(d.TreadlesA, 0, MaxTreadles);
    treadlesB = std::clamp(d.TreadlesB, 0, MaxTreadles);
    firstEnd = std::max(0, d.FirstEnd);
    firstPick = std::max(0, d.FirstPick);

    cellW = cellH = zoom + 1;
    innerW = cellW - 1;
    innerH = cellH - 1;
    colsFit = std::max(0, g.clientW) / cellW;
    rowsFit = std::max(0, g.clientH) / cellH;

    if (designMode) {
        // Warp colour bar, gap row, picture; picture columns, gap, weft colour bar.
        visibleEnds = std::max(0, colsFit - 2);
        visiblePicks = std::max(0, rowsFit - 2);
        warpBar = {true, 0, 0, visibleEnds, 1};
        drawdown = {true, 0, 2, visibleEnds, visiblePicks};
        weftBar = {true, visibleEnds + 1, 2, 1, visiblePicks};
        return;
    }

    int ve = colsFit - 2 - (treadlesA + 1);
    if (patternOn) ve -= patternShafts + 1;
    if (treadlingBOn) ve -= treadlesB + 1;
    visibleEnds = std::max(0, ve);

    int rowsAbove = 0;
    if (showThreading) {
        rowsAbove = shaftsA + 3;
        if (patternShown) rowsAbove += patternShafts + 1;
        if (threadingBOn) rowsAbove += shaftsB + 1;
    }
    visiblePicks = std::max(0, rowsFit - rowsAbove);

    // Vertical stack.
    if (showThreading) {
        warpBar = {true, 0, 0, visibleEnds, 1};
        int v = 2;
        if (patternShown) {
            patternThreading = {true, 0, v, visibleEnds, patternShafts};
            v += patternShafts + 1;
        }
        threadingA = {true, 0, v, visibleEnds, shaftsA};
        v += shaftsA + 1;
        if (threadingBOn) {
            threadingB = {true, 0, v, visibleEnds, shaftsB};
            v += shaftsB + 1;
        }
    }
    drawdown = {true, 0, rowsAbove, visibleEnds, visiblePicks};

    // Horizontal order right of the drawdown.
    int u = visibleEnds + 1;
    if (treadlingBOn) {
        treadlingB = {true, u, rowsAbove, treadlesB, visiblePicks};
        u += treadlesB + 1;
    }
    treadlingA = {true, u, rowsAbove, treadlesA, visiblePicks};
    u += treadlesA + 1;
    if (patternOn) {
        liftplan = {true, u, rowsAbove, patternShafts, visiblePicks};
        u += patternShafts + 1;
    }
    weftBar = {true, u, rowsAbove, 1, visiblePicks};

    // Tie-ups where the threading rows and treadling columns cross.
    if (showThreading) {
        auto cross = [](const CellBlock& rows, const CellBlock& cols) {
            return CellBlock{rows.shown && cols.shown, cols.u, rows.v, cols.cols, rows.rows};
        };
        tieupAA = cross(threadingA, treadlingA);
        tieupAB = cross(threadingA, treadlingB);
        tieupBA = cross(threadingB, treadlingA);
        tieupBB = cross(threadingB, treadlingB);
    }
}

const CellBlock& DraftLayout::Block(ViewArea area) const {
    static const CellBlock none;
    switch (area) {
    case ViewArea::PatternThreading:
        return patternThreading;
    case ViewArea::ThreadingA:
        return threadingA;
    case ViewArea::ThreadingB:
        return threadingB;
    case ViewArea::Liftplan:
        return liftplan;
    case ViewArea::TreadlingA:
        return treadlingA;
    case ViewArea::TreadlingB:
        return treadlingB;
    case ViewArea::TieupAA:
        return tieupAA;
    case ViewArea::TieupAB:
        return tieupAB;
    case ViewArea::TieupBA:
        return tieupBA;
    case ViewArea::TieupBB:
        return tieupBB;
    case ViewArea::WarpColors:
        return warpBar;
    case ViewArea::WeftColors:
        return weftBar;
    case ViewArea::Drawdown:
        return drawdown;
    case ViewArea::None:
        break;
    }
    return none;
}

const CellBlock& DraftLayout::TieupBlockOf(TieupKind kind) const {
    switch (kind) {
    case TieupKind::AA:
        return tieupAA;
    case TieupKind::AB:
        return tieupAB;
    case TieupKind::BA:
        return tieupBA;
    case TieupKind::BB:
        return tieupBB;
    }
    return tieupAA;
}

PixelRect DraftLayout::HitRect(ViewArea area) const {
    const CellBlock& b = Block(area);
    if (!b.shown) return {};
    return BlockRect(b);
}

int DraftLayout::EndColumn(int i) const {
    return threadingFromRight ? visibleEnds - i : i - 1;
}

int DraftLayout::PickRow(int j) const {
    return drawdown.v + (liftplanFromBottom ? visiblePicks - j : j - 1);
}

int DraftLayout::ShaftCount(ViewArea area) const {
    switch (area) {
    case ViewArea::PatternThreading:
        return patternShafts;
    case ViewArea::ThreadingA:
    case ViewArea::TieupAA:
    case ViewArea::TieupAB:
        return shaftsA;
    case ViewArea::ThreadingB:
    case ViewArea::TieupBA:
    case ViewArea::TieupBB:
        return shaftsB;
    default:
        return 0;
    }
}

int DraftLayout::TreadleCount(ViewArea area) const {
    switch (area) {
    case ViewArea::Liftplan:
        return liftplanWidth;
    case ViewArea::TreadlingA:
    case ViewArea::TieupAA:
    case ViewArea::TieupBA:
        return treadlesA;
    case ViewArea::TreadlingB:
    case ViewArea::TieupAB:
    case ViewArea::TieupBB:
        return treadlesB;
    default:
        return 0;
    }
}

int DraftLayout::ShaftRow(ViewArea area, int s) const {
    const int n = ShaftCount(area);
    const CellBlock& b = Block(area);
    return b.v + (shaftOneAtBottom ? n - s : s - 1);
}

int DraftLayout::TreadleColumn(ViewArea area, int t) const {
    const int n = TreadleCount(area);
    const CellBlock& b = Block(area);
    return b.u + (shaftOneAtBottom ? t - 1 : n - t);
}

int DraftLayout::EndIndexAt(int x) const {
    const int c = FloorDiv(x - CellX(drawdown.u), cellW);
    return std::max(0, threadingFromRight ? visibleEnds - c : c + 1);
}

int DraftLayout::PickIndexAt(int y) const {
    const int r = FloorDiv(y - CellY(drawdown.v), cellH);
    return std::max(0, liftplanFromBottom ? visiblePicks - r : r + 1);
}

int DraftLayout::ShaftAt(ViewArea area, int y) const {
    const int r = FloorDiv(y - CellY(Block(area).v), cellH);
    return std::max(0, shaftOneAtBottom ? ShaftCount(area) - r : r + 1);
}

int DraftLayout::TreadleAt(ViewArea area, int x) const {
    const int c = FloorDiv(x - CellX(Block(area).u), cellW);
    return std::max(0, shaftOneAtBottom ? c + 1 : TreadleCount(area) - c);
}

bool DraftLayout::AreaContains(ViewArea area, int x, int y) const {
    bool active = false;
    switch (area) {
    case ViewArea::PatternThreading:
        active = patternShown && showThreading && !designMode;
        break;
    case ViewArea::ThreadingA:
        active = showThreading && !designMode;
        break;
    case ViewArea::ThreadingB:
        active = showThreading && threadingBOn && !designMode;
        break;
    case ViewArea::WarpColors:
        active = showThreading || designMode;
        break;
    case ViewArea::TieupAA:
        active = !designMode;
        break;
    case ViewArea::TieupAB:
        active = treadlingBOn && !designMode;
        break;
    case ViewArea::TieupBA:
        active = threadingBOn && !designMode;
        break;
    case ViewArea::TieupBB:
        active = threadingBOn && treadlingBOn && !designMode;
        break;
    case ViewArea::Liftplan:
        active = patternOn && !designMode;
        break;
    case ViewArea::TreadlingA:
        active = !designMode;
        break;
    case ViewArea::TreadlingB:
        active = treadlingBOn && !designMode;
        break;
    case ViewArea::WeftColors:
    case ViewArea::Drawdown:
        active = true;
        break;
    case ViewArea::None:
        return false;
    }
    return active && HitRect(area).StrictlyContains(x, y);
}

ViewArea DraftLayout::AreaAt(int x, int y, bool includeDrawdown) const {
    static constexpr ViewArea order[] = {
        ViewArea::Liftplan,         ViewArea::TreadlingA, ViewArea::TreadlingB,
        ViewArea::PatternThreading, ViewArea::ThreadingA, ViewArea::ThreadingB,
        ViewArea::TieupAA,          ViewArea::TieupAB,    ViewArea::TieupBA,
        ViewArea::TieupBB,          ViewArea::WarpColors, ViewArea::WeftColors,
    };
    for (ViewArea a : order)
        if (AreaContains(a, x, y)) return a;
    if ((designMode || includeDrawdown) && AreaContains(ViewArea::Drawdown, x, y))
        return ViewArea::Drawdown;
    return ViewArea::None;
}

LayoutResult Layout(Draft& d, const ViewGeometry& g) {
    LayoutResult r;
    const int before = d.Zoom;
    d.Zoom = ClampZoom(d.Zoom);
    if (!d.DesignMode) {
        const int z = FitZoomFrom(d, g.clientW, g.clientH, d.Zoom);
        if (z < d.Zoom) d.Zoom = z;
    }
    r.zoomLowered = d.Zoom < before;

    r.layout = DraftLayout(d, g);
    DraftLayout& l = r.layout;
    if (d.Picks - d.FirstPick < l.visiblePicks) d.FirstPick = d.Picks - l.visiblePicks;
    if (d.Ends - d.FirstEnd < l.visibleEnds) d.FirstEnd = d.Ends - l.visibleEnds;
    d.FirstPick = std::max(0, d.FirstPick);
    d.FirstEnd = std::max(0, d.FirstEnd);
    l.firstEnd = d.FirstEnd;
    l.firstPick = d.FirstPick;
    return r;
}

} // namespace hm
