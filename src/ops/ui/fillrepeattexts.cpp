#include "ops/ui/fillrepeattexts.h"

#include <QtGlobal>

// Resource registration must happen outside any namespace.
static void RegisterFillRepeatResources() {
    Q_INIT_RESOURCE(fillrepeat_lang);
}

namespace hm {

void InitFillRepeatResources() {
    static const bool done = [] {
        RegisterFillRepeatResources();
        return true;
    }();
    (void)done;
}

} // namespace hm
