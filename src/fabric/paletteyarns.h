#pragma once
// The colour editor's Tools menu: which palette entries the ends and picks of
// the used extent take, moving those to the top of the palette, and clearing
// the others to white.

#include <array>

#include "model/draft.h"
#include "model/message.h"

namespace hm {

// What a whole-palette operation did: whether the draft changed (mark it
// modified and repaint) and what to tell the user.
struct PaletteChange {
    bool changed = false;
    Messages messages;
};

// The ends and picks whose colours count as used: in Design mode the used
// part of the design picture, otherwise UsedEnds and UsedPicks. Both are
// recomputed in the draft.
struct YarnExtent {
    int ends = 0;
    int picks = 0;
    bool empty() const { return ends == 0 && picks == 0; }
};
YarnExtent UpdateYarnExtent(Draft& d);

// How many ends 1..extent.ends and picks 1..extent.picks take each palette index.
using YarnUsage = std::array<int, PaletteEntries>;
YarnUsage CountYarnUsage(const Draft& d, YarnExtent extent);

// The used entries move to the lowest indices in their old order; the ends and
// picks of the extent follow their colours, so the cloth looks the same.
// "@globnopat" when the draft has nothing in it.
PaletteChange MoveUsedYarnsToTop(Draft& d);
// Every entry that no end or pick of the extent takes becomes white.
// "@globnopat" when the draft has nothing in it.
PaletteChange ClearUnusedYarns(Draft& d);

} // namespace hm
