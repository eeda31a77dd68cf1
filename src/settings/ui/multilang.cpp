#include "settings/ui/multilang.h"

#include <QMessageBox>
#include <QWidget>

#include "settings/ui/controltranslator.h"

namespace hm {

namespace {

std::function<void(const QString&)>& ErrorHandler() {
    static std::function<void(const QString&)> handler;
    return handler;
}

} // namespace

TMultiLang::TMultiLang(QWidget* owner, const QString& tableName) : QObject(owner), owner_(owner) {
    Init(LoadLangTable(LangTablePath(tableName)));
}

TMultiLang::TMultiLang(QWidget* owner, const LangTable& table) : QObject(owner), owner_(owner) {
    Init(table);
}

TMultiLang::~TMultiLang() = default;

void TMultiLang::Init(const LangTable& table) {
    setObjectName(QStringLiteral("MultiLang1"));
    LoadTable(table);
    SetActiveLanguage(CurrentLanguage());
}

TMultiLang* TMultiLang::Of(const QWidget* window) {
    if (!window) return nullptr;
    return window->findChild<TMultiLang*>(QString(), Qt::FindDirectChildrenOnly);
}

void TMultiLang::SetErrorHandler(std::function<void(const QString&)> handler) {
    ErrorHandler() = std::move(handler);
}

QString TMultiLang::OwnerFontDescription() const {
    if (!owner_) return {};
    // Qt fonts carry no character set; 1 is the "default" set.
    return owner_->font().family() + QStringLiteral(",1");
}

void TMultiLang::SetOwnerCaption(const QString& text) {
    if (owner_) owner_->setWindowTitle(text);
}

void TMultiLang::ReportError(const QString& text) {
    if (ErrorHandler()) {
        ErrorHandler()(text);
        return;
    }
    QString shown = text;
    shown.replace(u'\r', u'\n');
    QMessageBox::information(owner_, QStringLiteral("Heddlemark"), shown);
}

void TMultiLang::BeginWalk() {
    controls_.clear();
    if (!owner_) return;
    const QList<QObject*> all = owner_->findChildren<QObject*>();
    for (QObject* o : all) {
        if (o == this || o->objectName().isEmpty()) continue;
        const QString k = o->objectName().toLower();
        if (!controls_.contains(k)) controls_.insert(k, o);
    }
}

void TMultiLang::EndWalk() {
    controls_.clear();
}

int TMultiLang::TranslateControl(int row) {
    QObject* control = controls_.value(RowKey(row).toLower(), nullptr);
    if (!control) return 1; // rows naming no control are skipped

    ControlTexts texts;
    texts.text = ActiveEntry(row);
    int r = row + 1;
    const int rows = RowCount();
    for (; r < rows; ++r) {
        const QString& k = RowKey(r);
        if (IsItemRow(k))
            texts.items << ActiveEntry(r);
        else if (IsHintRow(k))
            texts.hint = ActiveEntry(r);
        else
            break;
    }
    ApplyControlTexts(control, texts);
    return r - row;
}

} // namespace hm
