#pragma once
// Painting of the draft view onto a Canvas: the full repaint of Draft and Design
// mode and the partial painters that tools, keyboard entry, the clipboard and
// scrolling call after they change a few cells. One routine serves each family of
// areas: the threadings and treadlings (sequences: one entry per end or pick,
// naming its shaft or treadle) and the four tie-ups.
//
// Cell arguments are visible indices: column i = 1..visibleEnds shows end
// FirstEnd + i, row j = 1..visiblePicks shows pick FirstPick + j.

#include <memory>
#include <optional>
#include <vector>

#include "model/drawdown.h"
#include "view/canvas.h"
#include "view/draftlayout.h"

namespace hm {

class DraftPainter {
  public:
    DraftPainter(Canvas& canvas, const Draft& d, const DraftLayout& layout);
    ~DraftPainter();

    // ---- whole view ----
    // Clears the whole canvas to the background colour (done at the latest by the
    // next paint call or the destructor).
    void ClearAll();
    // Paints every area of the current mode over a cleared canvas. In Design mode
    // picture cells of the background colour are skipped unless skipBackground
    // is false (then every cell is painted and no clear is needed beforehand).
    void Repaint(bool skipBackground = true);
    // All grids of the current mode (with the connector lines) in one colour.
    void PaintGrids(QRgb colour);
    void PaintGridsInColour(uint32_t bgr) { PaintGrids(ToRgb(bgr)); }

    // ---- single cells ----
    // In a threading the cell of visible column `index` at the row of its stored
    // shaft; in a treadling the cell of visible row `index` at the column of its
    // stored treadle.
    void PaintSequenceCell(ViewArea sequence, int index, bool on);
    // The same cell at shaft (treadle) `entry` (tool previews).
    void PaintSequenceCellAt(ViewArea sequence, int index, int entry, bool on);
    void PaintLiftplanCell(int j, int column, bool on);
    void PaintTieupCell(TieupKind kind, int shaft, int treadle, int value);
    void PaintWarpBarCell(int i);
    void PaintWeftBarCell(int j);

    // ---- several cells ----
    void EraseSequenceMarks(ViewArea sequence);
    void PaintDrawdownColumn(int i);
    void PaintDrawdownRow(int j);
    // Every visible cell of drawdown row j, past the row passes' limit too
    // (printed and exported pictures colour every cell).
    void PaintWholeDrawdownRow(int j);
    void RepaintColumnsFrom(int i);
    void RepaintRowsFrom(int j);
    void RepaintRowsWithLiftplan(int j, bool exact);
    void PaintDesignColumn(int i);
    void PaintDesignRow(int j);

    // Visible columns 1..limit that the row passes cover.
    int RowPassLimit() const;

  private:
    void FlushClear();
    // The pixels a full repaint's row passes write in full (empty if none).
    PixelRect RowsOverwrite() const;
    bool ThreadStyle() const;
    bool EndValid(int i) const;
    bool PickValid(int j) const;
    int End(int i) const { return layout_.firstEnd + i; }
    int Pick(int j) const { return layout_.firstPick + j; }
    // Sequence areas: visible end (pick) `index` valid, its stored shaft
    // (treadle), and how many shafts (treadles) the area shows.
    bool IndexValid(ViewArea sequence, int index) const;
    int StoredEntry(ViewArea sequence, int index) const;
    int EntryCount(ViewArea sequence) const;
    bool AreaShown(ViewArea area) const;
    QRgb WarpColour(int end) const;
    QRgb WeftColour(int pick) const;

    void Grid(const CellBlock& b, int cols, QRgb colour, bool verticals = true);
    void ConnectorLines(QRgb colour);
    void PaintMark(int u, int v, bool on);
    void PaintTieupValue(int u, int v, int value);
    void PaintSequenceMark(ViewArea sequence, int index, int entry, bool on);
    // Every cell of one end (pick): the stored one marked, the others cleared.
    void PaintSequenceCells(ViewArea sequence, int index);
    void PaintLiftplanRow(int j, bool marksOnly);

    // Drawdown cells.
    PixelRect DrawdownCellRect(int u, int v) const;
    void PaintDrawdownCell(int u, int v, bool warpOnTop, QRgb warp, QRgb weft);
    void PaintThreadCell(int x, int y, bool warpOnTop, QRgb warp, QRgb weft);
    void WarpBand(int x, int y, int h, QRgb warp);
    void WeftBand(int x, int y, int w, QRgb weft);
    void FillDrawdownColumnWithWarp(int i);
    // One drawdown column, or only its cells with the warp on top.
    void PaintDrawdownColumnCells(int i, bool warpOnTopOnly);
    // Which cells of a drawdown row a pass paints.
    enum class RowCells { All, WeftOnTop, WarpOnTop, NotBackground };
    // One drawdown row over visible columns 1..limit. With `repeat` (full repaints
    // on a canvas with writable rows, plain cell styles) one pixel row is painted
    // and copied down the rest of the cell height.
    void PaintDrawdownRowCells(int j, int limit, RowCells which, bool repeat = false);
    // The full-repaint form of a plain row: its first pixel row is written
    // straight into the image (with the drawdown grid's column pixels when
    // gridInRows_) and copied down the cell height.
    void WriteDrawdownRow(int j, int count);
    bool CanRepeatRows() const;
    // Whether full repaints write the drawdown grid's vertical lines with the rows.
    bool GridInRows() const;
    const DrawdownRows& Rows();
    void RepaintDesign(bool skipBackground);
    void RepaintDraftMode();

    Canvas& c_;
    const Draft& d_;
    const DraftLayout& layout_;
    QRgb bg_, grid_, mark_;
    int bandW_ = 0, bandO_ = 0;
    bool gridInRows_ = false;   // set for the length of a full repaint
    bool clearPending_ = false; // ClearAll waits for the next paint
    std::unique_ptr<DrawdownRows> rows_;
    std::vector<QRgb> warpOfColumn_; // warp colour of visible column i at [i]
    std::vector<QRgb> warpOnScreen_; // the row pass's warp colours from the left
};

} // namespace hm
