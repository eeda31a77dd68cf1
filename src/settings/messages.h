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
// The texts of exchanging drafts with other programs (WIF, hdm export).
TBaseMultiLang& ExchangeMessages();

// The text of a "@" key in the current language, looked up in the general
// component, the exchange one and then the complex-drafting one; a key none of
// them knows comes back as it is.
QString Tr(const QString& key);
inline QString Tr(const char* key) {
    return Tr(QString::fromUtf8(key));
}

// A message's visible text: its key translated (or its fixed text) followed by
// its suffix.
QString MessageText(const Message& m);

} // namespace hm
