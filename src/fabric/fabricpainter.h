#pragma once
// The Fabric view: the cloth as coloured cells, FabricCellWidth by
// FabricCellHeight pixels per end and pick (per displayed row of two picks with
// FabricCompression), standing on the bottom of the drawing area.

#include "fabric/fabriclayout.h"
#include <vector>

#include "view/canvas.h"

namespace hm {

// Paints the cells of the ends and picks shown over the drawing area, which the
// caller has cleared to the background colour: every threaded end its warp
// colour, every crossing where the weft lies over its weft colour. The first
// pick shown is the lowest row; ends run from the right with
// ThreadingFromRight. Pixels outside the cloth stay as they are.
void PaintFabric(Canvas& canvas, const Draft& d, const FabricLayout& layout);

// The pixels PaintFabric covers in full (empty when it paints nothing).
PixelRect FabricPictureRect(const FabricLayout& layout);

// Writes one band of cells: colours[k] fills the cell at x0 + k * step, `cellW`
// wide, over rows y..y+height-1. Clipped to the canvas.
void PaintCellRow(Canvas& canvas, const std::vector<QRgb>& colours, int x0, int step, int cellW,
                  int y, int height);

} // namespace hm
