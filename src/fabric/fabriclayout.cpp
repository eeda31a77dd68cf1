#include "fabric/fabriclayout.h"

#include <algorithm>

namespace hm {

bool EndThreaded(const Draft& d, int end) {
    if (end < 1 || end > MaxEnds) return false;
    return d.ThreadingA[end] || (d.PatternThreadingOn && d.PatternThreading[end]) ||
           (d.ThreadingBOn && d.ThreadingB[end]);
}

FabricExtent ComputeFabricExtent(const Draft& d) {
    FabricExtent x;
    for (int e = std::clamp(d.Ends, 0, MaxEnds); e >= 1; --e)
        if (EndThreaded(d, e)) {
            x.ends = e;
            break;
        }
    for (int p = std::clamp(d.Picks, 0, MaxPicks); p >= 1; --p) {
        bool used = d.TreadlingA[p] || (d.TreadlingBOn && d.TreadlingB[p]);
        if (!used && d.PatternThreadingOn) {
            const uint8_t* row = d.LiftplanRow(p);
            used = std::any_of(row, row + LiftplanRowBytes, [](uint8_t b) { return b != 0; });
        }
        if (used) {
            x.picks = p;
            break;
        }
    }
    return x;
}

int FabricLayout::LastEnd() const {
    return std::max(firstEnd, std::min({firstEnd + visibleEnds, ends, extent.ends}));
}

int FabricLayout::LastPick() const {
    return std::max(firstPick, std::min({firstPick + visiblePicks, picks, extent.picks}));
}

namespace {

// Pixels per thread for a direction of `density` threads per unit.
int CellSize(int zoom, int density, int denser) {
    return std::clamp((zoom * denser + density / 2) / density, 1, 1000);
}

} // namespace

FabricLayout MakeFabricLayout(const Draft& d, FabricKind kind, int zoom, const DrawingArea& area) {
    FabricLayout l;
    l.kind = kind;
    l.area = area;
    l.zoom = std::clamp(zoom, 1, 20);
    l.ends = std::clamp(d.Ends, 0, MaxEnds);
    l.picks = std::clamp(d.Picks, 0, MaxPicks);
    l.extent = ComputeFabricExtent(d);
    l.compression = d.FabricCompression;
    l.threadingFromRight = d.ThreadingFromRight;
    l.firstEnd = std::max(0, d.FabricFirstEnd);
    l.firstPick = std::max(0, d.FabricFirstPick);
    if (l.firstEnd >= l.extent.ends) l.firstEnd = 0;
    if (l.firstPick >= l.extent.picks) l.firstPick = 0;
    const int w = std::max(0, area.width), h = std::max(0, area.height);

    if (kind == FabricKind::Interlacement) {
        // Bitmap: 14 pixels per end plus 12, 18 per pick plus 16, scaled onto
        // the area less a 5 and 4 pixel border.
        const int pitch = l.zoom + 3;
        l.visibleEnds = std::max(1, ((w - 9) * 14 / pitch - 12) / 14);
        l.visiblePicks = std::max(1, ((h - 9) * 14 / pitch - 16) / 18);
        return l;
    }
    const int epi = std::clamp(d.Epi, 2, 250), ppi = std::clamp(d.Ppi, 2, 250);
    const int denser = std::max(epi, ppi);
    l.cellW = CellSize(l.zoom, epi, denser);
    l.cellH = CellSize(l.zoom, ppi, denser) * (l.compression ? 2 : 1);
    l.visibleEnds = w / l.cellW;
    l.visiblePicks = h / l.cellH * (l.compression ? 2 : 1);
    return l;
}

FabricLayout LayoutFabricView(Draft& d, FabricKind kind, int zoom, const DrawingArea& area) {
    FabricLayout l = MakeFabricLayout(d, kind, zoom, area);
    d.FabricFirstEnd = l.firstEnd;
    d.FabricFirstPick = l.firstPick;
    return l;
}

int ClampFabricOffset(int offset, int visible, int extent) {
    return std::clamp(offset, 0, std::max(0, extent - visible));
}

const char* FabricStatusKey(FabricKind kind, bool compression) {
    return kind != FabricKind::Interlacement && compression ? "@compressed" : nullptr;
}

} // namespace hm
