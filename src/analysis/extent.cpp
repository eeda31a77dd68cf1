#include "analysis/extent.h"

#include <algorithm>

namespace hm {

int EndLimit(const Draft& d) {
    return std::clamp(d.Ends, 0, MaxEnds);
}

int PickLimit(const Draft& d) {
    return std::clamp(d.Picks, 0, MaxPicks);
}

int AnalysedEnds(const Draft& d) {
    const int n = EndLimit(d);
    const int pattern = d.PatternThreadingOn ? d.LastPatternEnd(n) : 0;
    return pattern > 0 ? pattern : d.LastUsedEnd(n);
}

int AnalysedPicks(const Draft& d) {
    return d.LastUsedPick(PickLimit(d));
}

} // namespace hm
