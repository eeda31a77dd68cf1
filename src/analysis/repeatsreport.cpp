// The repeats report: repeat lengths of warp and weft and their total repeats.
#include <memory>

#include "analysis/extent.h"
#include "analysis/repeats.h"
#include "analysis/reports.h"
#include "model/design.h"
#include "ops/repeatlength.h"
#include "settings/messages.h"

namespace hm {

namespace {

const QString Indent = QStringLiteral("     ");
const QString LabelIndent = QStringLiteral("       ");

QString Label(const char* key, SequenceRepeat r) {
    return LabelIndent + Tr(key) +
           (r.found ? QStringLiteral(" = ") + QString::number(r.length)
                    : QStringLiteral(" > ") + QString::number(MaxRepeatPeriod));
}

QString TotalLine(SequenceRepeat a, SequenceRepeat b, int limit) {
    const int total = TotalRepeat(a, b, limit);
    return LabelIndent + Tr("@anatotrap") + QStringLiteral(" = ") +
           (total > 0 ? QString::number(total) : Tr("@outofbounds"));
}

} // namespace

Report RepeatsReport(const Draft& draft, const ReportContext& context) {
    // In Design mode the pattern level is derived from the picture only when the
    // mode is left or a fabric view is chosen; analyse a copy so that the
    // report sees the picture without changing the draft.
    std::unique_ptr<Draft> analysed;
    if (draft.DesignMode && !context.fabricViewShowing) {
        analysed = std::make_unique<Draft>(draft);
        AnalyzeDesignFull(*analysed);
    }
    const Draft& d = analysed ? *analysed : draft;
    const DraftRepeats r = FindDraftRepeats(d);
    const bool pattern = d.PatternThreadingOn;

    Report report;
    QStringList& lines = report.lines;
    lines << QString() << QString() << Indent + context.currentName << QString();

    lines << Indent + Tr("@anawarp");
    if (pattern) lines << Label("@monsolv", r.patternThreading);
    lines << Label("@idwarpcol", r.warpColors);
    if (pattern) lines << TotalLine(r.patternThreading, r.warpColors, EndLimit(d)) << QString();
    lines << Label("@skaftgrupp_a", r.threadingA);
    if (d.ThreadingBOn) lines << Label("@skaftgrupp_b", r.threadingB);
    lines << QString();

    lines << Indent + Tr("@anaweft");
    if (pattern) lines << Label("@dragnota", r.liftplan);
    lines << Label("@idweftcol", r.weftColors);
    if (pattern) lines << TotalLine(r.liftplan, r.weftColors, PickLimit(d)) << QString();
    lines << Label("@trampning_a", r.treadlingA);
    if (d.TreadlingBOn) lines << Label("@trampning_b", r.treadlingB);
    return report;
}

} // namespace hm
