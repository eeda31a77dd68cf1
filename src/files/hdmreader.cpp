// Reading .hdm pattern files.
#include <algorithm>

#include "files/blocks.h"
#include "files/hdmfile.h"
#include "files/readhelpers.h"

namespace hm {

namespace {

// Header bytes 3..23 of an .hdm file, indexed by file offset.
struct HdmHeader {
    uint8_t b[24] = {};
    int Word(int offset) const { return (b[offset] << 8) | b[offset + 1]; }
};

// The file's liftplan combined with the current one.
void BlendLiftplan(ByteReader& r, Draft& d, int width, BlendMode blend, ReadResult& result) {
    const int n = r.U16();
    // Sizes as unsigned values, so that no copy below can have a negative length.
    const size_t rowSize = static_cast<size_t>(LiftplanRowSize(std::clamp(width, 0, 255)));
    const size_t used = std::min(static_cast<size_t>(LiftplanRowBytes), rowSize);
    const auto skipRows = [&](int rows) {
        r.Skip(static_cast<qint64>(rows) * static_cast<qint64>(rowSize));
    };
    uint8_t row[32] = {};
    if (blend == BlendMode::Append) {
        const int last = d.LastUsedPick();
        if (last >= d.Picks) {
            result.Notice(msg::LiftplanFull);
            skipRows(n);
            return;
        }
        const int fit = std::min(n, d.Picks - last);
        for (int k = 1; k <= fit; ++k) {
            r.Bytes(row, static_cast<qint64>(rowSize));
            std::copy(row, row + used, d.LiftplanRow(last + k));
        }
        skipRows(n - fit);
        return;
    }
    const int rows = std::min(n, std::clamp(d.Picks, 0, MaxPicks));
    for (int p = 1; p <= rows; ++p) {
        r.Bytes(row, static_cast<qint64>(rowSize));
        uint8_t* target = d.LiftplanRow(p);
        for (size_t k = 0; k < used; ++k) {
            switch (blend) {
            case BlendMode::Add:
                target[k] |= row[k];
                break;
            case BlendMode::Invert:
                target[k] ^= row[k];
                break;
            case BlendMode::Subtract:
                target[k] &= static_cast<uint8_t>(~row[k]);
                break;
            default:
                break;
            }
        }
    }
    skipRows(n - rows);
}

} // namespace

ReadResult ReadPatternData(Draft& d, QIODevice& device, const QString& path,
                           const HdmComponents& components, BlendMode blend) {
    ReadResult result;
    HdmComponents sel = components;
    if (blend != BlendMode::None) sel = HdmComponents::None(); // only the liftplan is blended
    const bool designBefore = d.DesignMode;
    bool fileDesignMode = d.DesignMode;
    bool versioned = false;
    bool old = false;
    int version = 0;
    ByteReader r(device);

    // Steps 1 to 7: signature, header and body. Returns false when the read ends
    // without the closing steps.
    bool closingSteps = true;
    const bool complete = RunGuarded(result, [&] {
        const uint8_t first = r.Byte();
        uint8_t letter = first;
        if (first == '{') {
            versioned = true;
            version = r.Byte();
            letter = r.Byte();
            if (version > 7) letter = 0;
            old = version < 5;
        }
        if (letter == 'g') letter = 'd';
        if (letter < 'd' || letter > 'f') {
            result.Error(msg::Incompatible);
            closingSteps = false;
            return;
        }
        if (letter != 'd') {
            result.Notice(msg::NotLiftplan);
            closingSteps = false;
            return;
        }
        if (!versioned) {
            if (blend != BlendMode::None) {
                result.Error(msg::TooOld);
                closingSteps = false;
            } else {
                result.Notice(msg::TooOld);
            }
            return;
        }

        HdmHeader h;
        r.Bytes(h.b + 3, 21);
        if (h.b[4] > MaxPatternShafts) {
            result.Error(msg::TooManyShaftsOrTreadles);
            return;
        }
        if (sel.threading) RaisePatternShafts(d, h.b[4]);
        if (sel.general) {
            result.generalApplied = true;
            fileDesignMode = ApplySharedHeaderBytes(d, h.b, old);
            if (!old) {
                d.Ends = ClampCount(h.Word(13));
                d.Picks = ClampCount(h.Word(15));
                d.UsedEnds = std::min(h.Word(13), MaxEnds);
                d.UsedPicks = std::min(h.Word(15), MaxPicks);
                d.Inches = h.b[17] == 0;
                d.FabricZoom = h.b[18];
            }
        }
        if (d.FabricZoom == 0) d.FabricZoom = 2;
        const int width = h.b[5];

        const int threads = ReadCountedList(r, sel.threading ? &d.PatternThreading : nullptr, 0);
        if (sel.threading && old && sel.general) d.Ends = OldLayoutCount(threads);
        ReadCountedList(r, sel.warpColors ? &d.WarpColors : nullptr, d.DefaultWarpColor());
        ReadCountedList(r, sel.weftColors ? &d.WeftColors : nullptr, d.DefaultWeftColor());
        if (blend == BlendMode::None) {
            const int rows = ReadLiftplanBlock(r, d, width, sel.liftplan);
            if (sel.liftplan && old && sel.general) d.Picks = OldLayoutCount(rows);
        } else {
            BlendLiftplan(r, d, width, blend, result);
            result.liftplanOnly = true;
        }
        ReadExpandBlock(r, d, sel.expand);
        ReadPaletteBlock(r, d, sel.palette);
        ReadNoteBlock(r, d, sel.note);
    });
    if (!complete || !closingSteps) return result;

    // Step 9: the header's Design mode and the companion picture.
    if (sel.general) {
        ApplyFileDesignMode(d, fileDesignMode, path, PatternFormat::Hdm, version, result);
        result.generalApplied = true;
        result.addToRecent = true;
    }
    // Step 10.
    if (sel.general || sel.threading || sel.liftplan) d.PatternThreadingOn = true;
    result.designModeChanged = d.DesignMode != designBefore;
    // An .hdm file never becomes the current file.
    result.forgetCurrentFile = result.forgetCurrentFile || sel.general;
    return result;
}

ReadResult ReadPatternFile(Draft& d, const QString& path, const HdmComponents& components,
                           BlendMode blend) {
    ReadResult result;
    QFile file;
    if (!OpenForReading(file, path, result)) return result;
    return ReadPatternData(d, file, path, components, blend);
}

} // namespace hm
