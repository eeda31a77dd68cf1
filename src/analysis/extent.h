#pragma once
// How far the reports look into the draft.

#include "model/draft.h"

namespace hm {

// Ends and picks within the draft's size (Ends, Picks), cut to the capacities.
int EndLimit(const Draft& d);
int PickLimit(const Draft& d);

// The ends the float and colour reports look at: the last end of the pattern
// threading when the pattern level is on and threaded; a draft woven on its
// ground alone (pattern level off or empty) uses the last end of the ground
// threadings in use instead. 0 when nothing is threaded.
int AnalysedEnds(const Draft& d);
// The last pick of the treadlings in use and, with the pattern level on, of the
// liftplan; 0 when there is none.
int AnalysedPicks(const Draft& d);

} // namespace hm
