#include "files/flatten.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

#include "model/drawdown.h"

namespace hm {

namespace {

// The last column and the last row of the picture with a set cell.
ClothSize PictureInUse(const Draft& d) {
    ClothSize used;
    for (int r = 1; r <= DesignSize; ++r) {
        const uint8_t* row = d.DesignRow(r);
        for (int b = DesignRowBytes - 1; b >= 0; --b) {
            if (row[b] == 0) continue;
            const int highestBit = 31 - __builtin_clz(row[b]);
            used.picks = r;
            used.ends = std::max(used.ends, b * 8 + highestBit + 1);
            break;
        }
    }
    return used;
}

int LastLiftedPick(const Draft& d) {
    for (int p = MaxPicks; p >= 1; --p) {
        const uint8_t* row = d.LiftplanRow(p);
        if (std::any_of(row, row + LiftplanRowBytes, [](uint8_t b) { return b != 0; })) return p;
    }
    return 0;
}

} // namespace

ClothSize DraftCloth(const Draft& d) {
    ClothSize size;
    if (d.DesignMode) {
        size = PictureInUse(d);
    } else {
        size.ends = d.LastEndA(MaxEnds);
        if (d.ThreadingBOn) size.ends = std::max(size.ends, d.LastEndB(MaxEnds));
        if (d.PatternThreadingOn) size.ends = std::max(size.ends, d.LastPatternEnd(MaxEnds));
        size.picks = d.LastPickA(MaxPicks);
        if (d.TreadlingBOn) size.picks = std::max(size.picks, d.LastPickB(MaxPicks));
        if (d.PatternThreadingOn) size.picks = std::max(size.picks, LastLiftedPick(d));
    }
    return {std::max(std::clamp(d.Ends, 1, MaxEnds), size.ends),
            std::max(std::clamp(d.Picks, 1, MaxPicks), size.picks)};
}

FlatCloth FlattenCloth(const Draft& d, ClothSize size, bool blankWarpUp) {
    FlatCloth flat;
    flat.ends_ = std::clamp(size.ends, 0, MaxEnds);
    flat.picks_ = std::clamp(size.picks, 0, MaxPicks);
    const size_t ends = static_cast<size_t>(flat.ends_);
    const size_t words = static_cast<size_t>((flat.picks_ + 63) / 64);
    flat.shaftOfEnd_.assign(ends, 0);
    if (ends == 0 || words == 0) return flat;

    // One extra column at the end holds the blank column.
    flat.bits_.assign((ends + 1) * words, 0);
    const DrawdownRows rows(d);
    std::vector<uint8_t> up(ends);
    for (int p = 1; p <= flat.picks_; ++p) {
        rows.WarpOnTopRow(p, 1, flat.ends_, up.data());
        const size_t word = static_cast<size_t>(p - 1) / 64;
        const uint64_t bit = uint64_t{1} << ((p - 1) % 64);
        for (size_t e = 0; e < ends; ++e)
            if (up[e]) flat.bits_[e * words + word] |= bit;
        if (blankWarpUp) flat.bits_[ends * words + word] |= bit;
    }

    const auto columnBytes = [&](size_t column) {
        return std::string_view(reinterpret_cast<const char*>(&flat.bits_[column * words]),
                                words * sizeof(uint64_t));
    };
    std::unordered_map<std::string_view, int> shaftOfColumn;
    shaftOfColumn.reserve(ends + 1);
    shaftOfColumn.emplace(columnBytes(ends), 0);
    for (size_t e = 0; e < ends; ++e) {
        const int next = flat.Shafts() + 1;
        auto [it, inserted] = shaftOfColumn.try_emplace(columnBytes(e), next);
        if (inserted) flat.columnOfShaft_.push_back(e * words);
        flat.shaftOfEnd_[e] = it->second;
    }
    return flat;
}

} // namespace hm
