#include "fabric/fabricview.h"

#include "fabric/drapepainter.h"
#include "fabric/fabricpainter.h"
#include "fabric/interlacementpainter.h"

namespace hm {

void PaintFabricView(Canvas& canvas, const Draft& d, const FabricLayout& l) {
    switch (l.kind) {
    case FabricKind::Fabric:
        canvas.Fill(0, l.area.top, l.area.width, l.area.height, ToRgb(d.BackgroundColor));
        PaintFabric(canvas, d, l);
        break;
    case FabricKind::Drapery:
        PaintDrapery(canvas, d, l);
        break;
    case FabricKind::Interlacement:
        PaintInterlacement(canvas, d, l);
        break;
    }
}

} // namespace hm
