#include "files/ui/filecommandtexts.h"

#include "settings/basemultilang.h"
#include "settings/langtable.h"
#include "settings/messages.h"

// Resource registration must happen outside any namespace.
static void RegisterFileCommandResources() {
    Q_INIT_RESOURCE(filecommands_lang);
}

namespace hm {

namespace {

// A message-only component over the file commands' table; it follows language
// changes like every other component.
class FileCommandMessages : public TBaseMultiLang {
  public:
    FileCommandMessages() {
        LoadTable(LoadLangTable(LangTablePath(QStringLiteral("filecommands"))));
        DefaultEnabled = true;
        SetActiveLanguage(CurrentLanguage());
    }
};

FileCommandMessages& OwnMessages() {
    InitFileCommandResources();
    static FileCommandMessages component;
    return component;
}

} // namespace

void InitFileCommandResources() {
    static const bool done = [] {
        RegisterFileCommandResources();
        return true;
    }();
    (void)done;
}

QString FileText(const QString& key) {
    FileCommandMessages& own = OwnMessages();
    if (own.HasKey(key)) return own.Translate(key);
    return Tr(key);
}

QString KeyCaption(const char* key, const QString& fallback) {
    const QString k = QString::fromUtf8(key);
    const QString text = FileText(k);
    return text == k ? fallback : text;
}

} // namespace hm
