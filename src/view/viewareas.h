#pragma once
// Which arrays of the draft an area of the view shows: the painters, the mouse
// tools and the main window all ask here, so the mapping exists once.

#include "model/draft.h"
#include "view/draftlayout.h"

namespace hm {

inline constexpr ViewArea ThreadingAreas[] = {ViewArea::PatternThreading, ViewArea::ThreadingA,
                                              ViewArea::ThreadingB};
inline constexpr ViewArea TreadlingAreas[] = {ViewArea::TreadlingA, ViewArea::TreadlingB};

inline bool IsThreadingArea(ViewArea a) {
    return a == ViewArea::PatternThreading || a == ViewArea::ThreadingA ||
           a == ViewArea::ThreadingB;
}
inline bool IsTreadlingArea(ViewArea a) {
    return a == ViewArea::TreadlingA || a == ViewArea::TreadlingB;
}
// Threadings and treadlings are sequences: one entry per end (pick), naming its
// shaft (treadle).
inline bool IsSequenceArea(ViewArea a) {
    return IsThreadingArea(a) || IsTreadlingArea(a);
}
inline bool IsTieupArea(ViewArea a) {
    return a == ViewArea::TieupAA || a == ViewArea::TieupAB || a == ViewArea::TieupBA ||
           a == ViewArea::TieupBB;
}
inline bool IsColourBarArea(ViewArea a) {
    return a == ViewArea::WarpColors || a == ViewArea::WeftColors;
}

// The threading a threading area shows; nullptr for any other area.
template <typename D> auto* ThreadingOfArea(D& d, ViewArea a) {
    switch (a) {
    case ViewArea::PatternThreading:
        return &d.PatternThreading;
    case ViewArea::ThreadingA:
        return &d.ThreadingA;
    case ViewArea::ThreadingB:
        return &d.ThreadingB;
    default:
        return static_cast<decltype(&d.ThreadingA)>(nullptr);
    }
}

// The treadling a treadling area shows; nullptr for any other area.
template <typename D> auto* TreadlingOfArea(D& d, ViewArea a) {
    switch (a) {
    case ViewArea::TreadlingA:
        return &d.TreadlingA;
    case ViewArea::TreadlingB:
        return &d.TreadlingB;
    default:
        return static_cast<decltype(&d.TreadlingA)>(nullptr);
    }
}

// The threading or treadling a sequence area shows; nullptr for any other area.
template <typename D> auto* SequenceOfArea(D& d, ViewArea a) {
    static_assert(MaxEnds == MaxPicks, "threadings and treadlings share one array type");
    return IsThreadingArea(a) ? ThreadingOfArea(d, a) : TreadlingOfArea(d, a);
}

inline ViewArea AreaOfTieup(TieupKind k) {
    switch (k) {
    case TieupKind::AA:
        return ViewArea::TieupAA;
    case TieupKind::AB:
        return ViewArea::TieupAB;
    case TieupKind::BA:
        return ViewArea::TieupBA;
    case TieupKind::BB:
        return ViewArea::TieupBB;
    }
    return ViewArea::TieupAA;
}

// The tie-up a tie-up area shows (AA for any other area).
inline TieupKind TieupOfArea(ViewArea a) {
    switch (a) {
    case ViewArea::TieupAB:
        return TieupKind::AB;
    case ViewArea::TieupBA:
        return TieupKind::BA;
    case ViewArea::TieupBB:
        return TieupKind::BB;
    default:
        return TieupKind::AA;
    }
}

} // namespace hm
