#pragma once
// Qt's own texts (the open and save, colour, print and page setup dialogs, the
// standard buttons, the context menus of text fields) in the interface
// language, from the translations Qt installs beside itself.

#include <QString>

namespace hm {

// Replaces the Qt translation in use by the one for the language (LangEnglish
// and the others of basemultilang.h); English needs none. Without an
// application object, or when the language has no Qt translation installed,
// Qt's texts stay English. Returns whether a translation is in use.
bool UseQtTranslation(int language);

// The file name of Qt's translation for a language ("qt_de"), empty for English.
QString QtTranslationName(int language);

} // namespace hm
