#include "analysis/reports.h"

#include "settings/messages.h"

namespace hm {

const std::array<ReportInfo, 4>& ReportTable() {
    static const std::array<ReportInfo, 4> table = {{
        {ReportKind::Repeats, "Repeats1", "repeats", "@anareps", RepeatsReport},
        {ReportKind::Floats, "Floats1", "floats", "@floats", FloatsReport},
        {ReportKind::Colors, "Colors2", "colors", "@colcount", ColourCountReport},
        {ReportKind::Heddles, "Heddles1", "heddles", "@hedcount", HeddleReport},
    }};
    return table;
}

const ReportInfo& ReportInfoOf(ReportKind kind) {
    return ReportTable()[static_cast<size_t>(kind)];
}

const ReportInfo* FindReportByCliName(const QString& name) {
    for (const ReportInfo& info : ReportTable())
        if (name == QLatin1String(info.cliName)) return &info;
    return nullptr;
}

Report MakeReport(ReportKind kind, const Draft& d, const ReportContext& context) {
    return ReportInfoOf(kind).make(d, context);
}

QString ReportTitle(ReportKind kind) {
    return Tr(ReportInfoOf(kind).titleKey);
}

bool AnalyzeCommandEnabled(ReportKind kind, const Draft& d) {
    return kind == ReportKind::Repeats || !d.DesignMode;
}

} // namespace hm
