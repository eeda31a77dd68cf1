#include "settings/messages.h"

#include <memory>
#include <vector>

namespace hm {

namespace {

class MessageComponent : public TBaseMultiLang {
  public:
    explicit MessageComponent(const QString& table) {
        LoadTable(LoadLangTable(LangTablePath(table)));
        DefaultEnabled = true;
        SetActiveLanguage(CurrentLanguage());
    }
};

struct AddedTable {
    QString name;
    std::unique_ptr<MessageComponent> component;
};

std::vector<AddedTable>& AddedTables() {
    // Made after the shared components (and the list of live components they
    // join), so that the added ones are destroyed first at exit.
    GeneralMessages();
    DraftingMessages();
    static std::vector<AddedTable> tables = [] {
        // The core's own message tables: printing and export, and exchanging
        // drafts with other programs.
        std::vector<AddedTable> core;
        for (const char* name : {"output", "exchange"})
            core.push_back({QString::fromLatin1(name),
                            std::make_unique<MessageComponent>(QString::fromLatin1(name))});
        return core;
    }();
    return tables;
}

} // namespace

void AddMessageTable(const QString& name) {
    for (const AddedTable& t : AddedTables())
        if (t.name == name) return;
    AddedTables().push_back({name, std::make_unique<MessageComponent>(name)});
}

TBaseMultiLang& GeneralMessages() {
    static MessageComponent c(QStringLiteral("general"));
    return c;
}

TBaseMultiLang& DraftingMessages() {
    static MessageComponent c(QStringLiteral("complexdrafting"));
    return c;
}

QString Tr(const QString& key) {
    TBaseMultiLang& general = GeneralMessages();
    if (general.HasKey(key)) return general.Translate(key);
    TBaseMultiLang& drafting = DraftingMessages();
    if (drafting.HasKey(key)) return drafting.Translate(key);
    for (const AddedTable& t : AddedTables())
        if (t.component->HasKey(key)) return t.component->Translate(key);
    return drafting.Translate(key); // the key itself, reported as not found
}

QString MessageText(const Message& m) {
    const QString text = QString::fromStdString(m.text);
    return (m.IsKey() ? Tr(text) : text) + QString::fromStdString(m.suffix);
}

} // namespace hm
