#include "analysis/ui/analyzecommands.h"

#include <optional>

#include "analysis/ui/reportwindow.h"
#include "ui/busycursor.h"
#include "ui/commandcontext.h"

namespace hm {

namespace {

// The floats report walks every crossing, and the repeats report in Design mode
// first analyses the whole picture.
bool ReportIsLong(ReportKind kind, const Draft& d) {
    return kind == ReportKind::Floats || (kind == ReportKind::Repeats && d.DesignMode);
}

} // namespace

Report MakeWindowReport(CommandContext& ctx, ReportKind kind) {
    const ReportContext context{ctx.doc.CurrentName, ctx.view.VisibleEnds, ctx.view.VisiblePicks,
                                ctx.view.FabricView};
    std::optional<BusyCursor> busy;
    if (ReportIsLong(kind, ctx.draft)) busy.emplace();
    return MakeReport(kind, ctx.draft, context);
}

bool ShowAnalysisReport(CommandContext& ctx, ReportKind kind) {
    if (!AnalyzeCommandEnabled(kind, ctx.draft)) return false;
    const Report report = MakeWindowReport(ctx, kind);
    if (!report.Shown()) {
        ctx.Ask(report.message);
        return false;
    }
    TRtxtDlg::Hooks hooks;
    hooks.exec = [&ctx](QDialog& dialog) { return ctx.Exec(dialog); };
    hooks.show = [&ctx](const Message& m) { ctx.Ask(m); };
    TRtxtDlg window(ReportTitle(kind), report.lines, ctx.dialogParent, std::move(hooks));
    ctx.Exec(window);
    return false;
}

} // namespace hm
