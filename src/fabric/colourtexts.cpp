#include "fabric/colourtexts.h"

#include <QtCore/qglobal.h>

// Resource registration must happen outside any namespace.
static void RegisterColourResources() {
    Q_INIT_RESOURCE(colours_lang);
}

namespace hm {

void InitColourResources() {
    static const bool done = [] {
        RegisterColourResources();
        return true;
    }();
    (void)done;
}

} // namespace hm
