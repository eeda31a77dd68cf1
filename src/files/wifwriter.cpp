// Writing WIF files.
#include <QStringList>
#include <algorithm>
#include <functional>

#include "files/flatten.h"
#include "files/notetext.h"
#include "files/wiffile.h"

namespace hm {

namespace {

// Builds the text line by line, with the CR LF line ends of the format's origin.
class WifText {
  public:
    void Section(const char* name) {
        if (!bytes_.isEmpty()) bytes_ += "\r\n";
        bytes_ += '[' + QByteArray(name) + "]\r\n";
    }
    void Line(const QByteArray& key, const QByteArray& value) {
        bytes_ += key + '=' + value + "\r\n";
    }
    void Line(int key, const QByteArray& value) { Line(QByteArray::number(key), value); }
    const QByteArray& Bytes() const { return bytes_; }

  private:
    QByteArray bytes_;
};

QByteArray NumberList(const std::vector<int>& numbers) {
    QByteArray list;
    for (int n : numbers) {
        if (!list.isEmpty()) list += ',';
        list += QByteArray::number(n);
    }
    return list;
}

bool GroupBInUse(const Draft& d) {
    return (d.ThreadingBOn && d.LastEndB(MaxEnds) > 0) ||
           (d.TreadlingBOn && d.LastPickB(MaxPicks) > 0);
}

// The WIF form of the draft: one shaft per end and the shafts each pick lifts
// (sinks, in a sinking shed), through a tie-up when the draft is treadled.
struct WifHarness {
    int ends = 0;
    int picks = 0;
    int shafts = 0;
    int treadles = 0;                       // 0 for a liftplan
    std::vector<int> shaftOfEnd;            // index 0 = end 1
    std::vector<int> treadleOfPick;         // treadled only
    std::vector<std::vector<int>> tieup;    // treadle -> shafts, treadled only
    std::vector<std::vector<int>> liftplan; // pick -> shafts, liftplan only
};

// A ground weave on group A as it stands: the shafts tied by ground ties. In a
// sinking shed a WIF end without a shaft would be up on every pick, and so
// would every end on a pick without a treadle, where the draft has them down:
// those ends get a shaft tied to every treadle, those picks a treadle tied to
// every shaft.
WifHarness TreadledHarness(const Draft& d) {
    WifHarness h;
    const ClothSize size = DraftCloth(d);
    h.ends = size.ends;
    h.picks = size.picks;
    // Entries beyond the 32 shafts or treadles of a group count as empty, as in the drawdown.
    const auto shaftOf = [&](int e) { return d.ThreadingA[e] <= MaxShafts ? d.ThreadingA[e] : 0; };
    const auto treadleOf = [&](int p) {
        return d.TreadlingA[p] <= MaxTreadles ? d.TreadlingA[p] : 0;
    };
    int shafts = std::clamp(d.ShaftsA, 1, MaxShafts);
    int treadles = std::clamp(d.TreadlesA, 1, MaxTreadles);
    bool unthreaded = false, untreadled = false;
    for (int e = 1; e <= h.ends; ++e) {
        shafts = std::max(shafts, shaftOf(e));
        unthreaded = unthreaded || shaftOf(e) == 0;
    }
    for (int p = 1; p <= h.picks; ++p) {
        treadles = std::max(treadles, treadleOf(p));
        untreadled = untreadled || treadleOf(p) == 0;
    }
    const int extraShaft = d.SinkingShed && unthreaded ? shafts + 1 : 0;
    const int extraTreadle = d.SinkingShed && untreadled ? treadles + 1 : 0;
    h.shafts = std::max(shafts, extraShaft);
    h.treadles = std::max(treadles, extraTreadle);
    for (int e = 1; e <= h.ends; ++e)
        h.shaftOfEnd.push_back(shaftOf(e) > 0 ? shaftOf(e) : extraShaft);
    for (int p = 1; p <= h.picks; ++p)
        h.treadleOfPick.push_back(treadleOf(p) > 0 ? treadleOf(p) : extraTreadle);
    h.tieup.resize(static_cast<size_t>(h.treadles));
    for (int t = 1; t <= h.treadles; ++t) {
        std::vector<int>& tied = h.tieup[static_cast<size_t>(t - 1)];
        for (int s = 1; s <= h.shafts; ++s)
            if (t == extraTreadle || s == extraShaft ||
                (s <= MaxShafts && t <= MaxTreadles && d.TieupAA(s, t) == TieGround))
                tied.push_back(s);
    }
    return h;
}

// Any other draft as its cloth: one shaft per distinct drawdown column. The
// blank column, which needs no shaft, is the one that WIF gives an end without
// a shaft: down on every pick, or up in a sinking shed.
WifHarness LiftplanHarness(const Draft& d) {
    WifHarness h;
    const FlatCloth flat = FlattenCloth(d, DraftCloth(d), d.SinkingShed);
    h.ends = flat.Ends();
    h.picks = flat.Picks();
    h.shafts = std::max(1, flat.Shafts());
    for (int e = 1; e <= h.ends; ++e) h.shaftOfEnd.push_back(flat.ShaftOf(e));
    h.liftplan.resize(static_cast<size_t>(h.picks));
    for (int p = 1; p <= h.picks; ++p)
        for (int s = 1; s <= flat.Shafts(); ++s)
            if (flat.WarpUp(p, s) != d.SinkingShed)
                h.liftplan[static_cast<size_t>(p - 1)].push_back(s);
    return h;
}

// The colour used most often, as the section's default.
int MostUsed(const OneBasedBytes<MaxEnds>& colors, int count) {
    std::array<int, PaletteEntries> uses{};
    for (int i = 1; i <= count; ++i) ++uses[colors[i]];
    return static_cast<int>(std::max_element(uses.begin(), uses.end()) - uses.begin());
}

QByteArray Spacing(int perUnit) {
    return QByteArray::number(1.0 / std::clamp(perUnit, 1, 250), 'g', 6);
}

void WriteThreads(WifText& w, const char* name, int count, int colorDefault, const Draft& d,
                  int perUnit) {
    w.Section(name);
    w.Line("Threads", QByteArray::number(count));
    w.Line("Color", QByteArray::number(colorDefault + 1));
    w.Line("Units", d.Inches ? "Inches" : "Centimeters");
    w.Line("Spacing", Spacing(perUnit));
}

void WriteColors(WifText& w, const char* name, const OneBasedBytes<MaxEnds>& colors, int count) {
    w.Section(name);
    for (int i = 1; i <= count; ++i) w.Line(i, QByteArray::number(colors[i] + 1));
}

QStringList NoteLines(const std::string& note) {
    QString text = QString::fromStdString(note);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    return text.split(u'\n');
}

} // namespace

bool WifWritesTreadling(const Draft& d) {
    return !d.DesignMode && !d.PatternThreadingOn && !GroupBInUse(d);
}

QByteArray WifFileBytes(const Draft& d) {
    const bool treadled = WifWritesTreadling(d);
    const WifHarness h = treadled ? TreadledHarness(d) : LiftplanHarness(d);
    const bool note = !d.Note.empty();
    WifText w;
    w.Section("WIF");
    w.Line("Version", "1.1");
    w.Line("Date", "April 20, 1997");
    w.Line("Developers", "wif@mhsoft.com");
    w.Line("Source Program", "Heddlemark");
    w.Line("Source Version", HM_VERSION);

    w.Section("CONTENTS");
    std::vector<const char*> contents = {"COLOR PALETTE", "COLOR TABLE", "WEAVING",
                                         "WARP",          "WEFT",        "THREADING",
                                         "WARP COLORS",   "WEFT COLORS"};
    if (treadled) {
        contents.push_back("TIEUP");
        contents.push_back("TREADLING");
    } else {
        contents.push_back("LIFTPLAN");
    }
    if (note) contents.push_back("NOTES");
    for (const char* section : contents) w.Line(section, "true");

    w.Section("WEAVING");
    w.Line("Shafts", QByteArray::number(h.shafts));
    w.Line("Treadles", QByteArray::number(h.treadles));
    w.Line("Rising Shed", d.SinkingShed ? "false" : "true");

    WriteThreads(w, "WARP", h.ends, MostUsed(d.WarpColors, h.ends), d, d.Epi);
    WriteThreads(w, "WEFT", h.picks, MostUsed(d.WeftColors, h.picks), d, d.Ppi);

    w.Section("COLOR PALETTE");
    w.Line("Entries", QByteArray::number(PaletteEntries));
    w.Line("Form", "RGB");
    w.Line("Range", "0,255");
    w.Section("COLOR TABLE");
    for (int i = 0; i < PaletteEntries; ++i) {
        const uint32_t c = d.Palette[static_cast<size_t>(i)];
        w.Line(i + 1, QByteArray::number(ColorRed(c)) + ',' + QByteArray::number(ColorGreen(c)) +
                          ',' + QByteArray::number(ColorBlue(c)));
    }

    w.Section("THREADING");
    for (int e = 1; e <= h.ends; ++e)
        if (const int s = h.shaftOfEnd[static_cast<size_t>(e - 1)]; s > 0)
            w.Line(e, QByteArray::number(s));
    if (treadled) {
        w.Section("TIEUP");
        for (int t = 1; t <= h.treadles; ++t)
            if (const auto& tied = h.tieup[static_cast<size_t>(t - 1)]; !tied.empty())
                w.Line(t, NumberList(tied));
        w.Section("TREADLING");
        for (int p = 1; p <= h.picks; ++p)
            if (const int t = h.treadleOfPick[static_cast<size_t>(p - 1)]; t > 0)
                w.Line(p, QByteArray::number(t));
    } else {
        w.Section("LIFTPLAN");
        for (int p = 1; p <= h.picks; ++p)
            if (const auto& lifted = h.liftplan[static_cast<size_t>(p - 1)]; !lifted.empty())
                w.Line(p, NumberList(lifted));
    }
    WriteColors(w, "WARP COLORS", d.WarpColors, h.ends);
    WriteColors(w, "WEFT COLORS", d.WeftColors, h.picks);

    if (note) {
        w.Section("NOTES");
        const QStringList lines = NoteLines(d.Note);
        for (int i = 0; i < lines.size(); ++i)
            w.Line(i + 1, QByteArray::fromStdString(NoteToFileBytes(lines[i].toStdString())));
    }
    return w.Bytes();
}

SaveResult WriteWifFile(const Draft& d, const QString& path) {
    return SaveFileAtomically(path, WifFileBytes(d));
}

} // namespace hm
