#pragma once
// Wrap Liftplan: a cyclic shift of the liftplan across the pattern shafts, of
// the whole liftplan or of a selected rectangle of it.

#include "model/draft.h"
#include "model/numberrange.h"
#include "ops/structurechange.h"

namespace hm {

// A rectangle of the liftplan; either corner may come first.
struct LiftplanArea {
    int firstShaft = 1;
    int lastShaft = 1;
    int firstPick = 1;
    int lastPick = 1;
};

// The steps the dialog offers: 1..PatternShafts-1, or within a selection one
// less than its width.
NumberRange WrapStepsRange(const Draft& d);
NumberRange WrapStepsRange(const LiftplanArea& selection);

// The dialog's first item shifts towards higher shaft numbers. Its two texts
// ("Right", "Left") are exchanged when shaft 1 is not at the bottom, so that
// the words match the direction on screen.
bool WrapItemTextsExchanged(const Draft& d);

// Shifts every pick's shafts 1..PatternShafts cyclically by `steps` towards
// higher shaft numbers (right) or lower ones; the pick that lifted the last
// shaft lifts shaft 1 after a step right. Steps beyond the range are cut to it.
StructureChange WrapLiftplan(Draft& d, bool right, int steps);

// The same within a selection: each selected pick's shafts firstShaft..lastShaft
// are shifted cyclically among themselves.
StructureChange WrapLiftplanArea(Draft& d, bool right, int steps, LiftplanArea selection);

} // namespace hm
