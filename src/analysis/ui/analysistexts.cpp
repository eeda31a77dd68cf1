#include "analysis/ui/analysistexts.h"

#include <QtGlobal>

// Resource registration must happen outside any namespace.
static void RegisterAnalysisResources() {
    Q_INIT_RESOURCE(analysis_lang);
}

namespace hm {

void InitAnalysisResources() {
    static const bool done = [] {
        RegisterAnalysisResources();
        return true;
    }();
    (void)done;
}

} // namespace hm
