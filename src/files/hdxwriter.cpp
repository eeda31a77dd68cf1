// Writing .hdx complex-drafting pattern files (Save, Save As).
#include <algorithm>

#include "files/blocks.h"
#include "files/designfile.h"
#include "files/hdxfile.h"
#include "files/writehelpers.h"

namespace hm {

namespace {

void WriteTieupBlock(ByteWriter& w, const TieupBlock& tieup, int shafts, int treadles) {
    for (int s = 1; s <= shafts; ++s) w.Bytes(tieup.data() + (s - 1) * 32, treadles);
}

} // namespace

QByteArray CdPatternFileBytes(const Draft& d, bool saveLayoutOptions) {
    const int width = WrittenLiftplanWidth(d);
    const int ends = std::clamp(d.Ends, 0, MaxEnds);
    const int picks = std::clamp(d.Picks, 0, MaxPicks);
    const int ka = std::clamp(d.ShaftsA, 0, MaxShafts);
    const int kb = std::clamp(d.ShaftsB, 0, MaxShafts);
    const int ma = std::clamp(d.TreadlesA, 0, MaxTreadles);
    const int mb = std::clamp(d.TreadlesB, 0, MaxTreadles);
    const bool p = d.PatternThreadingOn, b = d.ThreadingBOn, c = d.TreadlingBOn;

    ByteWriter w;
    WriteSharedHeader(w, d, '|', width);
    w.Byte(d.PaletteSize);
    w.Byte(d.LiftplanStart == 4 || d.LiftplanStart == 5 ? d.LiftplanStart
                                                        : (d.LiftplanFromBottom ? 5 : 4));
    w.Byte(ka);
    w.Byte(kb);
    w.Byte(ma);
    w.Byte(mb);
    w.U16(ends);
    w.U16(picks);
    w.Byte(d.Inches ? 0 : 1);
    w.Byte(d.FabricZoom);
    w.Bool(p);
    w.Bool(b);
    w.Bool(c);
    int layout = 0;
    if (saveLayoutOptions) {
        layout = 0x80 | (d.LiftplanFromBottom ? 1 : 0) | (d.ThreadingFromRight ? 2 : 0) |
                 (d.ShaftOneAtBottom ? 4 : 0);
    }
    w.Byte(layout);
    w.Zeros(2); // offsets 27 and 28

    WriteCountedList(w, d.WarpColors, ends);
    WriteCountedList(w, d.WeftColors, picks);
    if (p) {
        WriteCountedList(w, d.PatternThreading, ends);
        WriteLiftplanBlock(w, d, width, picks);
    }
    WriteCountedList(w, d.ThreadingA, ends);
    WriteCountedList(w, d.TreadlingA, picks);
    WriteTieupBlock(w, d.TieupAA, ka, ma);
    if (b) {
        WriteCountedList(w, d.ThreadingB, ends);
        WriteTieupBlock(w, d.TieupBA, kb, ma);
    }
    if (c) {
        WriteCountedList(w, d.TreadlingB, picks);
        WriteTieupBlock(w, d.TieupAB, ka, mb);
    }
    if (b && c) WriteTieupBlock(w, d.TieupBB, kb, mb);
    WriteExpandBlock(w, d);
    WritePaletteBlock(w, d);
    WriteNoteBlock(w, d);
    return w.Data();
}

SaveResult WriteCdPatternFile(const Draft& d, const QString& path, bool saveLayoutOptions) {
    const bool companion = d.DesignMode;
    return SavePatternWithCompanion(path, CdPatternFileBytes(d, saveLayoutOptions),
                                    companion ? CompanionDesignFile(path, PatternFormat::Hdx)
                                              : QString(),
                                    companion ? DesignFileBytes(d) : QByteArray());
}

} // namespace hm
