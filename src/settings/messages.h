#pragma once
// The two message-only translation components shared by every window: the
// general one ("@globnopat", "@idends", the report texts ...) and the one for
// complex-drafting terms ("@monsolv", "@skaftgrupp_a", "@dragnota" ...). Both
// fall back to English for empty entries. They are created on first use, take
// the current language then, and follow SetLanguageEverywhere like any other.

#include <QString>

#include "model/message.h"
#include "settings/basemultilang.h"

namespace hm {

TBaseMultiLang& GeneralMessages();
TBaseMultiLang& DraftingMessages();

// Adds a message-only table (":/lang/<name>.tsv", e.g. the file commands' own
// texts) that Tr consults after the two shared ones. Adding it again does
// nothing. The table's resource must be registered first.
void AddMessageTable(const QString& name);

// The text of a "@" key in the current language, looked up in the general
// component, then in the complex-drafting one, then in the added tables; a key
// none knows comes back as it is.
QString Tr(const QString& key);
inline QString Tr(const char* key) {
    return Tr(QString::fromUtf8(key));
}

// A message's visible text: its key translated (or its fixed text) followed by
// its suffix.
QString MessageText(const Message& m);

} // namespace hm
