#include "analysis/repeats.h"

#include <algorithm>
#include <numeric>

#include "analysis/extent.h"
#include "ops/repeatlength.h"

namespace hm {

namespace {

SequenceRepeat FromSearch(const RepeatSearch& s, int searched) {
    if (searched <= 0) return {0, true};
    return {s.found ? s.length : 0, s.found};
}

template <int N> SequenceRepeat OfBytes(const OneBasedBytes<N>& sequence, int limit) {
    const int last = sequence.LastNonZero(limit);
    return FromSearch(RepeatLength(sequence.data(), last), last);
}

template <int N> SequenceRepeat OfColours(const OneBasedBytes<N>& colours, int size, int lastUsed) {
    return FromSearch(ColorRepeatLength(colours.data(), size, lastUsed), std::min(size, lastUsed));
}

} // namespace

DraftRepeats FindDraftRepeats(const Draft& d) {
    const int ends = EndLimit(d), picks = PickLimit(d);
    DraftRepeats r;
    r.patternThreading = OfBytes(d.PatternThreading, ends);
    r.warpColors = OfColours(d.WarpColors, ends, d.LastUsedEnd(ends));
    r.threadingA = OfBytes(d.ThreadingA, ends);
    r.threadingB = OfBytes(d.ThreadingB, ends);
    const int liftplanPicks = d.LastLiftplanPick(picks);
    r.liftplan = FromSearch(LiftplanRepeatLength(d, liftplanPicks), liftplanPicks);
    r.weftColors = OfColours(d.WeftColors, picks, d.LastUsedPick(picks));
    r.treadlingA = OfBytes(d.TreadlingA, picks);
    r.treadlingB = OfBytes(d.TreadlingB, picks);
    return r;
}

int TotalRepeat(SequenceRepeat a, SequenceRepeat b, int limit) {
    if (!a.found || !b.found) return 0;
    const int64_t total = std::lcm(static_cast<int64_t>(std::max(a.length, 1)),
                                   static_cast<int64_t>(std::max(b.length, 1)));
    return total <= limit ? static_cast<int>(total) : 0;
}

} // namespace hm
