#pragma once
// Geometry of the draft view: zoom fitting, cell pitch, visible counts, the
// position of every area, the cell mapping in both directions and the hit tests.
// Pure arithmetic over the draft's counts and flags; nothing is painted here.

#include "model/draft.h"

namespace hm {

// The areas of the draft view, as the painters and the mouse tools know them.
enum class ViewArea {
    None,
    PatternThreading,
    ThreadingA,
    ThreadingB,
    Liftplan,
    TreadlingA,
    TreadlingB,
    TieupAA,
    TieupAB,
    TieupBA,
    TieupBB,
    WarpColors,
    WeftColors,
    Drawdown,
};

// A block of cells: column u, row v (both from the grid origin, 0-based), size.
struct CellBlock {
    bool shown = false;
    int u = 0;
    int v = 0;
    int cols = 0;
    int rows = 0;
};

// A pixel rectangle, half-open: x .. x+w-1, y .. y+h-1.
struct PixelRect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    int right() const { return x + w; }
    int bottom() const { return y + h; }
    bool empty() const { return w <= 0 || h <= 0; }
    // The mouse tools' test: strictly inside, so the left and top grid lines miss.
    bool StrictlyContains(int px, int py) const {
        return x < px && px < right() && y < py && py < bottom();
    }
    bool operator==(const PixelRect&) const = default;
};

// What the view knows besides the draft: where the grid starts, the usable size
// and the "Use Grid Style in Design Mode" option.
struct ViewGeometry {
    int originX = 0;
    int originY = 7;
    int clientW = 0;
    int clientH = 0;
    bool designGridStyle = true;
};

inline constexpr int MinZoom = 1;
inline constexpr int MaxZoom = 20;

// The zoom that zoom fitting gives, starting from `fromZoom` and lowering it until
// the fixed areas fit (Draft mode). Never above fromZoom, never below 1.
int FitZoomFrom(const Draft& d, int clientW, int clientH, int fromZoom);
// The largest zoom, at most 20, at which the fixed areas of the Draft view still fit.
int LargestFittingZoom(const Draft& d, int clientW, int clientH);

class DraftLayout {
  public:
    DraftLayout() = default;
    // Arranges the areas for the draft as it is, without changing it (no fitting,
    // no scroll clamp).
    DraftLayout(const Draft& d, const ViewGeometry& g);

    // ---- view inputs and the draft values the geometry depends on ----
    ViewGeometry geometry;
    int zoom = 1;
    bool designMode = false;
    bool showThreading = true;
    bool patternShown = false; // pattern threading rows present
    bool patternOn = false;    // liftplan present
    bool threadingBOn = false;
    bool treadlingBOn = false;
    bool threadingFromRight = true;
    bool liftplanFromBottom = true;
    bool shaftOneAtBottom = true;
    int patternShafts = 0;
    int liftplanWidth = 0;
    int shaftsA = 0;
    int shaftsB = 0;
    int treadlesA = 0;
    int treadlesB = 0;
    int firstEnd = 0;
    int firstPick = 0;

    // ---- derived ----
    int cellW = 2, cellH = 2, innerW = 1, innerH = 1;
    int colsFit = 0, rowsFit = 0;
    int visibleEnds = 0, visiblePicks = 0;

    // Areas in cells. The liftplan block is as wide as PatternShafts (this places
    // the weft colour bar); its marks and grid use LiftplanWidth columns.
    CellBlock warpBar, patternThreading, threadingA, threadingB, drawdown;
    CellBlock treadlingA, treadlingB, liftplan, weftBar;
    CellBlock tieupAA, tieupAB, tieupBA, tieupBB;

    const CellBlock& Block(ViewArea area) const;
    const CellBlock& TieupBlockOf(TieupKind kind) const;

    // ---- pixels ----
    int CellX(int u) const { return geometry.originX + u * cellW; }
    int CellY(int v) const { return geometry.originY + v * cellH; }
    // The whole cell from its grid lines, cellW x cellH.
    PixelRect CellRect(int u, int v) const { return {CellX(u), CellY(v), cellW, cellH}; }
    // The painted interior inside the grid lines.
    PixelRect InteriorRect(int u, int v) const {
        return {CellX(u) + 1, CellY(v) + 1, innerW, innerH};
    }
    PixelRect BlockRect(const CellBlock& b) const {
        return {CellX(b.u), CellY(b.v), b.cols * cellW, b.rows * cellH};
    }
    // Hit rectangle of an area (empty when the area is not shown).
    PixelRect HitRect(ViewArea area) const;

    // ---- cell mapping, view to cells ----
    // Column u of visible end index i (1..visibleEnds).
    int EndColumn(int i) const;
    // Row v of visible pick index j (1..visiblePicks).
    int PickRow(int j) const;
    // Row v of shaft s in a threading area or a tie-up's shaft group.
    int ShaftRow(ViewArea area, int s) const;
    // Column u of treadle t (treadling areas) or liftplan column c.
    int TreadleColumn(ViewArea area, int t) const;
    // Number of shaft rows / treadle columns that orient the area's cells.
    int ShaftCount(ViewArea area) const;
    int TreadleCount(ViewArea area) const;

    // ---- cell mapping, pixels to cells (results below 0 become 0) ----
    int EndIndexAt(int x) const;               // visible end index
    int PickIndexAt(int y) const;              // visible pick index
    int ShaftAt(ViewArea area, int y) const;   // threading areas and tie-ups
    int TreadleAt(ViewArea area, int x) const; // treadlings, liftplan and tie-ups
    int EndAt(int x) const { return EndIndexAt(x) + firstEnd; }
    int PickAt(int y) const { return PickIndexAt(y) + firstPick; }

    // ---- hit tests ----
    // The mouse tools' area test: the area is shown and active and the point lies
    // strictly inside its rectangle.
    bool AreaContains(ViewArea area, int x, int y) const;
    // The first area containing the point, in the order the drawing tools test
    // them; the drawdown only in Design mode unless includeDrawdown.
    ViewArea AreaAt(int x, int y, bool includeDrawdown = false) const;
};

// Layout as the view runs it: zoom fitting (Draft mode; lowers d.Zoom), the
// areas, and the scroll clamp of FirstEnd / FirstPick.
struct LayoutResult {
    DraftLayout layout;
    bool zoomLowered = false;
};
LayoutResult Layout(Draft& d, const ViewGeometry& g);

} // namespace hm
