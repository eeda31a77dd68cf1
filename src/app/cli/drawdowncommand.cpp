// heddlemark-cli drawdown: Save Drawdown as BMP, black where the warp is up,
// end 1 at the right and pick 1 at the bottom.
#include "app/cli/clicommands.h"
#include "app/cli/clisupport.h"
#include "model/draft.h"
#include "output/drawdownbmp.h"

namespace hm {

int DrawdownCommand(const QStringList& args, CliOutput& o) {
    if (args.size() < 3) return Usage(o, "drawdown needs FILE and OUT.bmp");
    int ends = -1, picks = -1;
    for (int i = 3; i < args.size(); i += 2) {
        int* target = args[i] == "--ends" ? &ends : args[i] == "--picks" ? &picks : nullptr;
        if (!target) return Usage(o, "unknown option '" + args[i].toStdString() + "'");
        if (i + 1 >= args.size() || !ParseNumber(args[i + 1], *target) || *target < 2)
            return Usage(o, args[i].toStdString() + " needs a whole number from 2");
    }
    Messages messages;
    auto d = LoadDraft(args[1], messages);
    ReportMessages(messages, o);
    if (HasError(messages)) return ExitFailure;
    const UsedExtent used = ExportExtent(*d);
    if (used.ends < 2 || used.picks < 2) {
        ReportMessages({NoPatternNotice()}, o);
        return 0;
    }
    if (ends < 0) ends = used.ends;
    if (picks < 0) picks = used.picks;
    const int limit = d->DesignMode ? DesignSize : MaxEnds;
    if (ends > limit || picks > limit)
        return Usage(o, "ends and picks go up to " + std::to_string(limit));
    const ExportResult r = MakeDrawdownBmp(*d, ends, picks);
    ReportMessages(r.messages, o);
    if (!r.ok) return ExitFailure;
    return WriteOutputFile(args[2], r.bytes, o) ? 0 : ExitFailure;
}

} // namespace hm
