#include "output/fabrichook.h"

#include "fabric/fabriclayout.h"
#include "fabric/fabricpainter.h"

#include <algorithm>

namespace hm {

FabricPainter OutputFabricPainter() {
    return [](Canvas& canvas, const Draft& d, const FabricSpan& span) {
        // The Fabric view's layout over exactly the span: the canvas is the
        // drawing area, scrolled to the span's first end and pick.
        FabricLayout layout;
        layout.kind = FabricKind::Fabric;
        layout.area = {0, canvas.width(), canvas.height()};
        layout.cellW = span.cellW;
        layout.cellH = span.cellH;
        layout.visibleEnds = span.Ends();
        layout.visiblePicks = span.Picks();
        layout.firstEnd = span.firstEnd - 1;
        layout.firstPick = span.firstPick - 1;
        layout.ends = std::clamp(d.Ends, 0, MaxEnds);
        layout.picks = std::clamp(d.Picks, 0, MaxPicks);
        layout.extent = ComputeFabricExtent(d);
        layout.compression = d.FabricCompression;
        layout.threadingFromRight = d.ThreadingFromRight;
        PaintFabric(canvas, d, layout);
    };
}

} // namespace hm
