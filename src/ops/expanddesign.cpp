// Expand Pattern in Design mode.
#include <algorithm>
#include <array>
#include <cstring>

#include "model/design.h"
#include "ops/expand.h"
#include "ops/expandsequences.h"
#include "ops/repeatlength.h"

namespace hm {

namespace {

using UnitRow = std::array<uint8_t, ExpandUnitSize>;
using PictureRow = std::array<uint8_t, DesignRowBytes>;

// The expanded width (or height) of the old pattern's repeat, and whether the
// old pattern repeats at all within what the expansion can hold.
struct ExpandedRepeat {
    int span = DesignSize;
    bool repeats = false;
};

ExpandedRepeat Expanded(const RepeatSearch& r, int factor, int lowest) {
    const int span = r.length * factor;
    if (!r.found || span > DesignSize || span < lowest) return {};
    return {span, true};
}

// Picture rows widened by a factor. Where the units give every block the
// value of its old cell (as the reset units do), each old byte becomes
// `factor` whole bytes, looked up in a table; other units go cell by cell.
class RowExpander {
  public:
    explicit RowExpander(int factor) : factor_(factor) {
        for (int v = 0; v < 256; ++v)
            for (int bit = 0; bit < 8 * factor; ++bit)
                if ((v >> (bit / factor)) & 1)
                    wide_[static_cast<size_t>(v)][static_cast<size_t>(bit / 8)] |=
                        static_cast<uint8_t>(1u << (bit % 8));
    }

    // Old column j becomes columns (j-1)*factor+1 .. j*factor, taking cell l of
    // the on unit row where the old cell is set and of the off unit row where
    // it is clear; what falls beyond column 2400 is dropped.
    void Expand(const uint8_t* old, const UnitRow& on, const UnitRow& off, uint8_t* out) const {
        bool plain = true;
        for (int l = 0; l < factor_; ++l) plain = plain && on[l] == 1 && off[l] == 0;
        if (plain) {
            for (int b = 0; b * factor_ < DesignRowBytes; ++b)
                std::memcpy(out + b * factor_, wide_[old[b]].data(),
                            static_cast<size_t>(std::min(factor_, DesignRowBytes - b * factor_)));
            return;
        }
        std::memset(out, 0, DesignRowBytes);
        for (int c = 0; c < DesignSize; ++c) {
            const int j = c / factor_, l = c % factor_;
            const bool set = (old[j / 8] >> (j % 8)) & 1;
            if ((set ? on[l] : off[l]) != 0) out[c / 8] |= static_cast<uint8_t>(1u << (c % 8));
        }
    }

  private:
    int factor_;
    std::array<std::array<uint8_t, MaxExpandFactor>, 256> wide_{};
};

bool SameUnitRow(const Draft& d, int k1, int k2, int factor) {
    for (int l = 0; l < factor; ++l)
        if (d.ExpandUnitOn[k1][l] != d.ExpandUnitOn[k2][l] ||
            d.ExpandUnitOff[k1][l] != d.ExpandUnitOff[k2][l])
            return false;
    return true;
}

// Every cell of the picture becomes a block of picksFactor x endsFactor cells;
// what falls beyond the 2400 x 2400 picture is dropped. Unit row k fills the
// block's row k from its highest pick downwards. The old rows are read from the
// highest down, so none is overwritten before it has been read.
void ExpandPicture(Draft& d, int endsFactor, int picksFactor) {
    const RowExpander widen(endsFactor);
    PictureRow old{}, expanded{};
    const int oldRows = (DesignSize + picksFactor - 1) / picksFactor;
    for (int i = oldRows; i >= 1; --i) {
        std::memcpy(old.data(), d.DesignRow(i), DesignRowBytes);
        for (int k = 0; k < picksFactor; ++k) {
            if (k == 0 || !SameUnitRow(d, k, k - 1, endsFactor))
                widen.Expand(old.data(), d.ExpandUnitOn[k], d.ExpandUnitOff[k], expanded.data());
            const int row = i * picksFactor - k;
            if (row <= DesignSize) std::memcpy(d.DesignRow(row), expanded.data(), DesignRowBytes);
        }
    }
}

// Clears liftplan columns above `last` in every row.
void ClearLiftplanColumnsAbove(Draft& d, int last) {
    std::array<uint8_t, LiftplanRowBytes> keep{};
    for (int s = 1; s <= last; ++s) keep[(s - 1) / 8] |= static_cast<uint8_t>(1u << ((s - 1) % 8));
    for (int pick = 1; pick <= MaxPicks; ++pick)
        for (int b = 0; b < LiftplanRowBytes; ++b) d.LiftplanRow(pick)[b] &= keep[b];
}

} // namespace

void ExpandDesign(Draft& d, int endsFactor, int picksFactor) {
    ResetExpandUnits(d);
    AnalyzeDesignFull(d); // also finds the picture's extents
    const int oldEnds = d.UsedEnds;
    const int oldPicks = d.UsedPicks;

    // The repeats of the old pattern, searched over what the expansion can hold.
    const ExpandedRepeat warp =
        Expanded(RepeatLength(d.PatternThreading.data(), std::min(oldEnds, MaxEnds / endsFactor)),
                 endsFactor, 1);
    const ExpandedRepeat weft = Expanded(
        LiftplanRepeatLength(d, std::min(oldPicks, MaxPicks / picksFactor)), picksFactor, 2);

    // The picture itself is expanded cell by cell rather than rebuilt from the
    // pattern level, so that columns beyond the 128th distinct one, which have
    // no pattern shaft, keep their cells.
    ExpandPicture(d, endsFactor, picksFactor);

    // The pattern level of one expanded repeat (or of the expanded picture)
    // is the old one stretched: expanding keeps the order in which distinct
    // columns first occur, so the shafts keep their numbers. It repeats as far
    // as the old pattern reached once expanded.
    StretchElements(d.PatternThreading.data(), 1, MaxEnds, endsFactor);
    StretchElements(d.Liftplan.data(), LiftplanRowBytes, MaxPicks, picksFactor);
    if (warp.repeats)
        ReplicateElements(d.PatternThreading.data(), 1, MaxEnds, warp.span, oldEnds * endsFactor);
    else
        d.ClearPatternThreading(warp.span + 1);
    if (weft.repeats)
        ReplicateElements(d.Liftplan.data(), LiftplanRowBytes, MaxPicks, weft.span,
                          oldPicks * picksFactor);
    else
        d.ClearLiftplan(weft.span + 1);
    // Shafts whose columns fell beyond the picture have no ends left.
    int highest = 0;
    for (int e = 1; e <= warp.span; ++e) highest = std::max<int>(highest, d.PatternThreading[e]);
    ClearLiftplanColumnsAbove(d, highest);

    StretchElements(d.WarpColors.data(), 1, MaxEnds, endsFactor);
    StretchElements(d.WeftColors.data(), 1, MaxPicks, picksFactor);
    // The view reaches as far as the expanded picture.
    d.UpdateDesignExtents();
}

} // namespace hm
