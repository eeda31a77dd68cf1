#pragma once
// Save Fabric as PNG: the cloth at one pixel per end and per pick (two picks a
// row with FabricCompression), stretched to the cloth's proportions and written
// as a 24-bit PNG.

#include <QImage>

#include "output/draftpicture.h"
#include "output/fabrichook.h"
#include "output/imageexport.h"

namespace hm {

// The numbers dialog: ends and picks from 16 (or fewer when fewer are used) to
// the used extent, proposing the used extent. Not ok (notice "No Pattern") when
// no end or no pick is used.
using FabricPngStart = NumbersDialogStart;
FabricPngStart FabricPngStartValues(const Draft& d);

// The bitmap rendered (ends x picks, the picks made even with compression) and
// the PNG written: the height stretched by Epi / Ppi when Ppi is below Epi, the
// width by Ppi / Epi when Epi is below Ppi.
struct FabricPngSize {
    int bitmapW = 0;
    int bitmapH = 0;
    int pngW = 0;
    int pngH = 0;
};
FabricPngSize FabricPngSizes(int ends, int picks, bool compression, int epi, int ppi);

// The cloth at one pixel per end and pick, on the background colour; a null
// image when it could not be made.
QImage FabricBitmap(const Draft& d, int ends, int picks, const FabricPainter& painter);

// The PNG file's bytes. Errors: "Bitmap Image Error - Out of Resources." and
// "PNG Image Error - Out of Resources."; not ok without a painter.
ExportResult MakeFabricPng(const Draft& d, int ends, int picks, const FabricPainter& painter);

} // namespace hm
