#include "settings/messages.h"

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

} // namespace

TBaseMultiLang& GeneralMessages() {
    static MessageComponent c(QStringLiteral("general"));
    return c;
}

TBaseMultiLang& ExchangeMessages() {
    static MessageComponent c(QStringLiteral("exchange"));
    return c;
}

TBaseMultiLang& DraftingMessages() {
    static MessageComponent c(QStringLiteral("complexdrafting"));
    return c;
}

TBaseMultiLang& OutputMessages() {
    static MessageComponent c(QStringLiteral("output"));
    return c;
}

QString Tr(const QString& key) {
    for (TBaseMultiLang* component : {&GeneralMessages(), &OutputMessages(), &ExchangeMessages()})
        if (component->HasKey(key)) return component->Translate(key);
    return DraftingMessages().Translate(key);
}

QString MessageText(const Message& m) {
    const QString text = QString::fromStdString(m.text);
    return (m.IsKey() ? Tr(text) : text) + QString::fromStdString(m.suffix);
}

} // namespace hm
