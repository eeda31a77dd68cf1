#include "ops/ui/structuredialogtexts.h"

#include <QtGlobal>

// Resource registration must happen outside any namespace.
static void RegisterStructureDialogResources() {
    Q_INIT_RESOURCE(structuredialogs_lang);
}

namespace hm {

void InitStructureDialogResources() {
    static const bool done = [] {
        RegisterStructureDialogResources();
        return true;
    }();
    (void)done;
}

} // namespace hm
