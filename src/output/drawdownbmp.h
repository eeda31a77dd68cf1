#pragma once
// Save Drawdown as BMP: the drawdown in black and white, one pixel per crossing,
// end 1 at the right and pick 1 at the bottom.

#include <QImage>

#include "output/draftpicture.h"
#include "output/imageexport.h"

namespace hm {

// The numbers dialog: ends 2..used ends proposing the pattern threading's
// repeat, picks 2..used picks proposing the liftplan's repeat, each capped at
// 2400. Not ok (with the notice "No Pattern") below 2 used ends or picks.
using DrawdownBmpStart = NumbersDialogStart;
DrawdownBmpStart DrawdownBmpStartValues(const Draft& d);

// White where the weft is over, black where the warp is raised.
QImage DrawdownBitmap(const Draft& d, int ends, int picks);

// The BMP file's bytes; not ok below 2 ends or picks, or when the bitmap could
// not be made ("Bitmap Image Error - Out of Resources.").
ExportResult MakeDrawdownBmp(const Draft& d, int ends, int picks);

} // namespace hm
