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

bool Bit(const uint8_t* row, int c) {
    return (row[ColumnBits.byte2400[c - 1]] >> ColumnBits.bit2400[c - 1]) & 1;
}

// One picture row made from an old row: old column j becomes columns
// (j-1)*factor+1 .. j*factor, taking cell l of the on unit row where the old
// cell is set and of the off unit row where it is clear.
void ExpandRow(const uint8_t* old, const UnitRow& on, const UnitRow& off, int factor,
               uint8_t* out) {
    std::memset(out, 0, DesignRowBytes);
    bool plain = true; // the units give each block its old cell's value
    for (int l = 0; l < factor; ++l) plain = plain && on[l] == 1 && off[l] == 0;
    for (int c = 1; c <= DesignSize; ++c) {
        const int j = (c - 1) / factor + 1;
        const int l = (c - 1) % factor;
        const bool set = Bit(old, j);
        const bool value = plain ? set : (set ? on[l] : off[l]) != 0;
        if (value) out[ColumnBits.byte2400[c - 1]] |= uint8_t(1u << ColumnBits.bit2400[c - 1]);
    }
}

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
    PictureRow old{}, expanded{};
    const int oldRows = (DesignSize + picksFactor - 1) / picksFactor;
    for (int i = oldRows; i >= 1; --i) {
        std::memcpy(old.data(), d.DesignRow(i), DesignRowBytes);
        for (int k = 0; k < picksFactor; ++k) {
            if (k == 0 || !SameUnitRow(d, k, k - 1, endsFactor))
                ExpandRow(old.data(), d.ExpandUnitOn[k], d.ExpandUnitOff[k], endsFactor,
                          expanded.data());
            const int row = i * picksFactor - k;
            if (row <= DesignSize) std::memcpy(d.DesignRow(row), expanded.data(), DesignRowBytes);
        }
    }
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

    // The pattern level of one expanded repeat, repeated as far as the old
    // pattern reached once expanded.
    NumberColumns(d, warp.span, weft.span, false);
    BuildLiftplanFromDesign(d, warp.span, weft.span);
    if (warp.repeats)
        ReplicateElements(d.PatternThreading.data(), 1, MaxEnds, warp.span, oldEnds * endsFactor);
    else
        d.ClearPatternThreading(warp.span + 1);
    if (weft.repeats)
        ReplicateElements(d.Liftplan.data(), LiftplanRowBytes, MaxPicks, weft.span,
                          oldPicks * picksFactor);
    else
        d.ClearLiftplan(weft.span + 1);

    StretchElements(d.WarpColors.data(), 1, MaxEnds, endsFactor);
    StretchElements(d.WeftColors.data(), 1, MaxPicks, picksFactor);
    // The view reaches as far as the expanded picture.
    d.UpdateDesignExtents();
}

} // namespace hm
