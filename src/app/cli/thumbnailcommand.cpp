// heddlemark-cli thumbnail: the whole cloth of a draft as a small PNG, for the
// desktop's thumbnailer.
#include "app/cli/clicommands.h"
#include "app/cli/outputoptions.h"
#include "model/draft.h"
#include "output/pngwriter.h"
#include "output/thumbnail.h"

namespace hm {

int ThumbnailCommand(const QStringList& args, CliOutput& o) {
    if (args.size() < 3) return Usage(o, "thumbnail needs FILE and OUT.png");
    int side = 256;
    OutputOptions options;
    options.numbers = {{"--size", &side}};
    if (const std::string problem = options.Parse(args, 3); !problem.empty())
        return Usage(o, problem);
    if (side < 1 || side > MaxThumbnailSide)
        return Usage(o, "--size goes from 1 to " + std::to_string(MaxThumbnailSide));

    Messages messages;
    auto d = LoadDraft(args[1], messages);
    ReportMessages(messages, o);
    if (HasError(messages)) return ExitFailure;
    const Thumbnail t = MakeThumbnail(*d, side);
    ReportMessages(t.messages, o);
    // No picture (no pattern) is a failure: the file manager then shows the
    // file type's icon.
    if (t.image.isNull()) return ExitFailure;
    const PngResult png = EncodePng(t.image);
    if (!png.ok) {
        ReportMessages({{MessageKind::Error, "@pngnores", {}}}, o);
        return ExitFailure;
    }
    return WriteOutputFile(args[2], png.bytes, o) ? 0 : ExitFailure;
}

} // namespace hm
