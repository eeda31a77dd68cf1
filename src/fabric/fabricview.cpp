#include "fabric/fabricview.h"

#include "fabric/drapepainter.h"
#include "fabric/fabricpainter.h"
#include "fabric/interlacementpainter.h"

namespace hm {

void PaintFabricView(Canvas& canvas, const Draft& d, const FabricLayout& l) {
    switch (l.kind) {
    case FabricKind::Fabric: {
        // Clear around the picture, which covers its own pixels in full.
        const QRgb bg = ToRgb(d.BackgroundColor);
        const DrawingArea& a = l.area;
        const PixelRect r = FabricPictureRect(l);
        if (r.empty()) {
            canvas.Fill(0, a.top, a.width, a.height, bg);
        } else {
            canvas.Fill(0, a.top, a.width, r.y - a.top, bg);
            canvas.Fill(0, r.y, r.x, r.h, bg);
            canvas.Fill(r.right(), r.y, a.width - r.right(), r.h, bg);
        }
        PaintFabric(canvas, d, l);
        break;
    }
    case FabricKind::Drapery:
        PaintDrapery(canvas, d, l);
        break;
    case FabricKind::Interlacement:
        PaintInterlacement(canvas, d, l);
        break;
    }
}

} // namespace hm
