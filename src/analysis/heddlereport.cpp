// The heddle report: how many heddles each shaft carries.
#include <algorithm>
#include <array>

#include "analysis/extent.h"
#include "analysis/reportformat.h"
#include "analysis/reports.h"
#include "settings/messages.h"

namespace hm {

namespace {

const QString Indent = QStringLiteral("          ");

// The block of one threading: its name, the column heads and one line per shaft
// 1..shafts with the number of ends threaded on it.
void AddHeddleBlock(QStringList& lines, const char* nameKey,
                    const OneBasedBytes<MaxEnds>& threading, int endLimit, int shafts) {
    std::array<int, 256> heddles{};
    const int last = threading.LastNonZero(endLimit);
    for (int e = 1; e <= last; ++e) ++heddles[threading[e]];
    lines << Indent + Tr(nameKey) << Indent + Tr("@hedshaft") << QString();
    for (int s = 1; s <= std::clamp(shafts, 0, 255); ++s)
        lines << Indent + RightAligned(s, 4) + RightAligned(heddles[static_cast<size_t>(s)], 7);
}

} // namespace

Report HeddleReport(const Draft& d, const ReportContext& context) {
    const int ends = EndLimit(d);
    Report report;
    QStringList& lines = report.lines;
    lines << QString() << Indent + context.currentName
          << Indent + QString::number(d.LastUsedEnd(MaxEnds)) + u' ' + Tr("@idends");
    if (d.PatternThreadingOn) {
        lines << QString();
        AddHeddleBlock(lines, "@monsolv", d.PatternThreading, ends, d.PatternShafts);
    }
    lines << QString();
    AddHeddleBlock(lines, "@skaftgrupp_a", d.ThreadingA, ends, d.ShaftsA);
    if (d.ThreadingBOn) {
        lines << QString();
        AddHeddleBlock(lines, "@skaftgrupp_b", d.ThreadingB, ends, d.ShaftsB);
    }
    return report;
}

} // namespace hm
