#include "ops/straightthreading.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

#include "ops/repeatlength.h"

namespace hm {

Message StraightThreadingCheck(const Draft& d, int lastEnd, int lastPick) {
    if (d.HasThreadingIn(lastEnd) && d.HasTreadlingIn(lastPick)) return {};
    return Message{MessageKind::Information, "@globnopat", {}};
}

StructureChange StraightPatternThreading(Draft& d) {
    if (d.DesignMode) return StructureChange::Unchanged();
    d.UpdateExtents();
    // The repeat of the ends that carry a pattern shaft: empty ends after the
    // last of them are no part of it.
    const int lastEnd = d.LastPatternEnd(std::min(d.Ends, MaxEnds));
    if (lastEnd == 0) return StructureChange::Information("@globnopat");
    const RepeatSearch repeat = RepeatLength(d.PatternThreading.data(), lastEnd);
    if (!repeat.found) return StructureChange::Information("@straightnorepeat");
    const int r = repeat.length;
    if (r > MaxStraightShafts)
        return {false, false, {{MessageKind::Information, "@toostraight", std::to_string(r)}}};

    // The old shaft of every end of the repeat; ends further on repeat them.
    std::array<uint8_t, MaxStraightShafts + 1> oldShaft{};
    for (int e = 1; e <= r; ++e) oldShaft[e] = d.PatternThreading[e];

    for (int e = 1; e <= lastEnd; ++e)
        if (d.PatternThreading[e] != 0)
            d.PatternThreading[e] = static_cast<uint8_t>((e - 1) % r + 1);

    for (int pick = 1; pick <= MaxPicks; ++pick) {
        std::array<uint8_t, LiftplanRowBytes> old;
        std::memcpy(old.data(), d.LiftplanRow(pick), LiftplanRowBytes);
        std::memset(d.LiftplanRow(pick), 0, LiftplanRowBytes);
        for (int e = 1; e <= r; ++e) {
            const int s = oldShaft[e];
            if (s >= 1 && s <= MaxPatternShafts && ((old[(s - 1) / 8] >> ((s - 1) % 8)) & 1))
                d.SetLiftplan(pick, e, true);
        }
    }

    d.PatternShafts = std::max(r, 2);
    d.LiftplanWidth = d.PatternShafts;
    d.UpdateExtents();
    return StructureChange::Changed(true);
}

} // namespace hm
