// Reading .hdx complex-drafting pattern files.
#include <algorithm>

#include "files/blocks.h"
#include "files/hdxfile.h"
#include "files/readhelpers.h"

namespace hm {

namespace {

constexpr int HdxHeaderBytes = 29;

struct HdxHeader {
    uint8_t b[HdxHeaderBytes] = {};
    int Word(int offset) const { return (b[offset] << 8) | b[offset + 1]; }
};

// A tie-up block of shafts x treadles bytes; with target the tie-up is cleared
// and filled, cells beyond 32 x 32 are skipped.
void ReadTieupBlock(ByteReader& r, TieupBlock* target, int shafts, int treadles) {
    if (!target) {
        r.Skip(static_cast<qint64>(shafts) * treadles);
        return;
    }
    target->Clear();
    const int keptTreadles = std::min(treadles, MaxTreadles);
    for (int s = 1; s <= shafts; ++s) {
        if (s > MaxShafts) {
            r.Skip(treadles);
            continue;
        }
        r.Bytes(&(*target)(s, 1), keptTreadles);
        r.Skip(treadles - keptTreadles);
    }
}

int GroupCount(int value) {
    return std::clamp(value, 2, MaxShafts);
}

} // namespace

ReadResult ReadCdPatternData(Draft& d, QIODevice& device, const QString& path,
                             const HdxComponents& sel) {
    ReadResult result;
    const bool designBefore = d.DesignMode;
    bool fileDesignMode = d.DesignMode;
    bool old = false;
    int version = 0;
    ByteReader r(device);

    bool closingSteps = true;
    const bool complete = RunGuarded(result, [&] {
        HdxHeader h;
        r.Bytes(h.b, 3);
        version = h.b[1];
        old = version < 5;
        if (h.b[0] != '|' || h.b[2] > 'd' || version > 7) {
            result.Error(msg::Incompatible);
            closingSteps = false;
            return;
        }
        r.Bytes(h.b + 3, HdxHeaderBytes - 3);
        if (h.b[4] > MaxPatternShafts || h.b[5] > MaxPatternShafts) {
            result.Error(msg::TooManyShafts);
            return;
        }
        const int ka = h.b[13], kb = h.b[14], ma = h.b[15], mb = h.b[16];
        const bool p = old ? h.b[4] > 0 : h.b[23] == 1;
        const bool b = old ? kb > 0 : h.b[24] == 1;
        const bool c = old ? mb > 0 : h.b[25] == 1;
        if (sel.patternThreading) RaisePatternShafts(d, h.b[4]);
        if (sel.general) {
            result.generalApplied = true;
            if (h.b[12] == 4 || h.b[12] == 5) d.LiftplanStart = h.b[12];
            fileDesignMode = ApplySharedHeaderBytes(d, h.b, old);
            if (h.b[11] == 1 || h.b[11] == 2) d.PaletteSize = h.b[11];
            d.UsedEnds = std::min(h.Word(17), MaxEnds);
            d.UsedPicks = std::min(h.Word(19), MaxPicks);
            if (!old) {
                d.Ends = ClampCount(h.Word(17));
                d.Picks = ClampCount(h.Word(19));
                d.Inches = h.b[21] == 0;
                d.FabricZoom = h.b[22] == 0 ? 2 : h.b[22];
            }
            d.PatternThreadingOn = p;
            d.ThreadingBOn = b;
            d.TreadlingBOn = c;
            if (h.b[26] & 0x80) {
                d.LiftplanFromBottom = (h.b[26] & 1) != 0;
                d.ThreadingFromRight = (h.b[26] & 2) != 0;
                d.ShaftOneAtBottom = (h.b[26] & 4) != 0;
            }
        }
        const bool oldGeneral = old && sel.general;

        ReadCountedList(r, sel.warpColors ? &d.WarpColors : nullptr, d.DefaultWarpColor());
        ReadCountedList(r, sel.weftColors ? &d.WeftColors : nullptr, d.DefaultWeftColor());
        if (p) {
            const int n =
                ReadCountedList(r, sel.patternThreading ? &d.PatternThreading : nullptr, 0);
            if (oldGeneral && sel.patternThreading) d.Ends = OldLayoutCount(n);
            const int rows = ReadLiftplanBlock(r, d, h.b[5], sel.liftplan);
            if (oldGeneral && sel.liftplan) d.Picks = OldLayoutCount(rows);
        }
        if (sel.threadingA) d.ShaftsA = GroupCount(ka);
        int n = ReadCountedList(r, sel.threadingA ? &d.ThreadingA : nullptr, 0);
        if (oldGeneral && sel.threadingA) d.Ends = OldLayoutCount(n);
        if (sel.treadlingA) d.TreadlesA = GroupCount(ma);
        n = ReadCountedList(r, sel.treadlingA ? &d.TreadlingA : nullptr, 0);
        if (oldGeneral && sel.treadlingA) d.Picks = OldLayoutCount(n);
        ReadTieupBlock(r, sel.tieupAA ? &d.TieupAA : nullptr, ka, ma);
        if (b) {
            if (sel.threadingB) d.ShaftsB = GroupCount(kb);
            n = ReadCountedList(r, sel.threadingB ? &d.ThreadingB : nullptr, 0);
            if (oldGeneral && sel.threadingB) d.Ends = OldLayoutCount(n);
            ReadTieupBlock(r, sel.tieupBA ? &d.TieupBA : nullptr, kb, ma);
        }
        if (c) {
            if (sel.treadlingB) d.TreadlesB = GroupCount(mb);
            n = ReadCountedList(r, sel.treadlingB ? &d.TreadlingB : nullptr, 0);
            if (oldGeneral && sel.treadlingB) d.Picks = OldLayoutCount(n);
            ReadTieupBlock(r, sel.tieupAB ? &d.TieupAB : nullptr, ka, mb);
        }
        if (b && c) ReadTieupBlock(r, sel.tieupBB ? &d.TieupBB : nullptr, kb, mb);
        ReadExpandBlock(r, d, false);
        ReadPaletteBlock(r, d, sel.palette);
        ReadNoteBlock(r, d, sel.note);
    });
    if (!complete || !closingSteps) return result;

    // Step 8: Design mode, the companion picture, the current file.
    if (sel.general) {
        ApplyFileDesignMode(d, fileDesignMode, path, PatternFormat::Hdx, version, result);
        result.generalApplied = true;
        result.forgetCurrentFile = false;
        result.setCurrentFile = true;
        result.addToRecent = true;
    }
    result.designModeChanged = d.DesignMode != designBefore;
    return result;
}

ReadResult ReadCdPatternFile(Draft& d, const QString& path, const HdxComponents& components) {
    ReadResult result;
    QFile file;
    if (!OpenForReading(file, path, result)) return result;
    return ReadCdPatternData(d, file, path, components);
}

} // namespace hm
