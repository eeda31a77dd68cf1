#pragma once
// Texts of the open and save commands: their own translation table
// (":/lang/filecommands.tsv") for the questions, file dialog titles and
// filters, added to the shared message tables.

#include <QString>

namespace hm {

// Registers the translation tables of the open and save dialogs and adds the
// commands' own table to the shared ones. The tables are compiled into a static
// library, so each dialog calls this before loading one.
void InitFileCommandResources();

// The text of a "@" key in the current language (the shared tables and the
// commands' own); an unknown key comes back as it is.
QString FileText(const QString& key);
inline QString FileText(const char* key) {
    return FileText(QString::fromUtf8(key));
}

// A caption given by a shared key ("@monsolv"), or the fallback when no table
// has the key.
QString KeyCaption(const char* key, const QString& fallback);

} // namespace hm
