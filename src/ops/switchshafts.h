#pragma once
// Exchanging two pattern shafts or two pattern treadles, and putting the pattern
// shafts in the order of their repeat distances.

#include "model/draft.h"
#include "ops/structurechange.h"

namespace hm {

// Exchanges pattern shafts a and b (1..PatternShafts) in the pattern threading
// and in the liftplan columns, or with the pattern tie-up in its rows (then
// only shafts 1..32 have a row and can be exchanged). Nothing when a = b.
StructureChange SwitchShafts(Draft& d, int a, int b);

// Exchanges pattern treadles a and b (1..LiftplanWidth): with multiple treadles
// the liftplan columns, else the pattern treadling entries; then the columns
// of the pattern tie-up (with the pattern tie-up in use only treadles 1..32
// have a column and can be exchanged).
StructureChange SwitchTreadles(Draft& d, int a, int b);

// Sorts the first up to 8 pattern shafts by the distance at which each repeats
// along the pattern threading, exchanging shafts as SwitchShafts does. A
// threading that already rises straight (with its point return) is left alone,
// and so is one in which fewer than two shafts repeat evenly.
StructureChange ArrangeShaftsByRepeat(Draft& d);

} // namespace hm
