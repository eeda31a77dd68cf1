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

} // namespace hm
