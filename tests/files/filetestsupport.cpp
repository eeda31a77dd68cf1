#include "filetestsupport.h"

#include <QFile>
#include <random>

#include "model/drawdown.h"

namespace hmtest {

Bytes HdmHeader(int version, int shafts, int width, int ends, int picks) {
    Bytes h;
    h.bs({'{', version, 'd', 9, shafts, width, 0, 0, 1, 30, 28, 0, 0});
    h.u16(ends).u16(picks);
    h.bs({1, 3}).fill(5, 0);
    return h;
}

Bytes HdxHeader(int version, int shafts, int width, int ka, int kb, int ma, int mb, int ends,
                int picks, bool p, bool b, bool c) {
    Bytes h;
    h.bs({'|', version, 'd', 9, shafts, width, 0, 0, 1, 30, 28, 2, 5, ka, kb, ma, mb});
    h.u16(ends).u16(picks);
    h.bs({1, 3, p ? 1 : 0, b ? 1 : 0, c ? 1 : 0, 0, 0, 0});
    return h;
}

QString TempFolder::Write(const QString& name, const QByteArray& bytes) const {
    const QString path = Path(name);
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
    return path;
}

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

hm::Draft MakeDraft(const DraftShape& s) {
    std::mt19937 rng(s.seed);
    const auto pick = [&](int lo, int hi) {
        return std::uniform_int_distribution<int>(lo, hi)(rng);
    };
    hm::Draft d;
    d.SinkingShed = s.sinking;
    d.ClearDraft();
    d.Ends = s.ends;
    d.Picks = s.picks;
    d.PatternShafts = d.LiftplanWidth = s.patternShafts;
    d.ShaftsA = s.shaftsA;
    d.ShaftsB = s.shaftsB;
    d.TreadlesA = s.treadlesA;
    d.TreadlesB = s.treadlesB;
    d.PatternThreadingOn = s.patternOn;
    d.ThreadingBOn = s.threadingB;
    d.TreadlingBOn = s.treadlingB;
    d.DesignMode = s.design;
    d.Zoom = pick(1, 40);
    d.FabricZoom = pick(1, 9);
    d.Epi = pick(2, 250);
    d.Ppi = pick(2, 250);
    d.Inches = pick(0, 1);
    d.FabricCompression = pick(0, 1);
    d.PaletteSize = pick(1, 2);
    d.LiftplanStart = pick(4, 5);
    d.LiftplanFromBottom = pick(0, 1);
    d.ThreadingFromRight = pick(0, 1);
    d.ShaftOneAtBottom = pick(0, 1);
    for (int e = 1; e <= s.ends; ++e) {
        d.PatternThreading[e] = static_cast<uint8_t>(pick(0, s.patternShafts));
        d.ThreadingA[e] = static_cast<uint8_t>(pick(0, s.shaftsA));
        d.ThreadingB[e] = static_cast<uint8_t>(pick(0, s.shaftsB));
        d.WarpColors[e] = static_cast<uint8_t>(pick(0, 255));
    }
    for (int p = 1; p <= s.picks; ++p) {
        d.TreadlingA[p] = static_cast<uint8_t>(pick(0, s.treadlesA));
        d.TreadlingB[p] = static_cast<uint8_t>(pick(0, s.treadlesB));
        d.WeftColors[p] = static_cast<uint8_t>(pick(0, 255));
        for (int c = 1; c <= s.patternShafts; ++c) d.SetLiftplan(p, c, pick(0, 1));
    }
    for (auto kind : {hm::TieupKind::AA, hm::TieupKind::AB, hm::TieupKind::BA, hm::TieupKind::BB})
        for (int sh = 1; sh <= 32; ++sh)
            for (int t = 1; t <= 32; ++t) {
                const int shafts =
                    kind == hm::TieupKind::AA || kind == hm::TieupKind::AB ? s.shaftsA : s.shaftsB;
                const int treadles = kind == hm::TieupKind::AA || kind == hm::TieupKind::BA
                                         ? s.treadlesA
                                         : s.treadlesB;
                if (sh <= shafts && t <= treadles)
                    d.SetTieup(kind, sh, t, static_cast<uint8_t>(pick(0, 2)));
            }
    for (auto& rgb : d.PaletteRGB)
        for (auto& c : rgb) c = static_cast<uint8_t>(pick(0, 255));
    d.RebuildPaletteFromRGB();
    d.ExpandFactorEnds = pick(1, 16);
    d.ExpandFactorPicks = pick(1, 16);
    for (auto& row : d.ExpandUnitOn)
        for (auto& c : row) c = static_cast<uint8_t>(pick(0, 1));
    for (auto& row : d.ExpandUnitOff)
        for (auto& c : row) c = static_cast<uint8_t>(pick(0, 1));
    d.Note =
        "Ruusukasneule \xC3\xA4\xC3\xB6 \xE2\x82\xAC 12\r\nzweite Zeile " + std::to_string(s.seed);
    if (s.design) {
        for (int r = 1; r <= std::min(s.picks, hm::DesignSize); ++r)
            for (int c = 1; c <= std::min(s.ends, hm::DesignSize); ++c)
                d.SetDesignCell(r, c, pick(0, 3) == 0);
    }
    return d;
}

std::vector<DraftShape> ClothShapes() {
    std::vector<DraftShape> shapes;
    for (unsigned seed = 1; seed <= 3; ++seed) {
        DraftShape s;
        s.ends = 45, s.picks = 37, s.seed = seed;
        shapes.push_back(s);
        s.sinking = true;
        shapes.push_back(s);
        s.sinking = seed % 2, s.threadingB = false;
        shapes.push_back(s);
        s.threadingB = true, s.treadlingB = false;
        shapes.push_back(s);
        s.patternOn = false, s.treadlingB = true;
        shapes.push_back(s);
        s.threadingB = s.treadlingB = false;
        shapes.push_back(s);
        s.sinking = !s.sinking;
        shapes.push_back(s);
        s = {}, s.ends = 30, s.picks = 25, s.design = true, s.sinking = seed == 2, s.seed = seed;
        shapes.push_back(s);
    }
    return shapes;
}

std::string DescribeShape(const DraftShape& s) {
    return "seed " + std::to_string(s.seed) + (s.sinking ? " sinking" : " rising") +
           (s.patternOn ? " pattern" : "") + (s.threadingB ? " threadingB" : "") +
           (s.treadlingB ? " treadlingB" : "") + (s.design ? " design" : "");
}

hm::Draft WideGroundDraft() {
    hm::Draft d;
    d.ClearDraft();
    d.Ends = d.Picks = 160;
    d.ShaftsA = d.TreadlesA = 32;
    d.ShaftsB = d.TreadlesB = 5;
    for (int i = 1; i <= 160; ++i) {
        d.ThreadingA[i] = d.TreadlingA[i] = static_cast<uint8_t>(1 + (i - 1) % 32);
        d.ThreadingB[i] = d.TreadlingB[i] = static_cast<uint8_t>(1 + (i - 1) / 32);
    }
    for (int s = 1; s <= 32; ++s) d.TieupAA(s, s) = hm::TieGround;
    for (int s = 1; s <= 5; ++s) d.TieupBB(s, s) = hm::TieGround;
    return d;
}

std::string SameCloth(const hm::Draft& a, const hm::Draft& b) {
    const int ends = std::max(a.Ends, b.Ends), picks = std::max(a.Picks, b.Picks);
    for (int p = 1; p <= picks; ++p)
        for (int e = 1; e <= ends; ++e)
            if (hm::WarpOnTop(a, p, e) != hm::WarpOnTop(b, p, e))
                return "pick " + std::to_string(p) + " end " + std::to_string(e);
    return {};
}

namespace {

#define DIFF_IF(cond, what)                                                                        \
    if (cond) return what

std::string CompareArray(const char* name, const hm::OneBasedBytes<4800>& a,
                         const hm::OneBasedBytes<4800>& b, int count) {
    for (int i = 1; i <= count; ++i)
        if (a[i] != b[i])
            return std::string(name) + " differs at " + std::to_string(i) + ": " +
                   std::to_string(a[i]) + " vs " + std::to_string(b[i]);
    return {};
}

std::string CompareCommon(const hm::Draft& x, const hm::Draft& y) {
    DIFF_IF(x.Ends != y.Ends, "Ends " + std::to_string(x.Ends) + " vs " + std::to_string(y.Ends));
    DIFF_IF(x.Picks != y.Picks, "Picks");
    DIFF_IF(x.PatternShafts != y.PatternShafts, "PatternShafts");
    DIFF_IF(x.Zoom != y.Zoom, "Zoom");
    DIFF_IF(x.FabricZoom != y.FabricZoom, "FabricZoom");
    DIFF_IF(x.Epi != y.Epi || x.Ppi != y.Ppi, "Epi/Ppi");
    DIFF_IF(x.Inches != y.Inches, "Inches");
    DIFF_IF(x.SinkingShed != y.SinkingShed, "SinkingShed");
    DIFF_IF(x.FabricCompression != y.FabricCompression, "FabricCompression");
    DIFF_IF(x.DesignMode != y.DesignMode, "DesignMode");
    DIFF_IF(x.Note != y.Note, "Note '" + x.Note + "' vs '" + y.Note + "'");
    DIFF_IF(x.PaletteRGB != y.PaletteRGB, "PaletteRGB");
    DIFF_IF(x.Palette != y.Palette, "Palette");
    for (auto s : {CompareArray("WarpColors", x.WarpColors, y.WarpColors, x.Ends),
                   CompareArray("WeftColors", x.WeftColors, y.WeftColors, x.Picks)})
        DIFF_IF(!s.empty(), s);
    if (x.PatternThreadingOn) {
        auto s = CompareArray("PatternThreading", x.PatternThreading, y.PatternThreading, x.Ends);
        DIFF_IF(!s.empty(), s);
        for (int p = 1; p <= x.Picks; ++p)
            for (int c = 1; c <= std::max(x.PatternShafts, x.LiftplanWidth); ++c)
                DIFF_IF(x.GetLiftplan(p, c) != y.GetLiftplan(p, c),
                        "Liftplan pick " + std::to_string(p) + " column " + std::to_string(c));
    }
    if (x.DesignMode) {
        for (int r = 1; r <= std::min(x.Picks, hm::DesignSize); ++r)
            for (int c = 1; c <= std::min(x.Ends, hm::DesignSize); ++c)
                DIFF_IF(x.GetDesignCell(r, c) != y.GetDesignCell(r, c),
                        "DesignGrid row " + std::to_string(r) + " column " + std::to_string(c));
    }
    return {};
}

std::string CompareTieup(const char* name, const hm::TieupBlock& a, const hm::TieupBlock& b,
                         int shafts, int treadles) {
    for (int s = 1; s <= shafts; ++s)
        for (int t = 1; t <= treadles; ++t)
            if (a(s, t) != b(s, t)) return std::string(name) + " differs";
    return {};
}

} // namespace

std::string CompareHdx(const hm::Draft& x, const hm::Draft& y) {
    if (auto s = CompareCommon(x, y); !s.empty()) return s;
    DIFF_IF(x.ShaftsA != y.ShaftsA || x.TreadlesA != y.TreadlesA, "group A counts");
    DIFF_IF(x.PatternThreadingOn != y.PatternThreadingOn || x.ThreadingBOn != y.ThreadingBOn ||
                x.TreadlingBOn != y.TreadlingBOn,
            "group switches");
    DIFF_IF(x.PaletteSize != y.PaletteSize, "PaletteSize");
    DIFF_IF(x.LiftplanStart != y.LiftplanStart, "LiftplanStart");
    for (auto s : {CompareArray("ThreadingA", x.ThreadingA, y.ThreadingA, x.Ends),
                   CompareArray("TreadlingA", x.TreadlingA, y.TreadlingA, x.Picks),
                   CompareTieup("TieupAA", x.TieupAA, y.TieupAA, x.ShaftsA, x.TreadlesA)})
        DIFF_IF(!s.empty(), s);
    if (x.ThreadingBOn) {
        DIFF_IF(x.ShaftsB != y.ShaftsB, "ShaftsB");
        for (auto s : {CompareArray("ThreadingB", x.ThreadingB, y.ThreadingB, x.Ends),
                       CompareTieup("TieupBA", x.TieupBA, y.TieupBA, x.ShaftsB, x.TreadlesA)})
            DIFF_IF(!s.empty(), s);
    }
    if (x.TreadlingBOn) {
        DIFF_IF(x.TreadlesB != y.TreadlesB, "TreadlesB");
        for (auto s : {CompareArray("TreadlingB", x.TreadlingB, y.TreadlingB, x.Picks),
                       CompareTieup("TieupAB", x.TieupAB, y.TieupAB, x.ShaftsA, x.TreadlesB)})
            DIFF_IF(!s.empty(), s);
    }
    if (x.ThreadingBOn && x.TreadlingBOn) {
        auto s = CompareTieup("TieupBB", x.TieupBB, y.TieupBB, x.ShaftsB, x.TreadlesB);
        DIFF_IF(!s.empty(), s);
    }
    return {};
}

std::string CompareHdm(const hm::Draft& x, const hm::Draft& y) {
    if (auto s = CompareCommon(x, y); !s.empty()) return s;
    DIFF_IF(x.ExpandFactorEnds != y.ExpandFactorEnds || x.ExpandFactorPicks != y.ExpandFactorPicks,
            "expand factors");
    DIFF_IF(x.ExpandUnitOn != y.ExpandUnitOn || x.ExpandUnitOff != y.ExpandUnitOff, "expand units");
    return {};
}

} // namespace hmtest
