// The colour count report: how many ends and picks use each palette colour.
#include <array>

#include "analysis/extent.h"
#include "analysis/reportformat.h"
#include "analysis/reports.h"
#include "settings/messages.h"

namespace hm {

namespace {

const QString Indent = QStringLiteral("     ");

template <int N>
void AddColourLines(QStringList& lines, const OneBasedBytes<N>& colours, int count) {
    std::array<int, PaletteEntries> uses{};
    for (int i = 1; i <= count; ++i) ++uses[colours[i]];
    for (int c = 0; c < PaletteEntries; ++c)
        if (uses[static_cast<size_t>(c)] > 0)
            lines << QStringLiteral("      ") + RightAligned(c, 3) +
                         RightAligned(uses[static_cast<size_t>(c)], 9) +
                         RightAligned(PercentHalfToEven(uses[static_cast<size_t>(c)], count), 10) +
                         u'%';
}

} // namespace

Report ColourCountReport(const Draft& d, const ReportContext& context) {
    int ends = AnalysedEnds(d), picks = AnalysedPicks(d);
    if (ends == 0) ends = EndLimit(d);
    if (picks == 0) picks = PickLimit(d);

    Report report;
    QStringList& lines = report.lines;
    lines << QString() << Indent + context.currentName
          << Indent + QString::number(ends) + u' ' + Tr("@idends") + QStringLiteral("    ") +
                 QString::number(picks) + u' ' + Tr("@idpicks")
          << QString();
    lines << Indent + Tr("@idwarpcol") << QString() << Indent + Tr("@colends");
    AddColourLines(lines, d.WarpColors, ends);
    lines << QString() << Indent + Tr("@idweftcol") << QString() << Indent + Tr("@colpicks");
    AddColourLines(lines, d.WeftColors, picks);
    return report;
}

} // namespace hm
