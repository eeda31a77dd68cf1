#pragma once
// Start values that depend on the user's language, and the conversion of the
// two thread densities between units.

#include <QLocale>

namespace hm {

struct LocaleDefaults {
    int language = 0;               // 0 English, 1 German, 2 Swedish, 3 Finnish
    bool threadingFromRight = true; // "RightStart"
    bool shaftOneAtBottom = true;   // "CkoLeftStart"
};

// German: German tables, threading from the left. Finnish: Finnish tables.
// Swedish or Norwegian: Swedish tables, shaft 1 at the top. Danish or
// Icelandic: English tables, shaft 1 at the top. Anything else: English.
LocaleDefaults DefaultsForLanguage(QLocale::Language systemLanguage);

// Smallest and largest ends/picks per unit that the Options dialog allows.
inline constexpr int MaxDensity = 250;
inline int MinDensity(bool inches) {
    return inches ? 5 : 2;
}

// A density converted when the unit of measure switches: to inches multiplied
// by 2.54, to centimetres divided by 2.54, rounded to the nearest whole number
// and kept within MinDensity(toInches)..MaxDensity.
int ConvertDensity(int value, bool toInches);

} // namespace hm
