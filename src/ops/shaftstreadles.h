#pragma once
// Inserting and deleting pattern shafts and pattern treadles. A pattern shaft
// is a number in the pattern threading and, without the pattern tie-up, a
// liftplan column; with the pattern tie-up it is a tie-up row. A pattern
// treadle is a tie-up column and, with multiple treadles, a liftplan column.
// The pattern tie-up has 32 rows and columns; lines beyond them do not exist.

#include "model/draft.h"
#include "ops/structurechange.h"

namespace hm {

// Inserts `count` empty pattern shafts at `from` (1..PatternShafts+1): higher
// shaft numbers in the pattern threading rise by count, and the liftplan
// columns (or the tie-up rows) from `from` on move up. No more than 128
// shafts, and nothing is inserted at place 128.
StructureChange InsertShafts(Draft& d, int from, int count);

// Deletes pattern shafts from..to (either order, cut to PatternShafts): ends on
// them leave the pattern threading (the ends after them close up; the ground
// threadings and colours stay), higher shaft numbers fall, and the liftplan
// columns (or tie-up rows) close up. At least 2 pattern shafts remain counted.
StructureChange DeleteShafts(Draft& d, int from, int to);

// With the pattern tie-up and multiple treadles: inserts `count` empty treadles
// at `from` (1..LiftplanWidth+1) in the tie-up columns and the liftplan; no more
// than 128, nothing at place 128. Otherwise nothing changes.
StructureChange InsertTreadles(Draft& d, int from, int count);

// With the pattern tie-up: deletes treadles from..to (either order, cut to
// LiftplanWidth) from the tie-up columns and, with multiple treadles, from the
// liftplan. At least one treadle remains counted. Without the pattern tie-up
// the liftplan columns are the pattern shafts and nothing changes.
StructureChange DeleteTreadles(Draft& d, int from, int to);

} // namespace hm
