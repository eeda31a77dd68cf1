#include "fabric/colourcopies.h"

namespace hm {

ColourCopies ColourCopies::Take(const Draft& d) {
    ColourCopies c;
    c.paletteRGB = d.PaletteRGB;
    c.warpColors = d.WarpColors;
    c.weftColors = d.WeftColors;
    c.warpColorRepeat = d.WarpColorRepeat;
    c.weftColorRepeat = d.WeftColorRepeat;
    return c;
}

void ColourCopies::Restore(Draft& d) const {
    d.PaletteRGB = paletteRGB;
    d.RebuildPaletteFromRGB();
    d.WarpColors = warpColors;
    d.WeftColors = weftColors;
    d.WarpColorRepeat = warpColorRepeat;
    d.WeftColorRepeat = weftColorRepeat;
}

} // namespace hm
