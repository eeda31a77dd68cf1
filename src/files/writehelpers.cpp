#include "files/writehelpers.h"

#include <algorithm>

namespace hm {

int WrittenLiftplanWidth(const Draft& d) {
    return std::clamp(std::max(d.PatternShafts, d.LiftplanWidth), 1, MaxPatternShafts);
}

SaveResult SavePatternWithCompanion(const QString& path, const QByteArray& bytes,
                                    const QString& companionPath, const QByteArray& companion) {
    if (!companionPath.isEmpty()) {
        SaveResult saved = SaveFileAtomically(companionPath, companion);
        if (!saved.ok) return saved;
    }
    return SaveFileAtomically(path, bytes);
}

void WriteSharedHeader(ByteWriter& w, const Draft& d, char signature, int liftplanWidth) {
    w.Byte(signature);
    w.Byte(7);
    w.Byte('d');
    w.Byte(d.Zoom);
    w.Byte(std::clamp(d.PatternShafts, 2, MaxPatternShafts));
    w.Byte(liftplanWidth);
    w.Bool(d.DesignMode);
    w.Bool(d.SinkingShed);
    w.Byte(d.FabricCompression ? 0 : 1);
    w.Byte(d.Epi);
    w.Byte(d.Ppi);
}

} // namespace hm
