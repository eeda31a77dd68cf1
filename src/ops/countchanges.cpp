#include "ops/countchanges.h"

#include <algorithm>

namespace hm {

namespace {

template <int N> void FoldAll(OneBasedBytes<N>& entries, int n) {
    for (int i = 1; i <= N; ++i) entries[i] = FoldEntry(entries[i], n);
}

} // namespace

DraftCounts CountsOf(const Draft& d) {
    return {d.Ends, d.Picks, d.PatternShafts, d.ShaftsA, d.ShaftsB, d.TreadlesA, d.TreadlesB};
}

uint8_t FoldEntry(uint8_t v, int n) {
    if (n < 1 || v <= n) return v;
    const int folded = v % n;
    return static_cast<uint8_t>(folded == 0 ? n : folded);
}

void ApplyCountChanges(Draft& d, const DraftCounts& before) {
    d.Ends = std::clamp(d.Ends, 2, MaxEnds);
    d.Picks = std::clamp(d.Picks, 2, MaxPicks);
    d.PatternShafts = std::clamp(d.PatternShafts, 2, MaxPatternShafts);
    d.ShaftsA = std::clamp(d.ShaftsA, 2, MaxShafts);
    d.ShaftsB = std::clamp(d.ShaftsB, 2, MaxShafts);
    d.TreadlesA = std::clamp(d.TreadlesA, 2, MaxTreadles);
    d.TreadlesB = std::clamp(d.TreadlesB, 2, MaxTreadles);

    if (d.Ends < before.Ends) {
        d.ClearPatternThreading(d.Ends + 1);
        d.ClearThreadingA(d.Ends + 1);
        d.ClearThreadingB(d.Ends + 1);
        d.ClearWarpColors(d.Ends + 1);
    }
    if (d.Picks < before.Picks) {
        d.ClearLiftplan(d.Picks + 1);
        d.ClearTreadlingA(d.Picks + 1);
        d.ClearTreadlingB(d.Picks + 1);
        d.ClearWeftColors(d.Picks + 1);
    }
    if (d.PatternShafts < before.PatternShafts) FoldAll(d.PatternThreading, d.PatternShafts);
    if (d.ShaftsA < before.ShaftsA) FoldAll(d.ThreadingA, d.ShaftsA);
    if (d.ShaftsB < before.ShaftsB) FoldAll(d.ThreadingB, d.ShaftsB);
    if (d.TreadlesA < before.TreadlesA) FoldAll(d.TreadlingA, d.TreadlesA);
    if (d.TreadlesB < before.TreadlesB) FoldAll(d.TreadlingB, d.TreadlesB);
}

} // namespace hm
