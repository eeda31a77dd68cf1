// heddlemark-cli info and dump: a summary line per part, or the whole draft as JSON.
#include <algorithm>

#include "app/cli/clicommands.h"
#include "app/cli/clisupport.h"
#include "files/draftjson.h"
#include "model/draft.h"
#include "settings/messages.h"

namespace hm {

namespace {

std::string Yes(bool v) {
    return v ? "on" : "off";
}

int CountTies(const TieupBlock& t, int shafts, int treadles) {
    int n = 0;
    for (int s = 1; s <= std::clamp(shafts, 0, 32); ++s)
        for (int k = 1; k <= std::clamp(treadles, 0, 32); ++k) n += t(s, k) != 0;
    return n;
}

int CountSet(const OneBasedBytes<MaxEnds>& a, int count) {
    int n = 0;
    for (int i = 1; i <= std::clamp(count, 0, MaxEnds); ++i) n += a[i] != 0;
    return n;
}

std::string Info(const Draft& d, const QString& path) {
    const int ends = std::clamp(d.Ends, 0, MaxEnds);
    const int picks = std::clamp(d.Picks, 0, MaxPicks);
    int liftplanPicks = 0;
    for (int p = 1; p <= picks; ++p) liftplanPicks += d.LiftplanRowUsed(p);
    std::string s;
    s += "File: " + path.toStdString() + "\n";
    s += "Size: " + std::to_string(d.Ends) + " ends x " + std::to_string(d.Picks) +
         " picks, used " + std::to_string(d.UsedEnds) + " x " + std::to_string(d.UsedPicks) + "\n";
    s += "Mode: " + std::string(d.DesignMode ? "Design" : "Draft") + ", " +
         (d.SinkingShed ? "sinking" : "rising") + " shed\n";
    s += "Pattern threading: " + Yes(d.PatternThreadingOn) + ", " +
         std::to_string(d.PatternShafts) + " pattern shafts, " +
         std::to_string(CountSet(d.PatternThreading, ends)) + " ends threaded, repeat " +
         std::to_string(d.WarpRepeat) + "\n";
    s += "Liftplan: " + std::to_string(d.LiftplanWidth) + " columns, " +
         std::to_string(liftplanPicks) + " picks lifting, repeat " + std::to_string(d.WeftRepeat) +
         "\n";
    s += "Threading A: " + std::to_string(d.ShaftsA) + " shafts, " +
         std::to_string(CountSet(d.ThreadingA, ends)) + " ends threaded\n";
    s += "Threading B: " + Yes(d.ThreadingBOn) + ", " + std::to_string(d.ShaftsB) + " shafts, " +
         std::to_string(CountSet(d.ThreadingB, ends)) + " ends threaded\n";
    s += "Treadling A: " + std::to_string(d.TreadlesA) + " treadles, " +
         std::to_string(CountSet(d.TreadlingA, picks)) + " picks treadled\n";
    s += "Treadling B: " + Yes(d.TreadlingBOn) + ", " + std::to_string(d.TreadlesB) +
         " treadles, " + std::to_string(CountSet(d.TreadlingB, picks)) + " picks treadled\n";
    s += "Tie-ups: AA " + std::to_string(CountTies(d.TieupAA, d.ShaftsA, d.TreadlesA)) + ", AB " +
         std::to_string(CountTies(d.TieupAB, d.ShaftsA, d.TreadlesB)) + ", BA " +
         std::to_string(CountTies(d.TieupBA, d.ShaftsB, d.TreadlesA)) + ", BB " +
         std::to_string(CountTies(d.TieupBB, d.ShaftsB, d.TreadlesB)) + " cells tied\n";
    s += "Colours: warp repeat " + std::to_string(d.WarpColorRepeat) + ", weft repeat " +
         std::to_string(d.WeftColorRepeat) + "\n";
    static const char* const sizes[] = {"16", "64", "256"};
    s += "Palette: " +
         std::string(d.PaletteSize >= 0 && d.PaletteSize <= 2 ? sizes[d.PaletteSize] : "?") +
         " colours shown\n";
    s += "Cloth: " + std::to_string(d.Epi) + " ends and " + std::to_string(d.Ppi) + " picks per " +
         (d.Inches ? "inch" : "centimetre") + ", compression " + Yes(d.FabricCompression) + "\n";
    s += "View: zoom " + std::to_string(d.Zoom) + ", fabric zoom " + std::to_string(d.FabricZoom) +
         ", liftplan from " + (d.LiftplanFromBottom ? "bottom" : "top") + ", threading from " +
         (d.ThreadingFromRight ? "right" : "left") + ", shaft 1 at " +
         (d.ShaftOneAtBottom ? "bottom" : "top") + "\n";
    s += "Note: " + std::to_string(QString::fromStdString(d.Note).size()) + " characters\n";
    return s;
}

} // namespace

int InfoCommand(const QStringList& args, CliOutput& o) {
    if (args.size() != 2) return Usage(o, args[0].toStdString() + " needs one FILE");
    Messages messages;
    auto d = LoadDraft(args[1], messages);
    if (args[0] == "dump") {
        o.out += DraftToJson(*d, messages);
    } else {
        o.out += Info(*d, args[1]);
        for (const Message& m : messages)
            o.out += std::string(m.kind == MessageKind::Error ? "Error: " : "Notice: ") +
                     MessageText(m).toStdString() + "\n";
    }
    return HasError(messages) ? ExitFailure : 0;
}

} // namespace hm
