// heddlemark-cli render draft|fabric: Save Draft as PNG and Save Fabric as PNG
// with the dialogs' values given as options.
#include "app/cli/clicommands.h"
#include "app/cli/outputoptions.h"
#include "model/draft.h"
#include "output/draftpng.h"
#include "output/fabricpng.h"

namespace hm {

namespace {

// Reports the export's messages and writes the file when it was made.
int Finish(const ExportResult& r, const QString& path, CliOutput& o) {
    ReportMessages(r.messages, o);
    if (!r.ok) return HasError(r.messages) ? ExitFailure : 0;
    return WriteOutputFile(path, r.bytes, o) ? 0 : ExitFailure;
}

} // namespace

int RenderDraftCommand(const QStringList& args, CliOutput& o) {
    if (args.size() < 4) return Usage(o, "render draft needs FILE and OUT.png");
    int fromEnd = -1, ends = -1, fromPick = -1, picks = -1, pixels = -1;
    bool numbers = false, grayGrid = false;
    QString noFill;
    OutputOptions options;
    options.numbers = {{"--from-end", &fromEnd},
                       {"--ends", &ends},
                       {"--from-pick", &fromPick},
                       {"--picks", &picks},
                       {"--pixels", &pixels}};
    options.switches = {{"--numbers", &numbers}, {"--gray-grid", &grayGrid}};
    options.noFill = &noFill;
    if (const std::string problem = options.Parse(args, 4); !problem.empty())
        return Usage(o, problem);
    DraftFill fill;
    if (!ApplyNoFill(noFill, fill))
        return Usage(o, "--no-fill takes threading, tieup, treadling and drawdown");
    if (pixels >= 0 && (pixels < MinPixelsPerEnd || pixels > MaxPixelsPerEnd))
        return Usage(o, "--pixels goes from " + std::to_string(MinPixelsPerEnd) + " to " +
                            std::to_string(MaxPixelsPerEnd));

    Messages messages;
    auto d = LoadDraft(args[2], messages);
    ReportMessages(messages, o);
    if (HasError(messages)) return ExitFailure;
    const UsedExtent used = ExportExtent(*d);
    DraftPngChoice c = DraftPngStart(*d, used.ends, used.picks, ExportMemory{});
    if (fromEnd >= 0) c.range.fromEnd = fromEnd;
    if (ends >= 0) c.range.ends = ends;
    if (fromPick >= 0) c.range.fromPick = fromPick;
    if (picks >= 0) c.range.picks = picks;
    if (pixels >= 0) c.pixelsPerEnd = pixels;
    c.fill = fill;
    c.numbers = numbers;
    c.grayGrid = grayGrid;
    if (!DraftRangeLimitsOf(*d).Allow(c.range))
        return Usage(o, "the range lies outside the Save Draft as PNG dialog's limits");
    if (c.range.ends <= 0 && c.range.picks <= 0) {
        ReportMessages({NoPatternNotice()}, o);
        return 0;
    }
    return Finish(MakeDraftPng(*d, c), args[3], o);
}

int RenderFabricCommand(const QStringList& args, CliOutput& o) {
    if (args.size() < 4) return Usage(o, "render fabric needs FILE and OUT.png");
    int ends = -1, picks = -1;
    OutputOptions options;
    options.numbers = {{"--ends", &ends}, {"--picks", &picks}};
    if (const std::string problem = options.Parse(args, 4); !problem.empty())
        return Usage(o, problem);
    const FabricPainter painter = OutputFabricPainter();
    if (!painter) {
        o.err += "heddlemark-cli: the fabric picture is not available yet\n";
        return ExitUsage;
    }
    Messages messages;
    auto d = LoadDraft(args[2], messages);
    ReportMessages(messages, o);
    if (HasError(messages)) return ExitFailure;
    const FabricPngStart start = FabricPngStartValues(*d);
    if (!start.ok) {
        ReportMessages({start.notice}, o);
        return 0;
    }
    if (ends < 0) ends = start.ends;
    if (picks < 0) picks = start.picks;
    if (!start.endLimits.Contains(ends) || !start.pickLimits.Contains(picks))
        return Usage(o, "ends go from " + std::to_string(start.endLimits.min) + " to " +
                            std::to_string(start.endLimits.max) + ", picks from " +
                            std::to_string(start.pickLimits.min) + " to " +
                            std::to_string(start.pickLimits.max));
    return Finish(MakeFabricPng(*d, ends, picks, painter), args[3], o);
}

} // namespace hm
