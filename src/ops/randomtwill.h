#pragma once
// The random twill ("Twill Variations"): a random first column of raised and
// lowered shafts, kept free of long floats across its ends and balanced, then
// shifted by one shaft per treadle in one direction.
//
// Columns are vectors of 0/1 with index 0 for shaft 1.

#include <cstdint>
#include <vector>

#include "ops/randomsource.h"

namespace hm {

using TwillColumn = std::vector<uint8_t>;

// Runs of equal values down shafts 1..S, starting with a coin; each run is
// random(b) + 1 long, where the bound b is 1 for 2 shafts, random(5) + 1 from
// 10 shafts on, else random(S div 2) + 1 (one more for odd S with a coin).
TwillColumn TwillRuns(int shafts, RandomSource& random);
// When shafts 1 and S have the same value and the runs at both ends together are
// longer than 5, the longer run loses its outer cell.
void BreakWrapFloat(TwillColumn& column);
// Sets random shafts until h = S div 2 (or, for odd S, h + 1) shafts are raised.
void BalanceColumn(TwillColumn& column, RandomSource& random);
// The three steps in order.
TwillColumn RandomTwillColumn(int shafts, RandomSource& random);

// Column t + 1 is column t shifted by one shaft: with `up`, shaft s takes the
// value of shaft s + 1 (shaft S takes shaft 1's), otherwise that of shaft s - 1.
TwillColumn ShiftColumn(const TwillColumn& column, bool up);

} // namespace hm
