#pragma once
// What the colour dialogs keep from the moment they open, so that Revert and
// Cancel can put it back: the palette, the warp and weft colours and their
// repeat numbers.

#include "model/draft.h"

namespace hm {

struct ColourCopies {
    decltype(Draft::PaletteRGB) paletteRGB{};
    decltype(Draft::WarpColors) warpColors;
    decltype(Draft::WeftColors) weftColors;
    int32_t warpColorRepeat = 0;
    int32_t weftColorRepeat = 0;

    static ColourCopies Take(const Draft& d);
    // Puts everything back; Palette is rebuilt from the restored PaletteRGB.
    void Restore(Draft& d) const;
};

} // namespace hm
