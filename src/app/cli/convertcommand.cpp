// heddlemark-cli convert: read one pattern file, write it in another format.
#include "app/cli/clicommands.h"
#include "app/cli/clisupport.h"
#include "model/draft.h"

namespace hm {

int ConvertCommand(const QStringList& arguments, CliOutput& o) {
    QStringList args = arguments;
    const bool lossy = TakeFlag(args, "--lossy");
    if (args.size() != 3) return Usage(o, "convert needs IN and OUT");
    if (!IsDraftOutput(args[2])) return Usage(o, "OUT must end in " + DraftOutputExtensions());
    Messages messages;
    auto d = LoadDraft(args[1], messages);
    ReportMessages(messages, o);
    if (HasError(messages)) return ExitFailure;
    return WriteDraftFile(*d, args[2], o, lossy);
}

} // namespace hm
