// Reading WIF files: the content of the file mapped onto the draft.
#include <QFile>
#include <algorithm>
#include <bitset>
#include <cmath>

#include "files/notetext.h"
#include "files/wifcolors.h"
#include "files/wifcontent.h"
#include "files/wiffile.h"
#include "settings/messages.h"

namespace hm {

namespace {

// Far more than a WIF of the largest draft needs; a bigger file is not read into memory.
constexpr qint64 LargestWifFile = 64 * 1024 * 1024;
constexpr int NoteCharacters = 3000;

// The threading on one shaft per end. An end on several shafts gets a shaft of
// its own for that set, after every shaft the file names, lifted whenever one
// of its shafts is.
struct Harness {
    std::vector<int> shaftOfEnd;           // index 0 = end 1; 0 = unthreaded
    std::vector<std::vector<int>> members; // index 0 = shaft 1: the file's shafts it stands for
    bool unthreadedEnds = false;

    int Shafts() const { return static_cast<int>(members.size()); }
};

int LargestShaft(const WifContent& c) {
    int largest = 0;
    for (const WifLists* lists : {&c.threading, &c.tieup, &c.liftplan})
        for (const auto& [key, shafts] : *lists)
            if (!shafts.empty()) largest = std::max(largest, shafts.back());
    return largest;
}

Harness BuildHarness(const WifContent& c, int ends, int fileShafts) {
    Harness h;
    for (int s = 1; s <= fileShafts; ++s) h.members.push_back({s});
    std::map<std::vector<int>, int> shaftOfSet;
    h.shaftOfEnd.assign(static_cast<size_t>(ends), 0);
    for (int e = 1; e <= ends; ++e) {
        const auto it = c.threading.find(e);
        int shaft = 0;
        if (it == c.threading.end() || it->second.empty()) {
            h.unthreadedEnds = true;
        } else if (it->second.size() == 1) {
            shaft = it->second.front();
        } else {
            auto [set, added] = shaftOfSet.try_emplace(it->second, h.Shafts() + 1);
            if (added) h.members.push_back(it->second);
            shaft = set->second;
        }
        h.shaftOfEnd[static_cast<size_t>(e - 1)] = shaft;
    }
    return h;
}

const std::vector<int>& ListOf(const WifLists& lists, int key) {
    static const std::vector<int> none;
    const auto it = lists.find(key);
    return it == lists.end() ? none : it->second;
}

// The file's shafts lifted (sunk, in a sinking shed) on a pick.
std::bitset<MaxPatternShafts + 1> LiftedOn(const WifContent& c, int pick) {
    std::bitset<MaxPatternShafts + 1> lifted;
    if (c.useLiftplan) {
        for (int s : ListOf(c.liftplan, pick)) lifted.set(static_cast<size_t>(s));
    } else {
        for (int t : ListOf(c.treadling, pick))
            for (int s : ListOf(c.tieup, t)) lifted.set(static_cast<size_t>(s));
    }
    return lifted;
}

bool AnyMember(const std::vector<int>& members, const std::bitset<MaxPatternShafts + 1>& set) {
    return std::any_of(members.begin(), members.end(),
                       [&](int s) { return set.test(static_cast<size_t>(s)); });
}

// How a treadled file fits the ground level: the treadle every pick presses,
// and the extra shaft and treadle that a sinking shed needs (0 when not needed).
struct GroundFit {
    bool fits = false;
    int treadles = 0;     // the file's treadles
    int extraShaft = 0;   // for unthreaded ends, tied to no treadle
    int extraTreadle = 0; // for picks without a treadle, tying no shaft
};

// In a sinking shed a WIF end without a shaft is up on every pick, and so are all
// ends on a pick without a treadle; on the ground level both would be down.
// An untied shaft and an untied treadle give them exactly.
GroundFit FitGround(const WifContent& c, const Harness& h, int picks) {
    GroundFit g;
    if (c.useLiftplan) return g;
    bool emptyPicks = false;
    for (int p = 1; p <= picks; ++p) {
        const std::vector<int>& treadles = ListOf(c.treadling, p);
        if (treadles.size() > 1) return g;
        if (treadles.empty())
            emptyPicks = true;
        else
            g.treadles = std::max(g.treadles, treadles.front());
    }
    if (!c.tieup.empty()) g.treadles = std::max(g.treadles, c.tieup.rbegin()->first);
    int shafts = h.Shafts();
    if (!c.rising && h.unthreadedEnds) g.extraShaft = ++shafts;
    int treadles = g.treadles;
    if (!c.rising && emptyPicks) g.extraTreadle = ++treadles;
    g.fits = shafts <= MaxShafts && treadles <= MaxTreadles;
    return g;
}

void MapOntoGround(Draft& d, const WifContent& c, const Harness& h, const GroundFit& g, int ends,
                   int picks) {
    d.PatternThreadingOn = false;
    for (int e = 1; e <= ends; ++e) {
        const int shaft = h.shaftOfEnd[static_cast<size_t>(e - 1)];
        d.ThreadingA[e] = static_cast<uint8_t>(shaft > 0 ? shaft : g.extraShaft);
    }
    for (int p = 1; p <= picks; ++p) {
        const std::vector<int>& treadles = ListOf(c.treadling, p);
        d.TreadlingA[p] = static_cast<uint8_t>(treadles.empty() ? g.extraTreadle : treadles[0]);
    }
    for (int t = 1; t <= g.treadles; ++t) {
        std::bitset<MaxPatternShafts + 1> tied;
        for (int s : ListOf(c.tieup, t)) tied.set(static_cast<size_t>(s));
        for (int s = 1; s <= h.Shafts(); ++s)
            if (AnyMember(h.members[static_cast<size_t>(s - 1)], tied)) d.TieupAA(s, t) = TieGround;
    }
    const int shafts = std::max(h.Shafts(), g.extraShaft);
    const int treadles = std::max(g.treadles, g.extraTreadle);
    d.ShaftsA = std::clamp(std::max(shafts, std::min(c.declaredShafts, MaxShafts)), 2, MaxShafts);
    d.TreadlesA =
        std::clamp(std::max(treadles, std::min(c.declaredTreadles, MaxTreadles)), 2, MaxTreadles);
}

// A sinking shed needs a pattern shaft that never sinks for the unthreaded ends.
int PatternShaftsNeeded(const WifContent& c, const Harness& h) {
    return h.Shafts() + (!c.rising && h.unthreadedEnds ? 1 : 0);
}

void MapOntoPatternLevel(Draft& d, const WifContent& c, const Harness& h, int ends, int picks) {
    d.PatternThreadingOn = true;
    const int needed = PatternShaftsNeeded(c, h);
    for (int e = 1; e <= ends; ++e) {
        const int shaft = h.shaftOfEnd[static_cast<size_t>(e - 1)];
        d.PatternThreading[e] =
            static_cast<uint8_t>(shaft > 0 ? shaft : (needed > h.Shafts() ? needed : 0));
    }
    for (int p = 1; p <= picks; ++p) {
        const auto lifted = LiftedOn(c, p);
        if (lifted.none()) continue;
        for (int s = 1; s <= h.Shafts(); ++s)
            if (AnyMember(h.members[static_cast<size_t>(s - 1)], lifted)) d.SetLiftplan(p, s, true);
    }
    d.PatternShafts = d.LiftplanWidth = std::clamp(
        std::max(needed, std::min(c.declaredShafts, MaxPatternShafts)), 2, MaxPatternShafts);
}

// Ends (or picks) per unit from the spacing of one thread, in the draft's unit.
int Density(double spacing, double unitInInches, bool inches) {
    const double perInch = 1.0 / (spacing * unitInInches);
    return static_cast<int>(std::clamp(std::round(inches ? perInch : perInch / 2.54), 2.0, 250.0));
}

void MapDensities(Draft& d, const WifContent& c) {
    const WifThreads& first = c.warp.spacing > 0 && c.warp.unitInInches > 0 ? c.warp : c.weft;
    if (first.spacing <= 0 || first.unitInInches <= 0) return;
    d.Inches = !first.metric;
    if (c.warp.spacing > 0 && c.warp.unitInInches > 0)
        d.Epi = Density(c.warp.spacing, c.warp.unitInInches, d.Inches);
    if (c.weft.spacing > 0 && c.weft.unitInInches > 0)
        d.Ppi = Density(c.weft.spacing, c.weft.unitInInches, d.Inches);
}

std::string NoteOf(const WifContent& c) {
    QStringList lines;
    if (!c.title.empty())
        lines << Tr("@wiftitle") + u' ' + QString::fromStdString(NoteFromFileBytes(c.title));
    if (!c.author.empty())
        lines << Tr("@wifauthor") + u' ' + QString::fromStdString(NoteFromFileBytes(c.author));
    for (const std::string& line : c.notes)
        lines << QString::fromStdString(NoteFromFileBytes(line));
    return lines.join(u'\n').left(NoteCharacters).toStdString();
}

} // namespace

ReadResult ReadWifData(Draft& d, const QByteArray& bytes) {
    ReadResult result;
    WifProblems problems;
    const WifSections sections(bytes, problems);
    if (!LooksLikeWif(sections)) {
        result.Error("@wifnotwif");
        return result;
    }
    const WifContent c = ReadWifContent(sections, problems);
    const auto fail = [&](const char* key, int count) {
        result.messages = problems.Take();
        result.messages.push_back({MessageKind::Error, key, NumberSuffix(count)});
        return result;
    };

    const int lifts = WifContent::LastUsed(c.useLiftplan ? c.liftplan : c.treadling);
    const int ends = std::max(c.warp.threads, WifContent::LastUsed(c.threading));
    const int picks = std::max(c.weft.threads, lifts);
    if (ends > MaxEnds) return fail("@wiftoomanyends", ends);
    if (picks > MaxPicks) return fail("@wiftoomanypicks", picks);
    const int fileShafts = LargestShaft(c);
    if (fileShafts > MaxPatternShafts) return fail("@wiftoomanyshafts", fileShafts);
    const Harness harness = BuildHarness(c, ends, fileShafts);
    const GroundFit ground = FitGround(c, harness, picks);
    if (!ground.fits && PatternShaftsNeeded(c, harness) > MaxPatternShafts)
        return fail("@wiftoomanyshafts", PatternShaftsNeeded(c, harness));

    const bool designBefore = d.DesignMode;
    d.SinkingShed = !c.rising; // before the clearing, so that the default colours follow it
    d.ClearDraft();
    d.Note.clear();
    d.DesignMode = d.PatternTieupOn = d.MultipleTreadles = false;
    d.ThreadingBOn = d.TreadlingBOn = false;
    d.Ends = std::clamp(ends, 2, MaxEnds);
    d.Picks = std::clamp(picks, 2, MaxPicks);
    if (ground.fits)
        MapOntoGround(d, c, harness, ground, ends, picks);
    else
        MapOntoPatternLevel(d, c, harness, ends, picks);
    MapColors(d, c, ends, picks, problems);
    MapDensities(d, c);
    d.Note = NoteOf(c);

    result.messages = problems.Take();
    result.generalApplied = true;
    result.forgetCurrentFile = true; // saving writes .hdx, so a WIF never becomes the current file
    result.addToRecent = true;
    result.designModeChanged = designBefore;
    return result;
}

ReadResult ReadWifFile(Draft& d, const QString& path) {
    ReadResult result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.Error(std::string(msg::ReadError) + ": " + file.errorString().toStdString());
        return result;
    }
    if (file.size() > LargestWifFile) {
        result.Error("@wiftoolarge");
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.Error(std::string(msg::ReadError) + ": " + file.errorString().toStdString());
        return result;
    }
    return ReadWifData(d, bytes);
}

} // namespace hm
