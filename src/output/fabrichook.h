#pragma once
// How printing and image export reach the Fabric view's painter: one function
// type, and the one place that names the painter the program uses.

#include <functional>

#include "model/draft.h"
#include "view/canvas.h"

namespace hm {

// The cloth to paint: ends firstEnd..lastEnd and picks firstPick..lastPick,
// each end cellW pixels wide and each displayed row cellH pixels high (with
// FabricCompression a displayed row is two picks, and the pick count is even).
struct FabricSpan {
    int firstEnd = 1;
    int lastEnd = 0;
    int firstPick = 1;
    int lastPick = 0;
    int cellW = 1;
    int cellH = 1;
    int Ends() const { return lastEnd - firstEnd + 1; }
    int Picks() const { return lastPick - firstPick + 1; }
    // Rows on the canvas: the picks, or half of them with compression.
    int Rows(bool compression) const { return compression ? Picks() / 2 : Picks(); }
};

// Paints the span's cloth as the Fabric view does onto a canvas exactly
// Ends() x cellW wide and Rows() x cellH high, already cleared to the
// background colour: the warp stands on the canvas's bottom edge, ends run
// from the right with ThreadingFromRight, the first pick is the lowest row,
// and unthreaded ends leave the background.
using FabricPainter = std::function<void(Canvas& canvas, const Draft& d, const FabricSpan& span)>;

// The painter that Print Fabric, Save Fabric as PNG and heddlemark-cli use.
// Empty while the Fabric view's painter is not joined here; the callers then
// report that the fabric picture is not available.
FabricPainter OutputFabricPainter();

} // namespace hm
