#pragma once
// Float counting: the runs of consecutive crossings where one thread stays on
// the same face of the cloth, along every end and along every pick.

#include <cstdint>

#include "model/draft.h"

namespace hm {

// What is kept for one kind of float (warp or weft, over or under).
struct FloatStats {
    int longest = 0;      // the longest run
    int longestCount = 0; // how many runs have that length
    // Where the first longest run lies: for warp floats its end and its first
    // pick, for weft floats its first end and its pick (0 when there is none).
    int end = 0;
    int pick = 0;
    int64_t runs = 0;  // number of runs
    int64_t total = 0; // sum of their lengths
};

struct FloatCounts {
    FloatStats warpOver, warpUnder, weftOver, weftUnder;
};

// Counts the floats of ends 1..ends and picks 1..picks (each at least 1 and
// within the draft's capacity; in Design mode within the picture) through the
// drawdown. A run ends at the last pick or end counted; nothing wraps round.
// "First" follows the order of the walk: warp floats end by end and, within an
// end, from pick 1 up; weft floats pick by pick and, within a pick, from end 1.
FloatCounts CountFloats(const Draft& d, int ends, int picks);

} // namespace hm
