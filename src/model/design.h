#pragma once
// Conversions between the pattern level (pattern threading + liftplan) and the
// Design-mode picture. Callers show the busy cursor around them.

#include "model/draft.h"

namespace hm {

// Fills DesignGrid rows 1..picks, columns 1..ends from the pattern level.
void BuildDesign(Draft& d, int ends, int picks);
// Gives every distinct non-empty column its own pattern shaft in order of first
// appearance; returns the number of distinct columns found.
int NumberColumns(Draft& d, int ends, int picks, bool stopAbove128);
// Rewrites the first `picks` liftplan rows from the picture.
void BuildLiftplanFromDesign(Draft& d, int ends, int picks);
// Whole conversion picture -> pattern threading + liftplan.
void AnalyzeDesign(Draft& d, int ends, int picks);
void AnalyzeDesignFull(Draft& d);

// Sets WarpRepeat, WeftRepeat, WarpColorRepeat and WeftColorRepeat (and UsedEnds,
// UsedPicks from the pattern level) after a pattern has been opened.
void FindRepeats(Draft& d);

} // namespace hm
