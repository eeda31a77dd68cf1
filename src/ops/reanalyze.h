#pragma once
// Reanalyze Pattern: the pattern threading and the liftplan rebuilt with as
// few pattern shafts as the cloth needs.

#include "model/draft.h"
#include "ops/structurechange.h"

namespace hm {

// Whether Reanalyze applies: Draft mode, and the part of the draft the view
// reaches (ends up to lastEnd, picks up to lastPick) has both a threading and
// a treadling or liftplan. Otherwise the command does nothing, without a word.
bool CanReanalyze(const Draft& d, int lastEnd, int lastPick);

// Ends whose pattern shafts lift on exactly the same picks come onto one
// shaft; ends whose shaft never lifts lose it (with a rising shed; with a
// sinking shed, where such ends stay up, they share one shaft). The shafts are numbered in the
// order in which they first occur along the threading, the liftplan follows,
// and then the shafts are arranged by their repeat. PatternShafts (at least 2)
// and LiftplanWidth become the highest shaft in use. The drawdown of the
// pattern level stays as it was. Nothing happens in Design mode or when the
// liftplan is empty. The view returns to the first end and pick.
StructureChange ReanalyzePattern(Draft& d);

} // namespace hm
