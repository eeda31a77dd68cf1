#pragma once
// Reversing plans: the liftplan (lifted and lowered exchanged), the order of the
// picks, and the ties of the ground tie-ups.

#include "model/draft.h"
#include "ops/structurechange.h"

namespace hm {

// Draft mode: with the pattern tie-up, its cells over PatternShafts x
// LiftplanWidth exchange 0 and 1; otherwise every liftplan cell of picks
// 1..Picks and shafts 1..PatternShafts is inverted. Design mode: the used area
// of the picture (columns up to the last set one, rows up to the last set one)
// is inverted, and then the liftplan as above.
StructureChange ReverseLiftplan(Draft& d);

// Exchanges pick j with pick U+1-j (U the last used pick) in the treadlings,
// the weft colours and the liftplan rows; picks after U stay.
StructureChange ReverseWeftOrder(Draft& d);

// In each ground tie-up, over the shafts and treadles in use, ties (1) and
// empty cells (0) exchange; pattern ties (2) stay.
StructureChange ReverseTieups(Draft& d);

} // namespace hm
