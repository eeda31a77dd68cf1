#pragma once
// The Drapery view: the cloth hanging in folds. Column by column across the
// window the base line follows a fold table; the ends advance by the length of
// cloth each column covers, and every column shows one end with the picks
// stacked on it. At the hem the cloth turns under and shows its back.

#include "fabric/fabriclayout.h"
#include "view/canvas.h"

namespace hm {

// x before the first column of the drape: the first column drawn is one pixel
// further (to the right, or to the left with ThreadingFromRight from 468 pixels
// further on).
int DrapeStartX(int drawingWidth, bool threadingFromRight);

// Front-face and back-face steps: one drawn column each.
inline constexpr int DrapeFrontSteps = 466;
inline constexpr int DrapeBackSteps = 62;

// Clears the drawing area and paints the drape.
void PaintDrapery(Canvas& canvas, const Draft& d, const FabricLayout& layout);

} // namespace hm
