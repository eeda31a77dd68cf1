#include "fabric/weftcrossings.h"

#include <algorithm>

namespace hm {

WeftCrossings::WeftCrossings(const Draft& d) : rows_(d, DrawdownRows::Rule::DraftRule) {}

void WeftCrossings::Row(int pick, int firstEnd, int count, uint8_t* out) const {
    if (count <= 0) return;
    if (pick < 1 || pick > MaxPicks) {
        std::fill(out, out + count, uint8_t{0});
        return;
    }
    rows_.WarpOnTopRow(pick, firstEnd, count, out);
    for (int k = 0; k < count; ++k) {
        const int e = firstEnd + k;
        out[k] = (e >= 1 && e <= MaxEnds) ? static_cast<uint8_t>(out[k] ^ 1) : uint8_t{0};
    }
}

CompressedShows CompressedCell(bool over, bool before, bool after, bool lowerOver, bool lowerBefore,
                               bool lowerAfter) {
    const bool lowerFloats = lowerOver && (lowerBefore || lowerAfter);
    if (over && (before || after || !lowerFloats)) return CompressedShows::UpperWeft;
    if (lowerOver) return CompressedShows::LowerWeft;
    return CompressedShows::Warp;
}

} // namespace hm
