#include "settings/basemultilang.h"

#include <QList>
#include <algorithm>

#include "settings/qttranslations.h"

namespace hm {

namespace {

struct Registry {
    QList<TBaseMultiLang*> live;
    int current = 0;
};

Registry& TheRegistry() {
    static Registry r;
    return r;
}

} // namespace

TBaseMultiLang::TBaseMultiLang() {
    TheRegistry().live.append(this);
}

TBaseMultiLang::~TBaseMultiLang() {
    TheRegistry().live.removeAll(this);
}

void TBaseMultiLang::SetWords(const QStringList& words) {
    words_ = words;
    // A trailing partial row cannot be addressed; drop it.
    const qsizetype stride = Languages + 1;
    words_.resize(words_.size() - words_.size() % stride);
    RebuildIndex();
}

void TBaseMultiLang::LoadTable(const LangTable& table) {
    Languages = TableLanguages;
    if (ActiveLanguage >= Languages) ActiveLanguage = 0;
    if (DefaultLanguage >= Languages) DefaultLanguage = 0;
    DefaultEnabled = table.defaultEnabled;
    DoNot = table.doNot;
    SetWords(table.words);
}

void TBaseMultiLang::RebuildIndex() {
    index_.clear();
    const int rows = RowCount();
    for (int r = 0; r < rows; ++r) {
        const QString k = RowKey(r).toLower();
        if (!index_.contains(k)) index_.insert(k, r);
    }
}

int TBaseMultiLang::FindRow(const QString& key) const {
    const auto it = index_.constFind(key.toLower());
    return it == index_.constEnd() ? -1 : it.value();
}

QString TBaseMultiLang::ActiveEntry(int row) const {
    const int lang = (ActiveLanguage >= 0 && ActiveLanguage < Languages) ? ActiveLanguage : 0;
    const QString& e = Entry(row, lang);
    if (e.isEmpty() && DefaultEnabled && DefaultLanguage >= 0 && DefaultLanguage < Languages)
        return Entry(row, DefaultLanguage);
    return e;
}

QString TBaseMultiLang::TranslateIn(const QString& key, int language) const {
    if (language < 0 || language >= Languages) language = ActiveLanguage;
    if (language < 0 || language >= Languages) language = 0;
    const int row = FindRow(key);
    if (row < 0) {
        if (IdNotFoundError) IdNotFoundError(key);
        return key;
    }
    const QString& e = Entry(row, language);
    if (!e.isEmpty() || !DefaultEnabled || DefaultLanguage < 0 || DefaultLanguage >= Languages)
        return e;
    return Entry(row, DefaultLanguage);
}

bool TBaseMultiLang::IsDoNot(const QString& name) const {
    return DoNot.contains(name, Qt::CaseInsensitive);
}

bool TBaseMultiLang::SetActiveLanguage(int n) {
    if (n < 0 || n >= Languages) {
        ReportError(TooHighText());
        return false;
    }
    if (BeforeLanguageChange && !BeforeLanguageChange(n)) return false;

    const QString font = OwnerFontDescription();
    if (!font.isEmpty()) {
        while (CharSets.size() < Languages) CharSets << font;
        if (ActiveLanguage >= 0 && ActiveLanguage < CharSets.size())
            CharSets[ActiveLanguage] = font;
    }
    ActiveLanguage = n;

    BeginWalk();
    const int rows = RowCount();
    for (int r = 0; r < rows;) {
        const QString& key = RowKey(r);
        if (key.compare(QStringLiteral("%Form%"), Qt::CaseInsensitive) == 0) {
            if (!IsDoNot(key)) SetOwnerCaption(ActiveEntry(r));
            ++r;
        } else if (key.startsWith(u'@') || IsItemRow(key) || IsHintRow(key)) {
            ++r;
        } else if (IsDoNot(key)) {
            ++r; // its item and hint rows are skipped as they come
        } else {
            r += std::max(1, TranslateControl(r));
        }
    }
    EndWalk();

    if (AfterLanguageChanged) AfterLanguageChanged();
    return true;
}

int CurrentLanguage() {
    return TheRegistry().current;
}

QList<TBaseMultiLang*> LiveComponents() {
    return TheRegistry().live;
}

void SetLanguageEverywhere(int n) {
    if (n < 0 || n >= TableLanguages) return;
    Registry& reg = TheRegistry();
    // A handler may create or destroy components; work on a copy and skip any
    // that have gone meanwhile.
    const QList<TBaseMultiLang*> snapshot = reg.live;
    for (TBaseMultiLang* c : snapshot) {
        if (!reg.live.contains(c)) continue;
        if (c->Languages > n) c->SetActiveLanguage(n);
    }
    reg.current = n;
    UseQtTranslation(n);
}

QString LanguageName(int language) {
    switch (language) {
    case LangEnglish:
        return QStringLiteral("English");
    case LangGerman:
        return QStringLiteral("Deutsch");
    case LangSwedish:
        return QStringLiteral("Svenska");
    case LangFinnish:
        return QStringLiteral("Suomi");
    default:
        return {};
    }
}

} // namespace hm
