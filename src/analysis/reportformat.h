#pragma once
// Number formatting shared by the analysis reports: right-aligned fields,
// whole percentages and two-decimal averages.

#include <QString>
#include <cstdint>

namespace hm {

// n right-aligned in a field of `width` characters, as "%<width>d" writes it
// (a longer number is never cut).
QString RightAligned(int64_t n, int width);

// round(part / whole x 100) with halves going to the even neighbour; 0 when
// whole is 0 or less.
int PercentHalfToEven(int64_t part, int64_t whole);

// total / count in fixed notation with two decimals, halves rounded up, and
// the given decimal separator; "0.00" (with that separator) when count is 0.
QString TwoDecimals(int64_t total, int64_t count, const QString& separator);

// The decimal separator of an interface language (LangEnglish .. LangFinnish):
// the point for English, the comma for German, Swedish and Finnish.
QString DecimalSeparatorOf(int language);

} // namespace hm
