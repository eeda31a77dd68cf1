#include "view/draftpainter.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <type_traits>
#include <vector>

#include "view/viewareas.h"

namespace hm {

DraftPainter::DraftPainter(Canvas& canvas, const Draft& d, const DraftLayout& layout)
    : c_(canvas), d_(d), layout_(layout), bg_(ToRgb(d.BackgroundColor)), grid_(ToRgb(d.GridColor)),
      mark_(ToRgb(d.MarkColor)) {
    const int cw = layout.cellW;
    if (d.DrawdownStyle == DrawdownStyleKind::ThreadsOutlined) {
        bandW_ = cw;
        bandO_ = 0;
    } else {
        bandW_ = cw - (cw > 2 ? 1 : 0) - cw / 6;
        bandO_ = cw / 12;
    }
}

DraftPainter::~DraftPainter() {
    FlushClear();
}

// ---- helpers ----

bool DraftPainter::ThreadStyle() const {
    return !layout_.designMode && (d_.DrawdownStyle == DrawdownStyleKind::Threads ||
                                   d_.DrawdownStyle == DrawdownStyleKind::ThreadsOutlined);
}

bool DraftPainter::EndValid(int i) const {
    return i >= 1 && i <= layout_.visibleEnds && End(i) <= MaxEnds;
}

bool DraftPainter::PickValid(int j) const {
    return j >= 1 && j <= layout_.visiblePicks && Pick(j) <= MaxPicks;
}

bool DraftPainter::IndexValid(ViewArea sequence, int index) const {
    return IsThreadingArea(sequence) ? EndValid(index) : PickValid(index);
}

int DraftPainter::StoredEntry(ViewArea sequence, int index) const {
    if (IsThreadingArea(sequence)) return (*ThreadingOfArea(d_, sequence))[End(index)];
    return (*TreadlingOfArea(d_, sequence))[Pick(index)];
}

int DraftPainter::EntryCount(ViewArea sequence) const {
    return IsThreadingArea(sequence) ? layout_.ShaftCount(sequence)
                                     : layout_.TreadleCount(sequence);
}

bool DraftPainter::AreaShown(ViewArea area) const {
    return layout_.Block(area).shown;
}

QRgb DraftPainter::WarpColour(int end) const {
    return ToRgb(d_.Palette[d_.WarpColors[end]]);
}
QRgb DraftPainter::WeftColour(int pick) const {
    return ToRgb(d_.Palette[d_.WeftColors[pick]]);
}

const DrawdownRows& DraftPainter::Rows() {
    if (!rows_) rows_ = std::make_unique<DrawdownRows>(d_);
    return *rows_;
}

int DraftPainter::RowPassLimit() const {
    const int count = std::clamp(MaxEnds - layout_.firstEnd, 0, layout_.visibleEnds);
    if (layout_.designMode || !(d_.PatternThreadingOn && d_.ThreadingBOn)) return count;
    for (int i = count; i >= 1; --i) {
        const int e = End(i);
        if (d_.PatternThreading[e] || d_.ThreadingA[e] || d_.ThreadingB[e]) return i;
    }
    return 0;
}

// ---- grids ----

void DraftPainter::Grid(const CellBlock& b, int cols, QRgb colour, bool verticals) {
    if (!b.shown || cols <= 0 || b.rows <= 0) return;
    const int cw = layout_.cellW, ch = layout_.cellH;
    const int x = layout_.CellX(b.u), y = layout_.CellY(b.v);
    for (int k = 0; k <= b.rows; ++k) c_.HLine(x, x + cols * cw + 1, y + k * ch, colour);
    if (verticals) c_.VLines(x, cw, cols + 1, y, y + b.rows * ch + 1, colour);
}

void DraftPainter::ConnectorLines(QRgb colour) {
    const DraftLayout& l = layout_;
    if (!l.patternThreading.shown || !l.liftplan.shown) return;
    const int firstTreadleU = l.treadlingB.shown ? l.treadlingB.u : l.treadlingA.u;
    const int x0 = l.CellX(firstTreadleU) - 2;
    const int gapTop = l.CellY(l.drawdown.v - 1);
    for (int k = 1; k <= l.patternShafts; ++k) {
        const int y = l.CellY(l.patternThreading.v + k - 1) + l.cellH / 2;
        const int x = l.CellX(l.liftplan.u + l.patternShafts - k) + l.cellW / 2;
        c_.HLine(x0, x, y, colour);
        c_.VLine(x, y, gapTop + 2, colour);
    }
}

void DraftPainter::PaintGrids(QRgb colour) {
    FlushClear();
    const DraftLayout& l = layout_;
    if (l.designMode) {
        Grid(l.warpBar, l.warpBar.cols, colour);
        Grid(l.weftBar, 1, colour);
        if (l.geometry.designGridStyle) Grid(l.drawdown, l.drawdown.cols, colour, !gridInRows_);
        return;
    }
    if (l.showThreading) {
        Grid(l.warpBar, l.warpBar.cols, colour);
        for (ViewArea a : ThreadingAreas) Grid(l.Block(a), l.Block(a).cols, colour);
        for (TieupKind k : AllTieupKinds) Grid(l.TieupBlockOf(k), l.TieupBlockOf(k).cols, colour);
        ConnectorLines(colour);
    }
    for (ViewArea a : TreadlingAreas) Grid(l.Block(a), l.Block(a).cols, colour);
    Grid(l.liftplan, l.liftplanWidth, colour);
    Grid(l.weftBar, 1, colour);
    if (d_.DrawdownStyle == DrawdownStyleKind::Grid)
        Grid(l.drawdown, l.drawdown.cols, colour, !gridInRows_);
}

// ---- marks ----

void DraftPainter::PaintMark(int u, int v, bool on) {
    c_.Fill(layout_.InteriorRect(u, v), on ? mark_ : bg_);
}

void DraftPainter::PaintTieupValue(int u, int v, int value) {
    const PixelRect r = layout_.InteriorRect(u, v);
    const int zoom = layout_.zoom;
    if (value == TieGround || (value == TiePattern && zoom <= 2)) {
        c_.Fill(r, mark_);
        return;
    }
    c_.Fill(r, bg_);
    if (value != TiePattern) return;
    // The point mark of a pattern tie.
    if (zoom == 3) {
        c_.Fill(r.x + 1, r.y + 1, 1, 1, mark_);
    } else if (zoom == 4) {
        c_.Fill(r.x + 1, r.y + 1, 2, 2, mark_);
    } else {
        const int inner = layout_.innerW;
        const int side = inner / 2 + inner % 2 + ((zoom == 6 || zoom == 10) ? 1 : 0);
        const int off = inner / 4;
        c_.FillCircle(r.x + off, r.y + off, side, mark_);
    }
}

void DraftPainter::PaintSequenceMark(ViewArea sequence, int index, int entry, bool on) {
    if (IsThreadingArea(sequence))
        PaintMark(layout_.EndColumn(index), layout_.ShaftRow(sequence, entry), on);
    else
        PaintMark(layout_.TreadleColumn(sequence, entry), layout_.PickRow(index), on);
}

void DraftPainter::PaintSequenceCell(ViewArea sequence, int index, bool on) {
    FlushClear();
    if (!IsSequenceArea(sequence) || !IndexValid(sequence, index)) return;
    PaintSequenceCellAt(sequence, index, StoredEntry(sequence, index), on);
}

void DraftPainter::PaintSequenceCellAt(ViewArea sequence, int index, int entry, bool on) {
    FlushClear();
    if (!IsSequenceArea(sequence) || !AreaShown(sequence) || !IndexValid(sequence, index)) return;
    if (entry < 1 || entry > EntryCount(sequence)) return;
    PaintSequenceMark(sequence, index, entry, on);
}

void DraftPainter::PaintLiftplanCell(int j, int column, bool on) {
    FlushClear();
    if (!layout_.liftplan.shown || !PickValid(j)) return;
    if (column < 1 || column > layout_.liftplanWidth) return;
    PaintMark(layout_.TreadleColumn(ViewArea::Liftplan, column), layout_.PickRow(j), on);
}

void DraftPainter::PaintTieupCell(TieupKind kind, int shaft, int treadle, int value) {
    FlushClear();
    const ViewArea area = AreaOfTieup(kind);
    if (!AreaShown(area)) return;
    if (shaft < 1 || shaft > layout_.ShaftCount(area)) return;
    if (treadle < 1 || treadle > layout_.TreadleCount(area)) return;
    PaintTieupValue(layout_.TreadleColumn(area, treadle), layout_.ShaftRow(area, shaft), value);
}

void DraftPainter::PaintWarpBarCell(int i) {
    FlushClear();
    if (!layout_.warpBar.shown || !EndValid(i)) return;
    c_.Fill(layout_.InteriorRect(layout_.EndColumn(i), layout_.warpBar.v), WarpColour(End(i)));
}

void DraftPainter::PaintWeftBarCell(int j) {
    FlushClear();
    if (!layout_.weftBar.shown || !PickValid(j)) return;
    c_.Fill(layout_.InteriorRect(layout_.weftBar.u, layout_.PickRow(j)), WeftColour(Pick(j)));
}

void DraftPainter::PaintSequenceCells(ViewArea sequence, int index) {
    if (!AreaShown(sequence) || !IndexValid(sequence, index)) return;
    const int stored = StoredEntry(sequence, index);
    for (int e = 1; e <= EntryCount(sequence); ++e)
        PaintSequenceMark(sequence, index, e, e == stored);
}

void DraftPainter::PaintLiftplanRow(int j, bool marksOnly) {
    if (!layout_.liftplan.shown || !PickValid(j)) return;
    const int pick = Pick(j);
    const int v = layout_.PickRow(j);
    for (int c = 1; c <= layout_.liftplanWidth; ++c) {
        const bool on = d_.GetLiftplan(pick, c);
        if (on || !marksOnly) PaintMark(layout_.TreadleColumn(ViewArea::Liftplan, c), v, on);
    }
}

void DraftPainter::EraseSequenceMarks(ViewArea sequence) {
    FlushClear();
    if (layout_.designMode || !IsSequenceArea(sequence) || !AreaShown(sequence)) return;
    const int count = IsThreadingArea(sequence) ? layout_.visibleEnds : layout_.visiblePicks;
    for (int k = 1; k <= count; ++k) PaintSequenceCell(sequence, k, false);
}

// ---- drawdown cells ----

PixelRect DraftPainter::DrawdownCellRect(int u, int v) const {
    const bool interior = layout_.designMode ? layout_.geometry.designGridStyle
                                             : d_.DrawdownStyle == DrawdownStyleKind::Grid;
    return interior ? layout_.InteriorRect(u, v) : layout_.CellRect(u, v);
}

void DraftPainter::WarpBand(int x, int y, int h, QRgb warp) {
    c_.Fill(x + bandO_, y, bandW_, h, warp);
    if (d_.DrawdownStyle != DrawdownStyleKind::ThreadsOutlined) return;
    const QRgb dark = Darkened(warp);
    c_.VLine(x + bandO_, y, y + h, dark);
    if (layout_.zoom > 2) c_.VLine(x + bandO_ + bandW_ - 1, y, y + h, dark);
}

void DraftPainter::WeftBand(int x, int y, int w, QRgb weft) {
    c_.Fill(x, y + bandO_, w, bandW_, weft);
    if (d_.DrawdownStyle != DrawdownStyleKind::ThreadsOutlined) return;
    const QRgb dark = Darkened(weft);
    c_.HLine(x, x + w, y + bandO_, dark);
    if (layout_.zoom > 2) c_.HLine(x, x + w, y + bandO_ + bandW_ - 1, dark);
}

void DraftPainter::PaintThreadCell(int x, int y, bool warpOnTop, QRgb warp, QRgb weft) {
    const int cw = layout_.cellW, ch = layout_.cellH;
    const bool under = bandW_ < cw;
    if (under || bandO_ > 0) c_.Fill(x, y, cw, ch, bg_);
    if (warpOnTop) {
        if (under) WeftBand(x, y, cw, weft);
        WarpBand(x, y, ch, warp);
    } else {
        if (under) WarpBand(x, y, ch, warp);
        WeftBand(x, y, cw, weft);
    }
}

void DraftPainter::PaintDrawdownCell(int u, int v, bool warpOnTop, QRgb warp, QRgb weft) {
    if (ThreadStyle()) {
        PaintThreadCell(layout_.CellX(u), layout_.CellY(v), warpOnTop, warp, weft);
        return;
    }
    c_.Fill(DrawdownCellRect(u, v), warpOnTop ? warp : weft);
}

void DraftPainter::FillDrawdownColumnWithWarp(int i) {
    const int u = layout_.EndColumn(i);
    const int x = layout_.CellX(u), y = layout_.CellY(layout_.drawdown.v);
    const int h = layout_.visiblePicks * layout_.cellH;
    const QRgb warp = WarpColour(End(i));
    if (ThreadStyle())
        WarpBand(x, y, h, warp);
    else
        c_.Fill(x, y, layout_.cellW, h, warp);
}

bool DraftPainter::CanRepeatRows() const {
    return !ThreadStyle() && c_.RowPointer(0) != nullptr;
}

bool DraftPainter::GridInRows() const {
    const bool interior = layout_.designMode ? layout_.geometry.designGridStyle
                                             : d_.DrawdownStyle == DrawdownStyleKind::Grid;
    // Every visible row must be written for the grid's columns to be complete.
    return interior && CanRepeatRows() && layout_.firstPick + layout_.visiblePicks <= MaxPicks;
}

void DraftPainter::WriteDrawdownRow(int j, int count) {
    const DraftLayout& l = layout_;
    const int v = l.PickRow(j);
    const PixelRect cell = DrawdownCellRect(0, v);
    const int top = std::max(cell.y, 0), bottom = std::min(cell.bottom(), c_.height());
    if (top >= bottom || l.visibleEnds <= 0) return;
    if (warpOfColumn_.empty()) {
        warpOfColumn_.resize(static_cast<size_t>(l.visibleEnds) + 1);
        for (int i = 1; i <= l.visibleEnds && EndValid(i); ++i)
            warpOfColumn_[static_cast<size_t>(i)] = WarpColour(End(i));
    }
    thread_local std::vector<uint64_t> up;
    up.assign(static_cast<size_t>(count + 63) / 64 + 1, 0);
    const int pick = Pick(j);
    if (count > 0) Rows().WarpOnTopBits(pick, l.firstEnd + 1, count, up.data());
    const QRgb weft = WeftColour(pick);

    const int cw = l.cellW, dx = cell.x - l.CellX(0), w = cell.w;
    const int left = l.CellX(l.drawdown.u), right = l.CellX(l.drawdown.u + l.visibleEnds) + 1;
    const int x0 = std::max(left, 0), x1 = std::min(right, c_.width());
    if (x0 >= x1) return;
    QRgb* line = c_.RowPointer(top);
    const int step = l.threadingFromRight ? -cw : cw;
    const int firstX = l.CellX(l.EndColumn(1)); // grid line x of visible column 1
    if (x0 != left || x1 != right) {
        // Partly outside the canvas: every span clipped on its own.
        auto put = [&](int x, int n, QRgb c) {
            const int a = std::max(x, x0), b = std::min(x + n, x1);
            if (a < b) std::fill(line + a, line + b, c);
        };
        int x = firstX;
        for (int i = 1; i <= l.visibleEnds; ++i, x += step) {
            if (gridInRows_) put(x, 1, grid_);
            if (i > count) continue;
            const bool warpUp = (up[static_cast<size_t>((i - 1) >> 6)] >> ((i - 1) & 63)) & 1;
            put(x + dx, w, warpUp ? warpOfColumn_[static_cast<size_t>(i)] : weft);
        }
        if (gridInRows_) put(right - 1, 1, grid_);
    } else {
        // Colours of the row's cells in column order, eight at a time from the
        // bits, then spread over the cell width in screen order; with the grid
        // in the rows each cell's grid pixel goes first.
        // From the right the cells are turned round first, so that the row is
        // written from left to right.
        thread_local std::vector<QRgb> colour;
        thread_local std::vector<uint64_t> turned;
        colour.resize(static_cast<size_t>(count) + 8);
        const QRgb* warp = warpOfColumn_.data() + 1;
        const uint64_t* bits = up.data();
        if (l.threadingFromRight && count > 0) {
            if (warpOnScreen_.size() != static_cast<size_t>(count)) {
                warpOnScreen_.assign(warpOfColumn_.rend() - 1 - count, warpOfColumn_.rend() - 1);
            }
            turned.resize(up.size());
            ReverseBits(up.data(), count, turned.data());
            bits = turned.data();
            warp = warpOnScreen_.data();
        }
        SelectColours(bits, count, warp, weft, colour.data());
        const bool grid = gridInRows_ && dx == 1;
        const int screenStep = l.threadingFromRight ? cw : step;
        QRgb* cellStart = line + l.CellX(l.EndColumn(l.threadingFromRight ? count : 1)) + dx;
        auto cells = [&](auto width, auto withGrid) {
            QRgb* p = cellStart;
            for (int i = 0; i < count; ++i, p += screenStep) {
                if constexpr (withGrid) p[-1] = grid_;
                for (int k = 0; k < width; ++k) p[k] = colour[static_cast<size_t>(i)];
            }
        };
        using One = std::integral_constant<int, 1>;
        using Two = std::integral_constant<int, 2>;
        if (grid && w == 1)
            cells(One{}, std::true_type{});
        else if (grid)
            cells(w, std::true_type{});
        else if (w == 1)
            cells(One{}, std::false_type{});
        else if (w == 2)
            cells(Two{}, std::false_type{});
        else
            cells(w, std::false_type{});
        if (gridInRows_) {
            // Grid pixels of the columns after the row pass limit, and the last line.
            QRgb* g = line + firstX + (grid ? count * step : 0);
            for (int i = grid ? count + 1 : 1; i <= l.visibleEnds; ++i, g += step) *g = grid_;
            line[right - 1] = grid_;
        }
    }
    c_.Touch(x0, top, x1 - x0, 1);
    c_.RepeatRow(top, bottom - top - 1, x0, x1);
}

void DraftPainter::PaintDrawdownRowCells(int j, int limit, RowCells which, bool repeat) {
    if (!PickValid(j)) return;
    const int count = std::min(limit, std::clamp(MaxEnds - layout_.firstEnd, 0, limit));
    // Full repaints of plain cells write whole rows; cells of the background
    // colour are written too, which leaves the cleared canvas as it was.
    if (repeat && CanRepeatRows() && (which == RowCells::All || which == RowCells::NotBackground)) {
        WriteDrawdownRow(j, std::max(count, 0));
        return;
    }
    if (count <= 0) return;
    thread_local std::vector<uint8_t> up;
    up.resize(static_cast<size_t>(count));
    const int pick = Pick(j);
    Rows().WarpOnTopRow(pick, layout_.firstEnd + 1, count, up.data());
    const int v = layout_.PickRow(j);
    const QRgb weft = WeftColour(pick);

    auto wanted = [&](int i, QRgb colour) {
        switch (which) {
        case RowCells::All:
            return true;
        case RowCells::WeftOnTop:
            return !up[static_cast<size_t>(i - 1)];
        case RowCells::WarpOnTop:
            return up[static_cast<size_t>(i - 1)] != 0;
        case RowCells::NotBackground:
            return colour != bg_;
        }
        return true;
    };

    if (ThreadStyle()) {
        for (int i = 1; i <= count; ++i) {
            const bool w = up[static_cast<size_t>(i - 1)] != 0;
            const QRgb warp = WarpColour(End(i));
            if (wanted(i, w ? warp : weft))
                PaintThreadCell(layout_.CellX(layout_.EndColumn(i)), layout_.CellY(v), w, warp,
                                weft);
        }
        return;
    }

    // Plain cells: the whole cell or its interior. Cells that touch are filled as
    // runs of one colour; when repeating, only the first pixel row is filled here.
    const PixelRect cell = DrawdownCellRect(0, v);
    const bool touching = cell.w == layout_.cellW;
    repeat = repeat && CanRepeatRows() && cell.h > 1;
    const int fillH = repeat ? 1 : cell.h;
    const int dx = cell.x - layout_.CellX(0);
    int runStart = 0; // first visible index of the current run, 0 = none
    int runEnd = 0;
    QRgb runColour = 0;
    auto flush = [&]() {
        if (!runStart) return;
        const int ua = layout_.EndColumn(runStart), ub = layout_.EndColumn(runEnd);
        const int u0 = std::min(ua, ub), u1 = std::max(ua, ub);
        c_.Fill(layout_.CellX(u0) + dx, cell.y, (u1 - u0) * layout_.cellW + cell.w, fillH,
                runColour);
        runStart = 0;
    };
    for (int i = 1; i <= count; ++i) {
        const bool w = up[static_cast<size_t>(i - 1)] != 0;
        const QRgb colour = w ? WarpColour(End(i)) : weft;
        if (!wanted(i, colour)) {
            flush();
            continue;
        }
        if (runStart && (colour != runColour || !touching)) flush();
        if (!runStart) {
            runStart = i;
            runColour = colour;
        }
        runEnd = i;
    }
    flush();
    if (repeat) {
        const int x0 = layout_.CellX(layout_.drawdown.u);
        c_.RepeatRow(cell.y, cell.h - 1, x0, x0 + layout_.visibleEnds * layout_.cellW);
    }
}

void DraftPainter::PaintDrawdownColumnCells(int i, bool warpOnTopOnly) {
    if (!EndValid(i)) return;
    const int end = End(i);
    const int u = layout_.EndColumn(i);
    const QRgb warp = WarpColour(end);
    for (int j = 1; j <= layout_.visiblePicks; ++j) {
        if (!PickValid(j)) break;
        const int pick = Pick(j);
        const bool warpOnTop = WarpOnTop(d_, pick, end);
        if (warpOnTop || !warpOnTopOnly)
            PaintDrawdownCell(u, layout_.PickRow(j), warpOnTop, warp, WeftColour(pick));
    }
}

void DraftPainter::PaintDrawdownColumn(int i) {
    FlushClear();
    PaintDrawdownColumnCells(i, false);
}

void DraftPainter::PaintDrawdownRow(int j) {
    FlushClear();
    PaintDrawdownRowCells(j, RowPassLimit(), RowCells::All);
}

void DraftPainter::PaintWholeDrawdownRow(int j) {
    FlushClear();
    PaintDrawdownRowCells(j, std::clamp(MaxEnds - layout_.firstEnd, 0, layout_.visibleEnds),
                          RowCells::All);
}

void DraftPainter::PaintDesignColumn(int i) {
    FlushClear();
    // The picture's cells are drawn over the background: only the raised ones.
    PaintDrawdownColumnCells(i, layout_.designMode);
}

void DraftPainter::PaintDesignRow(int j) {
    FlushClear();
    if (!layout_.designMode) {
        PaintDrawdownRow(j);
        return;
    }
    PaintDrawdownRowCells(j, RowPassLimit(), RowCells::WeftOnTop);
}

void DraftPainter::RepaintColumnsFrom(int i) {
    FlushClear();
    for (int k = std::max(1, i); k <= layout_.visibleEnds && EndValid(k); ++k) {
        if (!layout_.designMode && layout_.showThreading)
            for (ViewArea a : ThreadingAreas) PaintSequenceCells(a, k);
        PaintWarpBarCell(k);
        PaintDrawdownColumn(k);
    }
}

void DraftPainter::RepaintRowsFrom(int j) {
    FlushClear();
    const int limit = RowPassLimit();
    for (int k = std::max(1, j); k <= layout_.visiblePicks && PickValid(k); ++k) {
        if (!layout_.designMode)
            for (ViewArea a : TreadlingAreas) PaintSequenceCells(a, k);
        PaintWeftBarCell(k);
        PaintDrawdownRowCells(k, limit, RowCells::All);
    }
}

void DraftPainter::RepaintRowsWithLiftplan(int j, bool exact) {
    FlushClear();
    const int limit = RowPassLimit();
    const RowCells which = (exact || ThreadStyle()) ? RowCells::All : RowCells::WeftOnTop;
    for (int k = std::max(1, j); k <= layout_.visiblePicks && PickValid(k); ++k) {
        if (!layout_.designMode) {
            PaintLiftplanRow(k, false);
            for (ViewArea a : TreadlingAreas) PaintSequenceCells(a, k);
        }
        PaintWeftBarCell(k);
        PaintDrawdownRowCells(k, limit, which);
    }
}

// ---- whole view ----

void DraftPainter::ClearAll() {
    // On a canvas with writable rows the clear waits for what comes next: a
    // full repaint then skips the cells its rows overwrite anyway.
    if (c_.RowPointer(0)) {
        clearPending_ = true;
        return;
    }
    c_.Fill(0, 0, c_.width(), c_.height(), bg_);
}

void DraftPainter::FlushClear() {
    if (!clearPending_) return;
    clearPending_ = false;
    c_.Fill(0, 0, c_.width(), c_.height(), bg_);
}

PixelRect DraftPainter::RowsOverwrite() const {
    const DraftLayout& l = layout_;
    if (!CanRepeatRows() || l.firstPick + l.visiblePicks > MaxPicks) return {};
    const int count = std::clamp(std::min(RowPassLimit(), MaxEnds - l.firstEnd), 0, l.visibleEnds);
    if (count <= 0 || l.visiblePicks <= 0) return {};
    const int ua = l.EndColumn(1), ub = l.EndColumn(count);
    const int x = l.CellX(std::min(ua, ub));
    const int y = l.CellY(l.drawdown.v);
    return {x, y, (std::abs(ub - ua) + 1) * l.cellW, l.visiblePicks * l.cellH};
}

void DraftPainter::Repaint(bool skipBackground) {
    if (clearPending_) {
        // Clear around the block of cells that the row passes write in full.
        clearPending_ = false;
        const PixelRect keep = RowsOverwrite();
        const int w = c_.width(), h = c_.height();
        if (keep.empty()) {
            c_.Fill(0, 0, w, h, bg_);
        } else {
            c_.Fill(0, 0, w, keep.y, bg_);
            c_.Fill(0, keep.bottom(), w, h - keep.bottom(), bg_);
            c_.Fill(0, keep.y, keep.x, keep.h, bg_);
            c_.Fill(keep.right(), keep.y, w - keep.right(), keep.h, bg_);
        }
    }
    gridInRows_ = GridInRows();
    if (layout_.designMode)
        RepaintDesign(skipBackground);
    else
        RepaintDraftMode();
    gridInRows_ = false;
}

void DraftPainter::RepaintDesign(bool skipBackground) {
    for (int i = 1; i <= layout_.visibleEnds; ++i) PaintWarpBarCell(i);
    for (int j = 1; j <= layout_.visiblePicks; ++j) PaintWeftBarCell(j);
    PaintGrids(grid_);
    const int limit = RowPassLimit();
    const RowCells which = skipBackground ? RowCells::NotBackground : RowCells::All;
    for (int j = 1; j <= layout_.visiblePicks; ++j) PaintDrawdownRowCells(j, limit, which, true);
}

void DraftPainter::RepaintDraftMode() {
    const DraftLayout& l = layout_;
    // With writable rows and plain cells, the warp fill of threaded columns and the
    // weft-on-top pass are merged: every cell up to the column limit is painted
    // exactly, one pixel row per pick, copied down. The pixels are the same,
    // because only threaded ends can have the warp on top, and columns beyond the
    // limit are unthreaded.
    const bool merged = CanRepeatRows();
    PaintGrids(grid_); // the drawdown grid of style Grid is drawn again after the fills

    for (int i = 1; i <= l.visibleEnds && EndValid(i); ++i) {
        if (l.showThreading) {
            for (ViewArea a : ThreadingAreas) PaintSequenceCell(a, i, true);
            PaintWarpBarCell(i);
        }
        const int e = End(i);
        const bool threaded = d_.ThreadingA[e] ||
                              (d_.PatternThreadingOn && d_.PatternThreading[e]) ||
                              (d_.ThreadingBOn && d_.ThreadingB[e]);
        if (threaded && !merged) FillDrawdownColumnWithWarp(i);
    }
    if (l.showThreading) {
        for (TieupKind k : AllTieupKinds) {
            const ViewArea area = AreaOfTieup(k);
            if (!AreaShown(area)) continue;
            const TieupBlock& block = d_.Tieup(k);
            for (int s = 1; s <= l.ShaftCount(area); ++s)
                for (int t = 1; t <= l.TreadleCount(area); ++t)
                    if (block(s, t)) PaintTieupCell(k, s, t, block(s, t));
        }
    }
    if (d_.DrawdownStyle == DrawdownStyleKind::Grid && !merged)
        Grid(l.drawdown, l.drawdown.cols, grid_);

    const int limit = RowPassLimit();
    const RowCells which = (ThreadStyle() || merged) ? RowCells::All : RowCells::WeftOnTop;
    for (int j = 1; j <= l.visiblePicks && PickValid(j); ++j) {
        PaintLiftplanRow(j, true);
        for (ViewArea a : TreadlingAreas) PaintSequenceCell(a, j, true);
        PaintWeftBarCell(j);
        PaintDrawdownRowCells(j, limit, which, merged);
    }
}

} // namespace hm
