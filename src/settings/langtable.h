#pragma once
// Translation tables as text: one UTF-8 file per window, one row per line, the
// fields separated by tabs: a key, then the English, German, Swedish and Finnish
// entries. An item row has the key `"`, a hint row `".Hint`, a free-standing
// message a key beginning with "@".
//
// Other lines:
//   # comment                    ignored, as are empty lines
//   !DefaultEnabled<TAB>1        empty entries fall back to the default column
//   !DoNot<TAB>Name<TAB>Name...  controls the table never touches
// Inside a field, \t \n \r and \\ stand for a tab, a line break, a carriage
// return and a backslash. Missing trailing fields are empty entries.

#include <QString>
#include <QStringList>

namespace hm {

inline constexpr int TableLanguages = 4; // English, German, Swedish, Finnish

struct LangTable {
    QStringList words; // row after row: key, then TableLanguages entries
    bool defaultEnabled = false;
    QStringList doNot;
    QStringList errors; // "line N: ..." for rows that could not be read
    bool ok() const { return errors.isEmpty(); }
    int rows() const { return static_cast<int>(words.size()) / (TableLanguages + 1); }
};

// Reads a table from its text. Rows with too many fields are reported in
// `errors` and left out; the rest of the table is still read.
LangTable ParseLangTable(const QString& text);

// Reads a table from a file or resource path (":/lang/general.tsv"). A missing
// file gives an empty table with one error.
LangTable LoadLangTable(const QString& path);

// The resource path of a window's table: ":/lang/<name>.tsv".
QString LangTablePath(const QString& name);

// Every table compiled in under ":/lang", as names without extension, sorted.
QStringList AvailableLangTables();

} // namespace hm
