#include "files/ui/filecommandtexts.h"

#include "settings/messages.h"

// Resource registration must happen outside any namespace.
static void RegisterFileCommandResources() {
    Q_INIT_RESOURCE(filecommands_lang);
}

namespace hm {

void InitFileCommandResources() {
    static const bool done = [] {
        RegisterFileCommandResources();
        // The commands' own texts join the shared ones, so that their questions
        // translate wherever they are asked.
        AddMessageTable(QStringLiteral("filecommands"));
        return true;
    }();
    (void)done;
}

QString FileText(const QString& key) {
    InitFileCommandResources();
    return Tr(key);
}

QString KeyCaption(const char* key, const QString& fallback) {
    const QString k = QString::fromUtf8(key);
    const QString text = FileText(k);
    return text == k ? fallback : text;
}

} // namespace hm
