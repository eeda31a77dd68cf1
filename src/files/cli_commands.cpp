#include "files/cli_commands.h"

#include <QBuffer>
#include <QImage>
#include <algorithm>
#include <cstdio>
#include <memory>

#include "files/draftjson.h"
#include "files/hdmfile.h"
#include "files/hdxfile.h"
#include "files/openfile.h"
#include "files/savefile.h"
#include "model/drawdown.h"

namespace hm {

namespace {

constexpr int ExitUsage = 1;
constexpr int ExitFailure = 2;

const char* const UsageText =
    "Usage: heddlemark-cli COMMAND [ARGUMENTS]\n"
    "\n"
    "Headless tool for Heddlemark pattern files (.hdx, .hdm, .bmp).\n"
    "\n"
    "Commands:\n"
    "  info FILE             one summary line per part of the draft\n"
    "  dump FILE             the whole draft as one JSON object\n"
    "  convert IN OUT        read IN and write OUT as .hdx or .hdm (by its extension)\n"
    "  drawdown FILE OUT.bmp [--ends E] [--picks P]\n"
    "                        write the drawdown of ends 1..E and picks 1..P as a\n"
    "                        black-and-white BMP (default: the used extent)\n"
    "  --help                show this text\n"
    "  --version             show the program version\n";

int Usage(CliOutput& o, const std::string& problem) {
    o.err += "heddlemark-cli: " + problem + "\n" + UsageText;
    return ExitUsage;
}

std::string Yes(bool v) {
    return v ? "on" : "off";
}

// Reads a file as File > Open does, into a draft with the start-up values.
std::unique_ptr<Draft> Load(const QString& path, Messages& messages) {
    auto d = std::make_unique<Draft>();
    OpenResult opened = OpenPatternFile(*d, path);
    messages = std::move(opened.read.messages);
    return d;
}

bool HasError(const Messages& messages) {
    return std::any_of(messages.begin(), messages.end(),
                       [](const Message& m) { return m.kind == MessageKind::Error; });
}

void ReportMessages(const Messages& messages, CliOutput& o) {
    for (const Message& m : messages)
        o.err += std::string(m.kind == MessageKind::Error ? "error: " : "notice: ") +
                 MessageText(m) + "\n";
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

bool ParseCount(const QString& text, int& value) {
    bool ok = false;
    value = text.toInt(&ok);
    return ok;
}

int Drawdown(const QStringList& args, CliOutput& o) {
    if (args.size() < 3) return Usage(o, "drawdown needs FILE and OUT.bmp");
    int ends = -1, picks = -1;
    for (int i = 3; i < args.size(); i += 2) {
        int* target = args[i] == "--ends" ? &ends : args[i] == "--picks" ? &picks : nullptr;
        if (!target) return Usage(o, "unknown option '" + args[i].toStdString() + "'");
        if (i + 1 >= args.size() || !ParseCount(args[i + 1], *target) || *target < 1)
            return Usage(o, args[i].toStdString() + " needs a whole number above 0");
    }
    Messages messages;
    auto d = Load(args[1], messages);
    ReportMessages(messages, o);
    if (HasError(messages)) return ExitFailure;
    // The used extent: of the picture in Design mode, else of the threadings and
    // of the liftplan and treadlings.
    int usedEnds = 0, usedPicks = 0;
    if (d->DesignMode) {
        d->UpdateDesignExtents();
        usedEnds = d->UsedEnds;
        usedPicks = d->UsedPicks;
    } else {
        usedEnds = d->LastUsedEnd(std::clamp(d->Ends, 0, MaxEnds));
        usedPicks = d->LastUsedPick(std::clamp(d->Picks, 0, MaxPicks));
    }
    if (ends < 0) ends = usedEnds;
    if (picks < 0) picks = usedPicks;
    const int limit = d->DesignMode ? DesignSize : MaxEnds;
    if (ends > limit || picks > limit)
        return Usage(o, "ends and picks go up to " + std::to_string(limit));
    if (ends < 1 || picks < 1) {
        o.err += "heddlemark-cli: No Pattern\n";
        return ExitFailure;
    }
    QImage image(ends, picks, QImage::Format_RGB32);
    image.fill(Qt::white);
    DrawdownRows rows(*d);
    std::vector<uint8_t> row(static_cast<size_t>(ends));
    for (int p = 1; p <= picks; ++p) {
        rows.WarpOnTopRow(p, 1, ends, row.data());
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(picks - p));
        for (int e = 1; e <= ends; ++e)
            if (row[static_cast<size_t>(e - 1)]) line[ends - e] = qRgb(0, 0, 0);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "BMP")) {
        o.err += "heddlemark-cli: the picture could not be made\n";
        return ExitFailure;
    }
    const SaveResult saved = SaveFileAtomically(args[2], bytes);
    if (!saved.ok) {
        ReportMessages({saved.error}, o);
        return ExitFailure;
    }
    return 0;
}

int Convert(const QStringList& args, CliOutput& o) {
    if (args.size() != 3) return Usage(o, "convert needs IN and OUT");
    const QString out = args[2];
    const QString ext = out.mid(out.lastIndexOf('.')).toLower();
    if (out.lastIndexOf('.') < 0 || (ext != ".hdx" && ext != ".hdm"))
        return Usage(o, "OUT must end in .hdx or .hdm");
    Messages messages;
    auto d = Load(args[1], messages);
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

} // namespace

int RunCli(const QStringList& args, CliOutput& o) {
    if (args.isEmpty()) return Usage(o, "no command given");
    const QString& command = args[0];
    if (command == "--help" || command == "-h") {
        o.out += UsageText;
        return 0;
    }
    if (command == "--version") {
        o.out += std::string("heddlemark-cli ") + HM_VERSION + "\n";
        return 0;
    }
    if (command == "info" || command == "dump") {
        if (args.size() != 2) return Usage(o, command.toStdString() + " needs one FILE");
        Messages messages;
        auto d = Load(args[1], messages);
        if (command == "dump") {
            o.out += DraftToJson(*d, messages);
        } else {
            o.out += Info(*d, args[1]);
            for (const Message& m : messages)
                o.out += std::string(m.kind == MessageKind::Error ? "Error: " : "Notice: ") +
                         MessageText(m) + "\n";
        }
        return HasError(messages) ? ExitFailure : 0;
    }
    if (command == "convert") return Convert(args, o);
    if (command == "drawdown") return Drawdown(args, o);
    return Usage(o, "unknown command '" + command.toStdString() + "'");
}

} // namespace hm
