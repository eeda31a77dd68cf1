#pragma once
// The rules of the fill-colours dialog ("Fill Colors"), without widgets. The
// dialog takes an undo snapshot when it opens, creates one ColourFillSession,
// and makes Undo available when it closes.

#include "fabric/colourcopies.h"
#include "fabric/colourfill.h"
#include "fabric/palettegrid.h"
#include "model/draft.h"

namespace hm {

// Colours A and B, kept for the whole run (1 and 5 at start-up).
struct FillColourChoice {
    int a = 1;
    int b = 5;
};

// The dialog's two grids show the first 64 palette colours.
inline constexpr int FillGridPaletteSize = PaletteSize64;

class ColourFillSession {
  public:
    // Opening the dialog: the colours and the palette are recorded for Revert.
    ColourFillSession(Draft& d, FillColourChoice& choice);

    const FillColourChoice& Choice() const { return choice_; }
    // A click in ColorBoxA or ColorBoxB; indices outside the grid are ignored.
    void ChooseA(int index);
    void ChooseB(int index);
    // "Fill Warp" / "Fill Weft" with the radio group's order; the draft is then
    // repainted and marked changed.
    void Fill(ColourFillTarget target, FillOrder order);
    // "Revert": the colours and the palette as they were when the dialog opened.
    void Revert();

  private:
    Draft& draft_;
    FillColourChoice& choice_;
    ColourCopies copies_;
};

} // namespace hm
