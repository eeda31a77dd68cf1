#include "ops/clipboardareas.h"

#include <algorithm>
#include <utility>

namespace hm {

int GroupSize(const Draft& d, SelectionKind k) {
    int n = 0;
    switch (k) {
    case SelectionKind::PatternThreading:
        n = std::min(d.PatternShafts, MaxPatternShafts);
        break;
    case SelectionKind::ThreadingA:
        n = std::min(d.ShaftsA, MaxShafts);
        break;
    case SelectionKind::ThreadingB:
        n = std::min(d.ShaftsB, MaxShafts);
        break;
    case SelectionKind::TreadlingA:
        n = std::min(d.TreadlesA, MaxTreadles);
        break;
    case SelectionKind::TreadlingB:
        n = std::min(d.TreadlesB, MaxTreadles);
        break;
    default:
        return 0;
    }
    return std::max(n, 1);
}

// The end and pick arrays have the same capacity, so one type serves both.
static_assert(MaxEnds == MaxPicks);

const OneBasedBytes<MaxEnds>* ValuesOf(const Draft& d, SelectionKind k) {
    switch (k) {
    case SelectionKind::PatternThreading:
        return &d.PatternThreading;
    case SelectionKind::ThreadingA:
        return &d.ThreadingA;
    case SelectionKind::ThreadingB:
        return &d.ThreadingB;
    case SelectionKind::TreadlingA:
        return &d.TreadlingA;
    case SelectionKind::TreadlingB:
        return &d.TreadlingB;
    case SelectionKind::WarpColors:
        return &d.WarpColors;
    case SelectionKind::WeftColors:
        return &d.WeftColors;
    default:
        return nullptr;
    }
}

OneBasedBytes<MaxEnds>* ValuesOf(Draft& d, SelectionKind k) {
    return const_cast<OneBasedBytes<MaxEnds>*>(ValuesOf(std::as_const(d), k));
}

ClipboardArea AreaOfSelection(SelectionKind kind, int colFrom, int colTo, int rowFrom, int rowTo,
                              int firstEnd, int firstPick) {
    ClipboardArea a;
    a.kind = kind;
    if (colFrom > colTo) std::swap(colFrom, colTo);
    if (rowFrom > rowTo) std::swap(rowFrom, rowTo);
    const bool endColumns = IsEndKind(a.kind) || a.kind == SelectionKind::DesignGrid;
    const bool pickRows = !IsEndKind(a.kind);
    const int dc = endColumns ? firstEnd : 0;
    const int dr = pickRows ? firstPick : 0;
    a.firstColumn = colFrom + dc;
    a.lastColumn = colTo + dc;
    a.firstRow = rowFrom + dr;
    a.lastRow = rowTo + dr;
    return a;
}

ClipboardArea NumberedArea(const Draft& d, SelectionKind kind, int from, int to) {
    if (from > to) std::swap(from, to);
    ClipboardArea a;
    a.kind = kind;
    if (IsEndKind(kind)) {
        a.firstColumn = from;
        a.lastColumn = to;
        a.firstRow = 1;
        a.lastRow = std::max(GroupSize(d, kind), 1);
    } else if (kind == SelectionKind::Liftplan) {
        a.firstColumn = 1;
        a.lastColumn = std::clamp(d.LiftplanWidth, 1, MaxPatternShafts);
        a.firstRow = from;
        a.lastRow = to;
    } else {
        a.firstColumn = 1;
        a.lastColumn = std::max(GroupSize(d, kind), 1);
        a.firstRow = from;
        a.lastRow = to;
    }
    return a;
}

} // namespace hm
