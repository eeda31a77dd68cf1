#include "settings/localedefaults.h"

#include <algorithm>
#include <cmath>

namespace hm {

LocaleDefaults DefaultsForLanguage(QLocale::Language systemLanguage) {
    LocaleDefaults d;
    switch (systemLanguage) {
    case QLocale::German:
        d.language = 1;
        d.threadingFromRight = false;
        break;
    case QLocale::Finnish:
        d.language = 3;
        break;
    case QLocale::Swedish:
    case QLocale::NorwegianBokmal:
    case QLocale::NorwegianNynorsk:
        d.language = 2;
        d.shaftOneAtBottom = false;
        break;
    case QLocale::Danish:
    case QLocale::Icelandic:
        d.shaftOneAtBottom = false;
        break;
    default:
        break;
    }
    return d;
}

int ConvertDensity(int value, bool toInches) {
    const double v = toInches ? value * 2.54 : value / 2.54;
    const long r = std::lround(v);
    return static_cast<int>(std::clamp<long>(r, MinDensity(toInches), MaxDensity));
}

} // namespace hm
