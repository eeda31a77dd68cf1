#pragma once
// Tie-up special effects on the pattern tie-up: twills made from its first row
// (or first row and column), flips and a quarter turn.

#include "model/draft.h"
#include "ops/structurechange.h"

namespace hm {

// The dialog's five check marks. They are remembered for the whole run (all
// clear at start) and stored only when the dialog closes with OK. The two
// twill boxes exclude each other: checking one clears the other.
struct TieupSpecialChoice {
    bool twill1 = false; // "Make Twill from Shaft 1"
    bool twill2 = false; // "Make Twill from Shaft 1 and Treadle 1"
    bool flipH = false;  // "Flip Horizontal"
    bool flipV = false;  // "Flip Vertical"
    bool rotate = false; // "Rotate 90°"

    void SetTwill1(bool on) {
        twill1 = on;
        if (on) twill2 = false;
    }
    void SetTwill2(bool on) {
        twill2 = on;
        if (on) twill1 = false;
    }
    bool Any() const { return twill1 || twill2 || flipH || flipV || rotate; }
};

// Works on the pattern tie-up's PatternShafts rows and LiftplanWidth columns
// (at most 32 each), in this order: twill from row 1 (every row is row 1
// shifted by one more column, cyclically), or else twill from row 1 and
// column 1 (constant along every diagonal); flip horizontal (columns
// reversed); flip vertical (rows reversed); rotate (within the top-left square
// of the smaller count, new cell (r, c) = old cell (L+1-c, r)).
StructureChange TieupSpecial(Draft& d, const TieupSpecialChoice& choice);

} // namespace hm
