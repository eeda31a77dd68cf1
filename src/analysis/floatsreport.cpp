// The floats report: longest and average warp and weft floats, over and under.
#include "analysis/extent.h"
#include "analysis/floats.h"
#include "analysis/reportformat.h"
#include "analysis/reports.h"
#include "settings/messages.h"

namespace hm {

namespace {

const QString Indent = QStringLiteral("  ");

struct FloatBlockKeys {
    const char* longest;
    const char* average;
};

// The four lines of one kind of float. Warp floats give their place as end and
// pick, weft floats as pick and end.
void AddFloatLines(QStringList& lines, const FloatStats& s, FloatBlockKeys keys, bool warp,
                   const QString& separator) {
    lines << Indent + Tr(keys.longest) + QString::number(s.longest);
    if (warp)
        lines << Indent + Tr("@flofirstend") + QString::number(s.end) + Tr("@flopick") +
                     QString::number(s.pick);
    else
        lines << Indent + Tr("@flofirstpick") + QString::number(s.pick) + Tr("@floend") +
                     QString::number(s.end);
    lines << Indent + Tr("@flono") + QString::number(s.longestCount);
    lines << Indent + Tr(keys.average) + TwoDecimals(s.total, s.runs, separator);
}

Report NoPattern() {
    Report r;
    r.message = Message{MessageKind::Information, "@globnopat", {}};
    return r;
}

} // namespace

Report FloatsReport(const Draft& d, const ReportContext& context) {
    const HasPatternResult has = d.HasPattern(context.visibleEnds, context.visiblePicks);
    if (!has.ok) return Report{{}, has.message};
    const int ends = AnalysedEnds(d), picks = AnalysedPicks(d);
    if (ends == 0 || picks == 0) return NoPattern();

    const FloatCounts f = CountFloats(d, ends, picks);
    const QString separator = DecimalSeparatorOf(CurrentLanguage());

    Report report;
    QStringList& lines = report.lines;
    lines << QString();
    if (!context.currentName.isEmpty()) lines << Indent + context.currentName;
    lines << Indent + QString::number(ends) + u' ' + Tr("@idends") + QStringLiteral("    ") +
                 QString::number(picks) + u' ' + Tr("@idpicks")
          << QString();

    lines << Indent + Tr("@flowarp") << QString();
    AddFloatLines(lines, f.warpOver, {"@flomaxwarpover", "@floaverwarpover"}, true, separator);
    lines << QString();
    AddFloatLines(lines, f.warpUnder, {"@flomaxwarpunder", "@floaverwarpunder"}, true, separator);
    lines << QString();

    lines << Indent + Tr("@floweft") << QString();
    AddFloatLines(lines, f.weftOver, {"@flomaxweftover", "@floaverweftover"}, false, separator);
    lines << QString();
    AddFloatLines(lines, f.weftUnder, {"@flomaxweftunder", "@floaverweftunder"}, false, separator);
    return report;
}

} // namespace hm
