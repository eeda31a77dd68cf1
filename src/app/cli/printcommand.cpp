// heddlemark-cli print: the pages of a print job, written as a PDF through the
// same jobs that File > Print runs on the printer.
#include <QBuffer>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include "app/cli/clicommands.h"
#include "app/cli/outputoptions.h"
#include "model/draft.h"
#include "output/fabrichook.h"
#include "output/imageexport.h"
#include "output/numericlists.h"
#include "output/printdraft.h"
#include "output/printfabric.h"
#include "output/printtext.h"

namespace hm {

namespace {

constexpr int PdfResolution = 600;

struct PdfTarget {
    QByteArray bytes;
    QBuffer buffer{&bytes};
    QPdfWriter writer{&buffer};

    PdfTarget(bool a4, bool landscape, const QString& title) {
        buffer.open(QIODevice::WriteOnly);
        writer.setResolution(PdfResolution);
        writer.setPageLayout(QPageLayout(QPageSize(a4 ? QPageSize::A4 : QPageSize::Letter),
                                         landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0)));
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Heddlemark"));
    }
};

// Reports the job's messages and writes the PDF when something was printed.
int Finish(const PrintOutcome& outcome, PdfTarget& pdf, const QString& path, CliOutput& o) {
    ReportMessages(outcome.messages, o);
    if (!outcome.printed) return HasError(outcome.messages) ? ExitFailure : 0;
    return WriteOutputFile(path, pdf.bytes, o) ? 0 : ExitFailure;
}

int NoPattern(CliOutput& o) {
    ReportMessages({NoPatternNotice()}, o);
    return 0;
}

} // namespace

int PrintCommand(const QStringList& arguments, CliOutput& o) {
    QStringList args = arguments;
    static const QStringList kinds = {"draft", "fabric", "threading", "liftplan", "warp-colors"};
    if (args.size() < 4 || !kinds.contains(args[1]))
        return Usage(o,
                     "print needs draft|fabric|threading|liftplan|warp-colors, FILE and OUT.pdf");
    const QString kind = args[1];
    bool a4 = true;
    if (const int paper = args.indexOf("--paper"); paper > 3) {
        const QString size = paper + 1 < args.size() ? args[paper + 1] : QString();
        if (size != "a4" && size != "letter") return Usage(o, "--paper needs a4 or letter");
        a4 = size == "a4";
        args.remove(paper, 2);
    }

    bool landscape = false, noNote = false, trueSize = false;
    int fromEnd = -1, ends = -1, fromPick = -1, picks = -1, first = -1, second = -1;
    QString noFill;
    OutputOptions options;
    options.switches["--landscape"] = &landscape;
    if (kind == "draft") {
        options.numbers = {{"--from-end", &fromEnd},
                           {"--ends", &ends},
                           {"--from-pick", &fromPick},
                           {"--picks", &picks}};
        options.switches["--no-note"] = &noNote;
        options.noFill = &noFill;
    } else if (kind == "fabric") {
        options.numbers = {{"--ends", &ends}, {"--picks", &picks}};
        options.switches["--true-size"] = &trueSize;
    } else {
        options.numbers = {{"--from", &first}, {"--to", &second}};
    }
    if (const std::string problem = options.Parse(args, 4); !problem.empty())
        return Usage(o, problem);
    DraftFill fill;
    if (!ApplyNoFill(noFill, fill))
        return Usage(o, "--no-fill takes threading, tieup, treadling and drawdown");

    Messages messages;
    auto d = LoadDraft(args[2], messages);
    ReportMessages(messages, o);
    if (HasError(messages)) return ExitFailure;
    const PrintContext context{PageMargins{}, QFileInfo(args[2]).completeBaseName()};
    const QString& out = args[3];

    if (kind == "draft") {
        const UsedExtent used = ExportExtent(*d);
        PrintDraftChoice c = PrintDraftStart(*d, used.ends, used.picks);
        if (fromEnd >= 0) c.range.fromEnd = fromEnd;
        if (ends >= 0) c.range.ends = ends;
        if (fromPick >= 0) c.range.fromPick = fromPick;
        if (picks >= 0) c.range.picks = picks;
        c.fill = fill;
        c.printNote = !noNote;
        if (!DraftRangeLimitsOf(*d).Allow(c.range))
            return Usage(o, "the range lies outside the Print Draft dialog's limits");
        if (c.range.ends <= 0 && c.range.picks <= 0) return NoPattern(o);
        PdfTarget pdf(a4, landscape, PrintJobTitle(context.currentName));
        return Finish(PrintDraft(pdf.writer, context, *d, c), pdf, out, o);
    }

    if (kind == "fabric") {
        const FabricPainter painter = OutputFabricPainter();
        if (!painter) {
            o.err += "heddlemark-cli: printing the fabric is not available yet\n";
            return ExitUsage;
        }
        const HasPatternResult has = d->HasPattern(d->Ends, d->Picks);
        if (!has.ok) {
            ReportMessages({has.message}, o);
            return 0;
        }
        PrintFabricDialogStart start = PrintFabricStart(*d);
        PrintFabricChoice c = start.choice;
        if (ends >= 0) c.ends = ends;
        if (picks >= 0) c.picks = picks;
        if (trueSize) c.size = FabricPrintSize::TrueSize;
        if (!start.ends.Contains(c.ends) || !start.picks.Contains(c.picks))
            return Usage(o, "ends and picks go from 1 to the last used end and pick");
        if (ShowsPrintTimeNotice(false)) ReportMessages({PrintTimeNotice()}, o);
        PdfTarget pdf(a4, landscape, PrintJobTitle(context.currentName));
        return Finish(PrintFabric(pdf.writer, context, *d, c, painter), pdf, out, o);
    }

    const NumericList list = kind == "threading"  ? NumericList::Threading
                             : kind == "liftplan" ? NumericList::Liftplan
                                                  : NumericList::WarpColors;
    const NumericListDialog start = NumericListStart(list, *d, landscape);
    if (first < 0) first = start.first;
    if (second < 0) second = start.second;
    if (!start.limits.Contains(first) || !start.limits.Contains(second))
        return Usage(o, "--from and --to go from 1 to " + std::to_string(start.limits.max));
    NumericJobCounter counter;
    PdfTarget pdf(a4, landscape, counter.NextTitle());
    const QStringList lines =
        NumericListLines(list, *d, context.currentName, first, second, landscape);
    return Finish(PrintTextLines(pdf.writer, context, lines), pdf, out, o);
}

} // namespace hm
