// Writing .hdm pattern files ("Save to hdm-file").
#include <algorithm>

#include "files/blocks.h"
#include "files/designfile.h"
#include "files/hdmfile.h"
#include "files/writehelpers.h"

namespace hm {

QByteArray PatternFileBytes(const Draft& d) {
    const int width = WrittenLiftplanWidth(d);
    const int ends = std::clamp(d.Ends, 0, MaxEnds);
    const int picks = std::clamp(d.Picks, 0, MaxPicks);
    ByteWriter w;
    WriteSharedHeader(w, d, '{', width);
    w.Zeros(2); // offsets 11 and 12
    w.U16(ends);
    w.U16(picks);
    w.Byte(d.Inches ? 0 : 1);
    w.Byte(d.FabricZoom);
    w.Zeros(5); // offsets 19 to 23
    WriteCountedList(w, d.PatternThreading, ends);
    WriteCountedList(w, d.WarpColors, ends);
    WriteCountedList(w, d.WeftColors, picks);
    WriteLiftplanBlock(w, d, width, picks);
    WriteExpandBlock(w, d);
    WritePaletteBlock(w, d);
    WriteNoteBlock(w, d);
    return w.Data();
}

SaveResult WritePatternFile(const Draft& d, const QString& path) {
    const bool companion = d.DesignMode;
    return SavePatternWithCompanion(path, PatternFileBytes(d),
                                    companion ? CompanionDesignFile(path, PatternFormat::Hdm)
                                              : QString(),
                                    companion ? DesignFileBytes(d) : QByteArray());
}

} // namespace hm
