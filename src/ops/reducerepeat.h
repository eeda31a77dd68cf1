#pragma once
// Cutting the pattern threading and the liftplan down to one repeat.

#include "model/draft.h"
#include "ops/structurechange.h"

namespace hm {

// Asked before the colour question: "@globnopat" when neither a threading nor
// a treadling or liftplan in use holds anything within ends 1..lastEnd and
// picks 1..lastPick (the part of the draft the view reaches); empty otherwise.
Message ReduceToOneRepeatCheck(const Draft& d, int lastEnd, int lastPick);

// Clears the pattern threading after its first repeat and the liftplan after
// its first repeat, warp and weft each on its own. With useColourRepeat (the
// answer Yes to "@idreduce") a longer colour repeat decides where to cut.
// Reports "@warpnot" / "@weftnot" when no shorter repeat exists and
// "@warpcolnot" / "@weftcolnot" when the colour repeat decides but is not
// found. Ground threadings, treadlings, colours and the counts stay.
StructureChange ReduceToOneRepeat(Draft& d, bool useColourRepeat);

} // namespace hm
