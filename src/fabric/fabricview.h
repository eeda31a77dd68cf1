#pragma once
// One entry for the three fabric views, as the main window's full repaint, the
// headless tool and later printing and export call them.

#include "fabric/fabriclayout.h"
#include "view/canvas.h"

namespace hm {

// Paints the view of layout.kind. The Fabric view first clears its drawing area
// (as the window's Update does before it); Drapery and Interlacement clear it
// themselves.
void PaintFabricView(Canvas& canvas, const Draft& d, const FabricLayout& layout);

} // namespace hm
