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

int CountSet(const OneBasedBytes<MaxEnds>& a) {
    return static_cast<int>(
        std::count_if(a.bytes.begin(), a.bytes.end(), [](uint8_t v) { return v != 0; }));
}

// "N ends threaded, the last 24" or the like, over the whole capacity.
std::string Entries(const OneBasedBytes<MaxEnds>& a, const char* what) {
    return std::to_string(CountSet(a)) + " " + what + ", the last " +
           std::to_string(a.LastNonZero(MaxEnds));
}

// The last column and row of the design picture with a set cell.
std::pair<int, int> PictureExtent(const Draft& d) {
    int ends = 0, picks = 0;
    for (int r = 1; r <= DesignSize; ++r) {
        const uint8_t* row = d.DesignRow(r);
        for (int b = DesignRowBytes - 1; b >= 0; --b)
            if (row[b] != 0) {
                picks = r;
                ends = std::max(ends, b * 8 + 32 - __builtin_clz(row[b]));
                break;
            }
    }
    return {ends, picks};
}

std::string Info(const Draft& d, const QString& path) {
    int liftplanPicks = 0;
    for (int p = 1; p <= MaxPicks; ++p) liftplanPicks += d.LiftplanRowUsed(p);
    const auto [pictureEnds, picturePicks] = PictureExtent(d);
    // The extent of every part in use, whatever the repeat search left in UsedEnds.
    const int usedEnds = d.DesignMode ? pictureEnds : d.LastUsedEnd(MaxEnds);
    const int usedPicks = d.DesignMode ? picturePicks : d.LastUsedPick(MaxPicks);
    std::string s;
    s += "File: " + path.toStdString() + "\n";
    s += "Size: " + std::to_string(d.Ends) + " ends x " + std::to_string(d.Picks) +
         " picks, used " + std::to_string(usedEnds) + " x " + std::to_string(usedPicks) + "\n";
    s += "Mode: " + std::string(d.DesignMode ? "Design" : "Draft") + ", " +
         (d.SinkingShed ? "sinking" : "rising") + " shed\n";
    s += "Design picture: used " + std::to_string(pictureEnds) + " x " +
         std::to_string(picturePicks) + "\n";
    s += "Pattern threading: " + Yes(d.PatternThreadingOn) + ", " +
         std::to_string(d.PatternShafts) + " pattern shafts, " +
         Entries(d.PatternThreading, "ends threaded") + ", repeat " + std::to_string(d.WarpRepeat) +
         "\n";
    s += "Liftplan: " + std::to_string(d.LiftplanWidth) + " columns, " +
         std::to_string(liftplanPicks) + " picks lifting, the last " +
         std::to_string(d.LastLiftplanPick(MaxPicks)) + ", repeat " + std::to_string(d.WeftRepeat) +
         "\n";
    s += "Threading A: " + std::to_string(d.ShaftsA) + " shafts, " +
         Entries(d.ThreadingA, "ends threaded") + "\n";
    s += "Threading B: " + Yes(d.ThreadingBOn) + ", " + std::to_string(d.ShaftsB) + " shafts, " +
         Entries(d.ThreadingB, "ends threaded") + "\n";
    s += "Treadling A: " + std::to_string(d.TreadlesA) + " treadles, " +
         Entries(d.TreadlingA, "picks treadled") + "\n";
    s += "Treadling B: " + Yes(d.TreadlingBOn) + ", " + std::to_string(d.TreadlesB) +
         " treadles, " + Entries(d.TreadlingB, "picks treadled") + "\n";
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
        return HasError(messages) ? ExitFailure : 0;
    }
    // A file that cannot be read has no summary: the draft holds nothing of it.
    if (HasError(messages)) {
        ReportMessages(messages, o);
        return ExitFailure;
    }
    o.out += Info(*d, args[1]);
    for (const Message& m : messages) o.out += "Notice: " + MessageText(m).toStdString() + "\n";
    return 0;
}

} // namespace hm
