#pragma once
// Geometry of the three fabric views: which ends and picks the cloth has (its
// extent), the cell size of the Fabric and Drapery views, the visible counts of
// every fabric view and the status text they show. Pure arithmetic.

#include "model/draft.h"

namespace hm {

enum class FabricKind { Fabric = 0, Drapery = 1, Interlacement = 2 };

// The main window's drawing area: x from 0, y from `top`.
struct DrawingArea {
    int top = 0;
    int width = 0;
    int height = 0;
};

// FabricEnds and FabricPicks: the last end with a threading entry of a level in
// use and the last pick with a treadling entry or (pattern level on) a raised
// liftplan cell, within Ends and Picks; 0 when there is none.
struct FabricExtent {
    int ends = 0;
    int picks = 0;
};
FabricExtent ComputeFabricExtent(const Draft& d);

// An end is threaded when threading A, the pattern threading (pattern level on)
// or threading B (group B on) has an entry for it. Only threaded ends show warp.
bool EndThreaded(const Draft& d, int end);

struct FabricLayout {
    FabricKind kind = FabricKind::Fabric;
    DrawingArea area;
    int zoom = 1;
    int cellW = 1; // FabricCellWidth (Fabric and Drapery)
    int cellH = 1; // FabricCellHeight: the height of one displayed row
    int visibleEnds = 0;
    int visiblePicks = 0;
    int firstEnd = 0; // FabricFirstEnd, FabricFirstPick after the extent check
    int firstPick = 0;
    int ends = 0; // the draft's Ends and Picks within the capacities
    int picks = 0;
    FabricExtent extent;
    bool compression = false;
    bool threadingFromRight = true;

    // The last end and pick shown: limited by the visible counts, the draft's
    // counts and the extent.
    int LastEnd() const;
    int LastPick() const;
};

// The layout of a fabric view of the given kind and zoom (FabricZoom for Fabric
// and Drapery, InterlacementZoom for Interlacement). Cells: the denser of the
// two thread directions gets `zoom` pixels per thread and the other direction
// proportionally more, by Epi and Ppi; with FabricCompression a displayed row
// (two picks) is twice as high and twice as many picks are visible.
// The Interlacement view draws every end 14 and every pick 18 bitmap pixels
// wide, scaled so that zoom 11 shows them at that size.
FabricLayout MakeFabricLayout(const Draft& d, FabricKind kind, int zoom, const DrawingArea& area);

// MakeFabricLayout after the extent check every fabric-view paint starts with:
// an offset not below the extent (FabricFirstEnd >= FabricEnds, likewise picks)
// returns to 0 in the draft.
FabricLayout LayoutFabricView(Draft& d, FabricKind kind, int zoom, const DrawingArea& area);

// The fabric views scroll over the extent: an offset is kept within
// 0..extent - visible (0 when the cloth is smaller than the window).
int ClampFabricOffset(int offset, int visible, int extent);

// The text key status panel 3 shows in a fabric view: "@compressed" in the
// Fabric and Drapery views with FabricCompression on, else nullptr (panel empty).
const char* FabricStatusKey(FabricKind kind, bool compression);

} // namespace hm
