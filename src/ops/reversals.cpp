#include "ops/reversals.h"

#include <array>

#include "ops/bitrows.h"
#include "ops/boundedcounts.h"

namespace hm {

namespace {

// Exchanges 0 and 1 over the first rows x columns cells; other values stay.
void ExchangeTies(TieupBlock& t, int rows, int columns) {
    rows = std::clamp(rows, 0, 32);
    columns = std::clamp(columns, 0, 32);
    for (int s = 1; s <= rows; ++s) {
        for (int c = 1; c <= columns; ++c) {
            uint8_t& cell = t(s, c);
            if (cell == TieNone)
                cell = TieGround;
            else if (cell == TieGround)
                cell = TieNone;
        }
    }
}

void InvertLiftplan(Draft& d) {
    d.UsedPicks = d.LastUsedPick(MaxPicks);
    const int shafts = PatternShaftCount(d);
    for (int p = 1; p <= PickCount(d); ++p) InvertBits(d.LiftplanRow(p), shafts);
}

// Inverts the picture from column 1 to the last column with a set cell and
// from row 1 to the last row with a set cell.
void InvertUsedDesign(Draft& d) {
    std::array<uint8_t, DesignRowBytes> any{};
    int lastRow = 0;
    for (int r = 1; r <= DesignSize; ++r) {
        const uint8_t* row = d.DesignRow(r);
        uint8_t rowAny = 0;
        for (int b = 0; b < DesignRowBytes; ++b) {
            any[static_cast<size_t>(b)] |= row[b];
            rowAny |= row[b];
        }
        if (rowAny) lastRow = r;
    }
    int lastColumn = 0;
    for (int b = DesignRowBytes - 1; b >= 0 && !lastColumn; --b)
        for (int bit = 7; bit >= 0 && !lastColumn; --bit)
            if ((any[static_cast<size_t>(b)] >> bit) & 1) lastColumn = b * 8 + bit + 1;
    for (int r = 1; r <= lastRow; ++r) InvertBits(d.DesignRow(r), lastColumn);
}

} // namespace

StructureChange ReverseLiftplan(Draft& d) {
    if (d.DesignMode) {
        InvertUsedDesign(d);
        InvertLiftplan(d);
    } else if (d.PatternTieupOn) {
        ExchangeTies(d.PatternTieup, PatternTieupRows(d), PatternTieupColumns(d));
    } else {
        InvertLiftplan(d);
    }
    return StructureChange::Changed();
}

StructureChange ReverseWeftOrder(Draft& d) {
    d.UsedPicks = d.LastUsedPick(MaxPicks);
    for (int j = 1, i = d.UsedPicks; j < i; ++j, --i) {
        std::swap(d.TreadlingA[j], d.TreadlingA[i]);
        std::swap(d.TreadlingB[j], d.TreadlingB[i]);
        std::swap(d.WeftColors[j], d.WeftColors[i]);
        std::swap_ranges(d.LiftplanRow(j), d.LiftplanRow(j) + LiftplanRowBytes, d.LiftplanRow(i));
    }
    return StructureChange::Changed();
}

StructureChange ReverseTieups(Draft& d) {
    ExchangeTies(d.TieupAA, GroundCount(d.ShaftsA), GroundCount(d.TreadlesA));
    ExchangeTies(d.TieupBB, GroundCount(d.ShaftsB), GroundCount(d.TreadlesB));
    ExchangeTies(d.TieupBA, GroundCount(d.ShaftsB), GroundCount(d.TreadlesA));
    ExchangeTies(d.TieupAB, GroundCount(d.ShaftsA), GroundCount(d.TreadlesB));
    return StructureChange::Changed();
}

} // namespace hm
