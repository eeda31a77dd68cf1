// heddlemark-cli report: the lines of an Analyze report, as its window shows them.
#include <QFileInfo>

#include "analysis/reports.h"
#include "app/cli/clicommands.h"
#include "app/cli/clisupport.h"
#include "model/draft.h"

namespace hm {

int ReportCommand(const QStringList& args, CliOutput& o) {
    if (args.size() != 3)
        return Usage(o, "report needs repeats, floats, colors or heddles and FILE");
    const ReportInfo* info = FindReportByCliName(args[1]);
    if (!info) return Usage(o, "unknown report '" + args[1].toStdString() + "'");
    Messages messages;
    auto d = LoadDraft(args[2], messages);
    ReportMessages(messages, o);
    if (HasError(messages)) return ExitFailure;
    // The menu offers only the repeats report in Design mode.
    if (!AnalyzeCommandEnabled(info->kind, *d)) {
        o.err += "heddlemark-cli: the " + args[1].toStdString() +
                 " report is not available for a draft in Design mode\n";
        return ExitUsage;
    }
    ReportContext context;
    context.currentName = QFileInfo(args[2]).completeBaseName();
    const Report report = info->make(*d, context);
    if (!report.Shown()) {
        ReportMessages({report.message}, o);
        return 0;
    }
    for (const QString& line : report.lines) o.out += line.toStdString() + "\n";
    return 0;
}

} // namespace hm
