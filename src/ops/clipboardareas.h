#pragma once
// The areas of a draft that the clipboard commands work on, and where a
// selection lies in the draft itself.

#include <cstdint>

#include "model/draft.h"

namespace hm {

enum class SelectionKind {
    None,
    PatternThreading,
    ThreadingA,
    ThreadingB,
    TreadlingA,
    TreadlingB,
    Liftplan,
    DesignGrid,
    WarpColors,
    WeftColors,
};

inline bool IsThreadingKind(SelectionKind k) {
    return k == SelectionKind::PatternThreading || k == SelectionKind::ThreadingA ||
           k == SelectionKind::ThreadingB;
}
inline bool IsTreadlingKind(SelectionKind k) {
    return k == SelectionKind::TreadlingA || k == SelectionKind::TreadlingB;
}
// One value per end or pick, travelling as a picture.
inline bool IsThreadKind(SelectionKind k) {
    return IsThreadingKind(k) || IsTreadlingKind(k);
}
// Travelling as text.
inline bool IsColorKind(SelectionKind k) {
    return k == SelectionKind::WarpColors || k == SelectionKind::WeftColors;
}
// A picture pasted cell for cell.
inline bool IsGridKind(SelectionKind k) {
    return k == SelectionKind::Liftplan || k == SelectionKind::DesignGrid;
}
// Runs along the ends (threadings, warp colours), else along the picks.
inline bool IsEndKind(SelectionKind k) {
    return IsThreadingKind(k) || k == SelectionKind::WarpColors;
}

// Shafts of a threading's group or treadles of a treadling's (at least 1); 0 for
// the other kinds.
int GroupSize(const Draft& d, SelectionKind k);

// The one value per end or pick of a threading, treadling or colour kind;
// nullptr for the others.
OneBasedBytes<MaxEnds>* ValuesOf(Draft& d, SelectionKind k);
const OneBasedBytes<MaxEnds>* ValuesOf(const Draft& d, SelectionKind k);

// A selection in draft positions, each range ordered. Columns are ends
// (threadings, warp colours, design grid) or shafts and treadles (liftplan,
// treadlings); rows are picks (treadlings, liftplan, weft colours, design grid)
// or shafts (threadings). The first corner is (firstColumn, firstRow).
struct ClipboardArea {
    SelectionKind kind = SelectionKind::None;
    int firstColumn = 1;
    int lastColumn = 1;
    int firstRow = 1;
    int lastRow = 1;

    // The first end or pick of a kind with one value per end or pick.
    int FirstThread() const { return IsEndKind(kind) ? firstColumn : firstRow; }
    int LastThread() const { return IsEndKind(kind) ? lastColumn : lastRow; }
};

// From the cells of a view selection (visible columns and rows, ordered, as the
// mouse tools give them) to draft positions: the scroll offsets are added to
// ends and picks; shafts and treadles do not scroll.
ClipboardArea AreaOfSelection(SelectionKind kind, int colFrom, int colTo, int rowFrom, int rowTo,
                              int firstEnd, int firstPick);

// Select and Copy: ends from..to of the pattern threading or the warp colours,
// picks from..to of the weft colours, or picks from..to over liftplan columns
// 1..LiftplanWidth. A reversed pair is swapped.
ClipboardArea NumberedArea(const Draft& d, SelectionKind kind, int from, int to);

} // namespace hm
