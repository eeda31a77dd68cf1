#include "ops/ui/clipboardtexts.h"

#include <QString>

#include "settings/messages.h"

// Resource registration must happen outside any namespace.
static void RegisterClipboardResources() {
    Q_INIT_RESOURCE(clipboard_lang);
}

namespace hm {

void InitClipboardResources() {
    static const bool done = [] {
        RegisterClipboardResources();
        AddMessageTable(QStringLiteral("clipboard"));
        return true;
    }();
    (void)done;
}

} // namespace hm
