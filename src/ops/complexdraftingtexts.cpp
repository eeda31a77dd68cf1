#include "ops/complexdraftingtexts.h"

#include <QString>

#include "settings/messages.h"

// Resource registration must happen outside any namespace.
static void RegisterComplexDraftingResources() {
    Q_INIT_RESOURCE(complexdrafting_lang);
}

namespace hm {

void InitComplexDraftingTexts() {
    static const bool done = [] {
        RegisterComplexDraftingResources();
        AddMessageTable(QStringLiteral("complexcommands"));
        return true;
    }();
    (void)done;
}

} // namespace hm
