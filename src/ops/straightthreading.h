#pragma once
// Straight Pattern threading: one pattern shaft for every end of the warp
// repeat, with a liftplan rebuilt so that the drawdown stays as it was.

#include "model/draft.h"
#include "ops/structurechange.h"

namespace hm {

// The most pattern shafts a straight pattern threading may need.
inline constexpr int MaxStraightShafts = 80;

// "@globnopat" unless the part of the draft the view reaches (ends up to
// lastEnd, picks up to lastPick) has a threading and a treadling or liftplan;
// asked before the question.
Message StraightThreadingCheck(const Draft& d, int lastEnd, int lastPick);

// Draft mode only. Finds the repeat R of the pattern threading's used ends;
// refuses with "@toostraight" and R when R > 80 and with "@straightnorepeat"
// when there is no repeat. Otherwise end e of the repeat gets pattern shaft e
// (empty ends stay empty), the threading repeats so over its used ends, and
// every liftplan row lifts shaft e where it lifted the old shaft of end e.
// PatternShafts and LiftplanWidth become R (at least 2).
StructureChange StraightPatternThreading(Draft& d);

} // namespace hm
