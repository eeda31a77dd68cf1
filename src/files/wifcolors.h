#pragma once
// The colours of a WIF as palette entries and warp and weft colours.

#include "files/wifcontent.h"
#include "model/draft.h"

namespace hm {

// The palette starts as the default palette. A colour table numbered within
// 1..256 takes entries 0..255 as numbered; a table with larger numbers gives
// each distinct colour that the threads use an entry of its own, and beyond 256
// distinct colours the least used are merged into the nearest kept one, with a
// notice. A thread whose colour number is not in the table takes the default
// colour of its [WARP] or [WEFT] section, else the draft's default colour.
void MapColors(Draft& d, const WifContent& c, int ends, int picks, WifProblems& problems);

} // namespace hm
