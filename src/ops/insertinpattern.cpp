#include "ops/insertinpattern.h"

#include <algorithm>
#include <vector>

namespace hm {

StructureChange InsertInPatternThreading(Draft& d, int interval, bool fromEndOne) {
    interval = std::clamp(interval, 1, MaxInsertInterval);
    d.UpdateExtents();
    const int used = std::clamp(d.UsedEnds, 0, MaxEnds);
    if (used == 0) return StructureChange::Unchanged();
    const std::vector<uint8_t> old(d.PatternThreading.data(), d.PatternThreading.data() + used);

    int end = 1;
    if (fromEndOne) d.PatternThreading[end++] = 0;
    int sinceGap = 0;
    for (const uint8_t shaft : old) {
        if (end > MaxEnds) break;
        d.PatternThreading[end] = shaft;
        if (++sinceGap == interval && end < MaxEnds) {
            d.PatternThreading[end + 1] = 0;
            end += 2;
            sinceGap = 0;
        } else {
            ++end;
        }
    }
    d.UpdateExtents();
    return StructureChange::Changed(true);
}

} // namespace hm
