#pragma once
// Page margins as the page setup shows them. Margins are kept in thousandths of
// an inch; in millimetre mode the dialog shows hundredths of a millimetre. The
// margins themselves (PageMargins, kept for the session in the command context)
// are those of the printing rectangle.

#include "output/printgeometry.h"

namespace hm {

// round(margin x 0.0254) x 100: whole millimetres, in hundredths.
int MarginToHundredthsMm(int thousandthsInch);
// round(value / 2.54): hundredths of a millimetre back to thousandths of an inch.
int MarginFromHundredthsMm(int hundredthsMm);

} // namespace hm
