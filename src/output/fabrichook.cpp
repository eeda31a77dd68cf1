#include "output/fabrichook.h"

namespace hm {

FabricPainter OutputFabricPainter() {
    // The Fabric view's painter is joined here, e.g.
    //   return [](Canvas& c, const Draft& d, const FabricSpan& s) { PaintFabric(c, d, s ...); };
    return {};
}

} // namespace hm
