#pragma once
// The message-only translation components shared by every window: the
// general one ("@globnopat", "@idends", the report texts ...), the one for
// complex-drafting terms ("@monsolv", "@skaftgrupp_a", "@dragnota" ...), the
// one of printing and image export ("@printtoosmall" ...) and the one of
// exchanging drafts ("@wifnotwif" ...). All fall back to
// English for empty entries. They are created on first use, take the current
// language then, and follow SetLanguageEverywhere like any other.

#include <QString>

#include "model/message.h"
#include "settings/basemultilang.h"

namespace hm {

TBaseMultiLang& GeneralMessages();
TBaseMultiLang& DraftingMessages();
// The messages of printing and image export.
TBaseMultiLang& OutputMessages();
// The texts of exchanging drafts with other programs (WIF, hdm export).
TBaseMultiLang& ExchangeMessages();

// The text of a "@" key in the current language, looked up in the general
// component, then the output and exchange ones, then the complex-drafting one;
// a key none of them knows comes back as it is.
QString Tr(const QString& key);
inline QString Tr(const char* key) {
    return Tr(QString::fromUtf8(key));
}

// A message's visible text: its key translated (or its fixed text) followed by
// its suffix.
QString MessageText(const Message& m);

} // namespace hm
