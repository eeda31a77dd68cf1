#pragma once
// Page margins as the page setup shows them. Margins are kept in thousandths of
// an inch; in millimetre mode the dialog shows hundredths of a millimetre.

#include <array>

namespace hm {

// The margins of printed pages for this session, in thousandths of an inch:
// left, top, right, bottom.
struct PageMargins {
    std::array<int, 4> thousandthsInch{1000, 1000, 1000, 1000};
};

// round(margin x 0.0254) x 100: whole millimetres, in hundredths.
int MarginToHundredthsMm(int thousandthsInch);
// round(value / 2.54): hundredths of a millimetre back to thousandths of an inch.
int MarginFromHundredthsMm(int hundredthsMm);

} // namespace hm
