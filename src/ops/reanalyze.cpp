#include "ops/reanalyze.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "ops/switchshafts.h"

namespace hm {

bool CanReanalyze(const Draft& d, int lastEnd, int lastPick) {
    return !d.DesignMode && d.HasThreadingIn(lastEnd) && d.HasTreadlingIn(lastPick);
}

namespace {

// The picks on which each pattern shaft lifts, as bit columns over every pick.
// Two ends weave alike exactly when their shafts' columns are equal, so these
// columns stand for the columns of the design picture, over the whole draft
// rather than the 2400 x 2400 that the picture holds.
class ShaftColumns {
  public:
    static constexpr int Words = (MaxPicks + 63) / 64;

    explicit ShaftColumns(const Draft& d) : bits_(static_cast<size_t>(MaxPatternShafts) * Words) {
        for (int pick = 1; pick <= MaxPicks; ++pick) {
            const uint8_t* row = d.LiftplanRow(pick);
            const uint64_t bit = uint64_t{1} << ((pick - 1) % 64);
            for (int b = 0; b < LiftplanRowBytes; ++b) {
                for (unsigned v = row[b]; v; v &= v - 1)
                    Column(b * 8 + __builtin_ctz(v) + 1)[(pick - 1) / 64] |= bit;
            }
        }
    }
    bool Empty(int shaft) const {
        const uint64_t* c = Column(shaft);
        return std::all_of(c, c + Words, [](uint64_t w) { return w == 0; });
    }
    bool Same(int a, int b) const { return std::equal(Column(a), Column(a) + Words, Column(b)); }

  private:
    uint64_t* Column(int shaft) { return &bits_[static_cast<size_t>(shaft - 1) * Words]; }
    const uint64_t* Column(int shaft) const {
        return &bits_[static_cast<size_t>(shaft - 1) * Words];
    }
    std::vector<uint64_t> bits_;
};

} // namespace

StructureChange ReanalyzePattern(Draft& d) {
    if (d.DesignMode) return StructureChange::Unchanged();
    d.UpdateExtents();
    if (d.LastLiftplanPick(MaxPicks) == 0) return StructureChange::Unchanged();
    d.ResetScroll();

    // New shaft of every old shaft, numbered as the old shafts first occur
    // along the threading; 0 for a shaft that never lifts. With a sinking shed
    // an end whose shaft is never marked stays up where the ground does not
    // act, which an end without a pattern shaft does not, so it keeps one.
    const ShaftColumns columns(d);
    const bool emptyColumnsWeave = d.SinkingShed;
    std::array<uint8_t, MaxPatternShafts + 1> newShaft{};
    std::array<bool, MaxPatternShafts + 1> decided{};
    std::array<int, MaxPatternShafts + 1> firstOldShaft{}; // of each new shaft
    int count = 0;
    for (int e = 1; e <= MaxEnds; ++e) {
        const int s = d.PatternThreading[e];
        if (s < 1 || s > MaxPatternShafts || decided[s]) continue;
        decided[s] = true;
        if (!emptyColumnsWeave && columns.Empty(s)) continue;
        int same = 1;
        while (same <= count && !columns.Same(firstOldShaft[same], s)) ++same;
        if (same > count) firstOldShaft[++count] = s;
        newShaft[s] = static_cast<uint8_t>(same);
    }

    for (int e = 1; e <= MaxEnds; ++e) {
        const int s = d.PatternThreading[e];
        d.PatternThreading[e] = s >= 1 && s <= MaxPatternShafts ? newShaft[s] : 0;
    }
    for (int pick = 1; pick <= MaxPicks; ++pick) {
        std::array<uint8_t, LiftplanRowBytes> old;
        std::memcpy(old.data(), d.LiftplanRow(pick), LiftplanRowBytes);
        std::memset(d.LiftplanRow(pick), 0, LiftplanRowBytes);
        for (int n = 1; n <= count; ++n) {
            const int s = firstOldShaft[n];
            if ((old[(s - 1) / 8] >> ((s - 1) % 8)) & 1) d.SetLiftplan(pick, n, true);
        }
    }

    d.PatternShafts = std::max(count, 2);
    d.LiftplanWidth = d.PatternShafts;
    ArrangeShaftsByRepeat(d);
    d.UpdateExtents();
    return StructureChange::Changed(true);
}

} // namespace hm
