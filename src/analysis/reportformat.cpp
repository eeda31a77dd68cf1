#include "analysis/reportformat.h"

#include <QLocale>

#include "settings/basemultilang.h"

namespace hm {

QString RightAligned(int64_t n, int width) {
    return QString::number(n).rightJustified(width, u' ');
}

int PercentHalfToEven(int64_t part, int64_t whole) {
    if (whole <= 0) return 0;
    const int64_t scaled = part * 100;
    int64_t q = scaled / whole;
    const int64_t twiceRest = (scaled % whole) * 2;
    if (twiceRest > whole || (twiceRest == whole && q % 2 != 0)) ++q;
    return static_cast<int>(q);
}

QString TwoDecimals(int64_t total, int64_t count, const QString& separator) {
    // Hundredths, rounded half up, in whole numbers so that no binary fraction
    // decides a rounding.
    const int64_t hundredths = count <= 0 ? 0 : (total * 200 + count) / (count * 2);
    return QString::number(hundredths / 100) + separator +
           QString::number(hundredths % 100).rightJustified(2, u'0');
}

QString DecimalSeparatorOf(int language) {
    QLocale::Language locale = QLocale::English;
    switch (language) {
    case LangGerman:
        locale = QLocale::German;
        break;
    case LangSwedish:
        locale = QLocale::Swedish;
        break;
    case LangFinnish:
        locale = QLocale::Finnish;
        break;
    default:
        break;
    }
    return QLocale(locale).decimalPoint();
}

} // namespace hm
