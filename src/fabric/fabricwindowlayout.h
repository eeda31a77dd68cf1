#pragma once
// Geometry of the floating fabric window (one pixel per end and pick): its size
// and scroll bars, its place beside the main window, the mapping between its
// pixels and the draft's ends and picks, and click-to-centre in the draft view.

#include "model/draft.h"

namespace hm {

// The window may not be smaller than this (outer size, both directions).
inline constexpr int FabricWindowMinimumSize = 100;

// A scroll bar: range 0..maximum, page size, and its position.
struct FabricScrollBar {
    int maximum = 0;
    int page = 1;
    int position = 0;
};

struct FabricWindowLayout {
    int clientW = 0, clientH = 0;  // client area (with the scroll bars when shown)
    bool scrollBars = false;       // both shown, or both hidden
    int winEnds = 0, winPicks = 0; // the cloth area: WinEnds x WinPicks pixels
    int winFirstEnd = 0, winFirstPick = 0;
    int ends = 0, picks = 0; // the draft's Ends and Picks
    bool threadingFromRight = true;
    bool liftplanFromBottom = true;

    // ---- pixels and threads ----
    // The end shown by pixel column x and the pick by pixel row y (any value:
    // the caller checks them against 1..ends and 1..picks).
    int EndAt(int x) const;
    int PickAt(int y) const;
    // The pixel column of an end and the row of a pick, -1 outside the window.
    int XOfEnd(int end) const;
    int YOfPick(int pick) const;
    // The last end and pick shown.
    int LastEnd() const;
    int LastPick() const;

    // ---- scrolling ----
    // Ranges over Ends and Picks with pages WinEnds and WinPicks; the horizontal
    // bar runs backwards with ThreadingFromRight, the vertical with LiftplanFromBottom.
    FabricScrollBar Horizontal() const;
    FabricScrollBar Vertical() const;
    // The end of a scroll: the offset for a bar position, kept within range.
    void ScrollHorizontalTo(int position);
    void ScrollVerticalTo(int position);
};

// Sizes the window for its client area: a client wider than Ends shrinks to the
// larger of Ends and 99 pixels, likewise the height with Picks; when the client
// holds every end and pick the scroll bars are hidden, otherwise both are shown
// and take their thickness from the cloth area. The offsets start at 0.
FabricWindowLayout SizeFabricWindow(const Draft& d, int clientW, int clientH,
                                    int scrollBarThickness);

// Where ShowFabricWindow places the window: 8 pixels right of the main window;
// 32 pixels below its top when the main window is less tall than the fabric
// window, otherwise below the drawing area's top by 7 and two thirds of the
// screen height the fabric window leaves free (whole thirds).
struct WindowPosition {
    int left = 0;
    int top = 0;
};
WindowPosition PlaceFabricWindow(int mainLeft, int mainTop, int mainHeight, int drawingTop,
                                 int screenHeight, int fabricWindowHeight);

// Click-to-centre: scrolls the draft view so that the clicked end and pick are
// in the middle (FirstEnd := end - visibleEnds / 2, likewise picks), kept
// within the scroll range as the layout keeps it. True when either offset
// changed (the view then needs Update).
bool CentreDraftOn(Draft& d, int end, int pick, int visibleEnds, int visiblePicks);

} // namespace hm
