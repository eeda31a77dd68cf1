#pragma once
// The draft's counters kept within the capacities of its arrays, so that an
// operation never reads or writes past an array whatever the counters hold.

#include <algorithm>

#include "model/draft.h"

namespace hm {

inline constexpr int PatternTieupSize = 32; // rows and columns of PatternTieup

inline int EndCount(const Draft& d) {
    return std::clamp(d.Ends, 0, MaxEnds);
}
inline int PickCount(const Draft& d) {
    return std::clamp(d.Picks, 0, MaxPicks);
}
inline int PatternShaftCount(const Draft& d) {
    return std::clamp(d.PatternShafts, 0, MaxPatternShafts);
}
inline int LiftplanColumnCount(const Draft& d) {
    return std::clamp(d.LiftplanWidth, 0, MaxPatternShafts);
}
// The pattern tie-up's rows (pattern shafts) and columns (pattern treadles) in use.
inline int PatternTieupRows(const Draft& d) {
    return std::clamp(d.PatternShafts, 0, PatternTieupSize);
}
inline int PatternTieupColumns(const Draft& d) {
    return std::clamp(d.LiftplanWidth, 0, PatternTieupSize);
}
inline int GroundCount(int count) {
    return std::clamp(count, 0, MaxShafts);
}

} // namespace hm
