#pragma once
// Expand Pattern: the pattern level enlarged by whole factors in ends and picks.

#include "model/draft.h"
#include "ops/structurechange.h"

namespace hm {

inline constexpr int MaxExpandFactor = 16;

// Every end becomes endsFactor ends and every pick picksFactor picks (each
// limited to 1..16); nothing happens when both are 1.
//
// Draft mode: the pattern threading and the liftplan rows are stretched in
// place (what would fall beyond end or pick 4800 is dropped) and the extents
// recomputed; colours, ground threadings and treadlings stay.
//
// Design mode: every picture cell becomes a block of picksFactor x endsFactor
// cells, filled from the on unit where the cell is set and from the off unit
// where it is clear; both units are first reset to all set and all clear, so
// each block takes the value of its old cell. The pattern threading and the
// liftplan follow from the new picture, repeated beyond it where the old
// pattern repeats, and the colours are stretched like the picture.
StructureChange ExpandPattern(Draft& d, int endsFactor, int picksFactor);

// The Design-mode part of ExpandPattern (factors already checked).
void ExpandDesign(Draft& d, int endsFactor, int picksFactor);

// The on unit all set, the off unit all clear.
void ResetExpandUnits(Draft& d);

} // namespace hm
