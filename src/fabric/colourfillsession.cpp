#include "fabric/colourfillsession.h"

namespace hm {

namespace {

// A stored choice that a damaged setting or an old run left outside the grid
// falls back to the start-up colours.
int ValidChoice(int index, int fallback) {
    return IsShownIndex(FillGridPaletteSize, index) ? index : fallback;
}

} // namespace

ColourFillSession::ColourFillSession(Draft& d, FillColourChoice& choice)
    : draft_(d), choice_(choice), copies_(ColourCopies::Take(d)) {
    choice_.a = ValidChoice(choice_.a, FillColourChoice{}.a);
    choice_.b = ValidChoice(choice_.b, FillColourChoice{}.b);
}

void ColourFillSession::ChooseA(int index) {
    choice_.a = ValidChoice(index, choice_.a);
}

void ColourFillSession::ChooseB(int index) {
    choice_.b = ValidChoice(index, choice_.b);
}

void ColourFillSession::Fill(ColourFillTarget target, FillOrder order) {
    FillColours(draft_, target, order, static_cast<uint8_t>(choice_.a),
                static_cast<uint8_t>(choice_.b));
}

void ColourFillSession::Revert() {
    copies_.Restore(draft_);
}

} // namespace hm
