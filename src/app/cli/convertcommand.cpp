// heddlemark-cli convert: read one pattern file, write it in another format.
#include "app/cli/clicommands.h"
#include "app/cli/clisupport.h"
#include "files/hdmfile.h"
#include "files/hdxfile.h"
#include "files/savefile.h"
#include "model/draft.h"

namespace hm {

int ConvertCommand(const QStringList& args, CliOutput& o) {
    if (args.size() != 3) return Usage(o, "convert needs IN and OUT");
    const QString out = args[2];
    const QString ext = out.mid(out.lastIndexOf('.')).toLower();
    if (out.lastIndexOf('.') < 0 || (ext != ".hdx" && ext != ".hdm"))
        return Usage(o, "OUT must end in .hdx or .hdm");
    Messages messages;
    auto d = LoadDraft(args[1], messages);
    ReportMessages(messages, o);
    if (HasError(messages)) return ExitFailure;
    const SaveResult saved =
        ext == ".hdm" ? WritePatternFile(*d, out) : WriteCdPatternFile(*d, out, true);
    if (!saved.ok) {
        ReportMessages({saved.error}, o);
        return ExitFailure;
    }
    return 0;
}

} // namespace hm
