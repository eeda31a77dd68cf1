#pragma once
// The translation component: a table of words for one window (its controls
// and its free-standing "@" messages) in several language columns.
//
// This base class holds the table, looks texts up, and walks the table when the
// language changes. Touching real controls is left to the hooks, which the
// widget-side TMultiLang overrides; the message-only components use the base
// class as it is.

#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>

#include "settings/langtable.h"

namespace hm {

enum class SwitchPositionsKind { spNone, spControlsOnly, spFormAndControls };

class TBaseMultiLang {
  public:
    TBaseMultiLang();
    virtual ~TBaseMultiLang();
    TBaseMultiLang(const TBaseMultiLang&) = delete;
    TBaseMultiLang& operator=(const TBaseMultiLang&) = delete;

    // ---- properties ----
    int Languages = 2;       // number of language columns
    int ActiveLanguage = 0;  // column in use
    int DefaultLanguage = 0; // column used for empty entries when DefaultEnabled
    bool DefaultEnabled = false;
    QStringList DoNot;    // names of controls never translated
    QStringList CharSets; // per language: "<font family>,<character set>"
    SwitchPositionsKind SwitchPositions = SwitchPositionsKind::spNone;
    QStringList Positions; // kept, not used while spNone

    // ---- events ----
    // Return false to cancel the change.
    std::function<bool(int newLanguage)> BeforeLanguageChange;
    std::function<void()> AfterLanguageChanged;
    std::function<void(const QString& key)> IdNotFoundError;

    // The table, row after row: a key followed by Languages entries.
    const QStringList& Words() const { return words_; }
    void SetWords(const QStringList& words);
    // Takes words, DefaultEnabled and DoNot from a loaded table (4 languages).
    void LoadTable(const LangTable& table);

    // ---- row access (rows counted from 0) ----
    int RowCount() const { return static_cast<int>(words_.size()) / (Languages + 1); }
    const QString& RowKey(int row) const { return words_[row * (Languages + 1)]; }
    const QString& Entry(int row, int language) const {
        return words_[row * (Languages + 1) + 1 + language];
    }
    // The entry in the active language, or the default column's entry when it
    // is empty and DefaultEnabled.
    QString ActiveEntry(int row) const;
    static bool IsItemRow(const QString& key) { return key == QStringLiteral("\""); }
    static bool IsHintRow(const QString& key) {
        return key.compare(QStringLiteral("\".Hint"), Qt::CaseInsensitive) == 0;
    }

    // ---- lookups ----
    // The text of a key in the active language.
    QString Translate(const QString& key) const { return TranslateIn(key, ActiveLanguage); }
    // The text of a key in a column; a column outside the table means the active
    // one. Keys compare without regard to case. A missing key returns the key
    // itself and raises IdNotFoundError.
    QString TranslateIn(const QString& key, int language) const;
    // Whether a row has this key (no event).
    bool HasKey(const QString& key) const { return FindRow(key) >= 0; }
    int FindRow(const QString& key) const;

    // Switches the component (and its window) to column n. Returns false when n
    // is out of range (after reporting it) or the change was cancelled.
    bool SetActiveLanguage(int n);

    bool IsDoNot(const QString& name) const;

    static QString TooHighText() {
        return QStringLiteral("Value must not be higher than\rnumber of available languages.");
    }

  protected:
    // ---- hooks for the window side ----
    // The owner window's font as "<family>,<character set>"; empty when there is
    // no window.
    virtual QString OwnerFontDescription() const { return {}; }
    virtual void SetOwnerCaption(const QString& /*text*/) {}
    // Applies the rows from `row` on to the control named by RowKey(row), if the
    // window has one. Returns the number of rows consumed (at least 1).
    virtual int TranslateControl(int /*row*/) { return 1; }
    virtual void ReportError(const QString& /*text*/) {}
    // Called before the table walk so that the window can index its controls.
    virtual void BeginWalk() {}
    virtual void EndWalk() {}

  private:
    void RebuildIndex();

    QStringList words_;
    QHash<QString, int> index_; // lower-cased key -> first row
};

// ---- the process-wide list of live components and the current language ----

// The language that components take when they are created (start 0).
int CurrentLanguage();
// Every live component, in creation order.
QList<TBaseMultiLang*> LiveComponents();
// For every live component whose Languages exceeds n: SetActiveLanguage(n);
// then the current language becomes n, Qt's own texts included. A language no
// table has is refused.
void SetLanguageEverywhere(int n);

// Language columns and their names in their own language.
inline constexpr int LangEnglish = 0;
inline constexpr int LangGerman = 1;
inline constexpr int LangSwedish = 2;
inline constexpr int LangFinnish = 3;
QString LanguageName(int language); // "English", "Deutsch", "Svenska", "Suomi"

} // namespace hm
