#include "ops/shaftstreadles.h"

#include "ops/bitrows.h"
#include "ops/boundedcounts.h"
#include "ops/gaps.h"
#include "ops/tieuplines.h"

namespace hm {

namespace {

// Opens `count` empty lines at `from` among lines 1..size (at most 32).
void OpenLines(TieupLines lines, int from, int count, int size) {
    size = std::min(size, PatternTieupSize);
    if (from > size) return;
    OpenGap(lines, from, count, size);
    for (int i = from; i < from + count && i <= size; ++i) lines.Clear(i);
}

// Removes lines from..to among lines 1..size (at most 32); the last lines clear.
void CloseLines(TieupLines lines, int from, int to, int size) {
    size = std::min(size, PatternTieupSize);
    if (!OrderedRange(from, to, size)) return;
    const int k = to - from + 1;
    CloseGap(lines, from, k, size);
    for (int i = size - k + 1; i <= size; ++i) lines.Clear(i);
}

TieupLines ShaftRows(Draft& d) {
    return {d.PatternTieup, false, PatternTieupColumns(d)};
}
TieupLines TreadleColumns(Draft& d) {
    return {d.PatternTieup, true, PatternTieupRows(d)};
}

void OpenLiftplanColumns(Draft& d, int width, int from, int count) {
    OpenBitGaps(d.LiftplanRow(1), LiftplanRowBytes, PickCount(d), width, from, count);
}
void CloseLiftplanColumns(Draft& d, int width, int from, int count) {
    CloseBitGaps(d.LiftplanRow(1), LiftplanRowBytes, PickCount(d), width, from, count);
}

// How many of `count` places can open at `from` among `inUse` of at most 128:
// one at a time, each stops at 128 in use or at place 128.
int Insertable(int inUse, int from, int count) {
    return std::min({count, MaxPatternShafts - inUse, MaxPatternShafts - from});
}

} // namespace

StructureChange InsertShafts(Draft& d, int from, int count) {
    const int shafts = PatternShaftCount(d);
    if (from < 1 || from > shafts + 1) return StructureChange::Unchanged();
    const int k = Insertable(shafts, from, count);
    if (k < 1) return StructureChange::Unchanged();
    for (int e = 1; e <= EndCount(d); ++e) {
        uint8_t& v = d.PatternThreading[e];
        if (v >= from && v < MaxPatternShafts)
            v = static_cast<uint8_t>(std::min(v + k, MaxPatternShafts));
    }
    d.PatternShafts = shafts + k;
    if (d.PatternTieupOn) {
        OpenLines(ShaftRows(d), from, k, d.PatternShafts);
    } else {
        d.LiftplanWidth = d.PatternShafts;
        OpenLiftplanColumns(d, d.PatternShafts, from, k);
    }
    return StructureChange::Changed(true);
}

StructureChange DeleteShafts(Draft& d, int from, int to) {
    const int shafts = PatternShaftCount(d);
    if (!OrderedRange(from, to, shafts)) return StructureChange::Unchanged();
    const int k = to - from + 1;
    // Every end is examined, the last one too, so no shaft number is left behind.
    const int ends = EndCount(d);
    int kept = 0;
    for (int e = 1; e <= ends; ++e) {
        const uint8_t v = d.PatternThreading[e];
        if (v >= from && v <= to) continue;
        d.PatternThreading[++kept] = static_cast<uint8_t>(v > to ? v - k : v);
    }
    for (int e = kept + 1; e <= ends; ++e) d.PatternThreading[e] = 0;
    if (d.PatternTieupOn) {
        CloseLines(ShaftRows(d), from, to, shafts);
    } else {
        CloseLiftplanColumns(d, shafts, from, k);
    }
    d.PatternShafts = std::max(shafts - k, 2);
    if (!d.PatternTieupOn) d.LiftplanWidth = d.PatternShafts;
    return StructureChange::Changed(true);
}

StructureChange InsertTreadles(Draft& d, int from, int count) {
    if (!d.PatternTieupOn || !d.MultipleTreadles) return StructureChange::Unchanged();
    const int treadles = LiftplanColumnCount(d);
    if (from < 1 || from > treadles + 1) return StructureChange::Unchanged();
    const int k = Insertable(treadles, from, count);
    if (k < 1) return StructureChange::Unchanged();
    d.LiftplanWidth = treadles + k;
    OpenLiftplanColumns(d, d.LiftplanWidth, from, k);
    OpenLines(TreadleColumns(d), from, k, d.LiftplanWidth);
    return StructureChange::Changed(true);
}

StructureChange DeleteTreadles(Draft& d, int from, int to) {
    if (!d.PatternTieupOn) return StructureChange::Unchanged();
    const int treadles = LiftplanColumnCount(d);
    if (!OrderedRange(from, to, treadles)) return StructureChange::Unchanged();
    const int k = to - from + 1;
    CloseLines(TreadleColumns(d), from, to, treadles);
    if (d.MultipleTreadles) CloseLiftplanColumns(d, treadles, from, k);
    d.LiftplanWidth = std::max(treadles - k, 1);
    return StructureChange::Changed(true);
}

} // namespace hm
