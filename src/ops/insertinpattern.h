#pragma once
// Insert in Pattern threading: empty ends opened at a fixed interval.

#include "model/draft.h"
#include "ops/structurechange.h"

namespace hm {

inline constexpr int MaxInsertInterval = 100;

// Moves the pattern threading of ends 1..UsedEnds apart so that an empty end
// follows every `interval` ends (1..100); with fromEndOne the first end is
// empty as well. Entries pushed beyond end 4800 are dropped. Only the pattern
// threading changes; the extents are recomputed.
StructureChange InsertInPatternThreading(Draft& d, int interval, bool fromEndOne);

} // namespace hm
