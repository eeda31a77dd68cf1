#pragma once
// The fabric window's picture: one pixel per end and pick, from the mode-aware
// drawdown (the design picture in Design mode). The canvas is the window's
// cloth area, WinEnds x WinPicks pixels from (0, 0).

#include "fabric/fabricwindowlayout.h"
#include "model/drawdown.h"
#include "view/canvas.h"

namespace hm {

class FabricWindowPainter {
  public:
    FabricWindowPainter(Canvas& canvas, const Draft& d, const FabricWindowLayout& layout);

    // Clears to the background colour; every end shown is a full-height line of
    // its warp colour, and every pick shown its weft colour where the warp is
    // not on top.
    void FullRepaint();
    // After a stroke in a threading: the end's warp line, then the picks shown
    // where its weft lies on top. Nothing when the end is not in the window.
    void UpdateColumn(int end);
    // After a stroke in a treadling or the liftplan: the pick's weft across the
    // ends shown, then the ends whose warp is on top. Nothing when not shown.
    void UpdateRow(int pick);

  private:
    QRgb Warp(int end) const { return ToRgb(d_.Palette[d_.WarpColors[end]]); }
    QRgb Weft(int pick) const { return ToRgb(d_.Palette[d_.WeftColors[pick]]); }
    // Pixel column of the k-th end shown (k from 0).
    int ColumnOf(int k) const { return l_.threadingFromRight ? l_.winEnds - 1 - k : k; }

    Canvas& c_;
    const Draft& d_;
    const FabricWindowLayout& l_;
};

} // namespace hm
