#include "ops/insertdelete.h"

#include "ops/bitrows.h"
#include "ops/boundedcounts.h"
#include "ops/gaps.h"

namespace hm {

namespace {

// Liftplan rows behave like one array of 16-byte elements.
struct LiftplanRows {
    Draft& d;
    struct Row {
        Draft& d;
        int pick;
        Row& operator=(const Row& other) {
            std::memcpy(d.LiftplanRow(pick), d.LiftplanRow(other.pick), LiftplanRowBytes);
            return *this;
        }
    };
    Row operator[](int pick) { return Row{d, pick}; }
};

} // namespace

StructureChange InsertEnds(Draft& d, int from, int count, EndArrays arrays) {
    const int size = EndCount(d);
    if (from < 1 || from > size || count < 1) return StructureChange::Unchanged();
    count = std::min(count, size - from + 1);
    const uint8_t colour = d.WarpColors[from];
    if (arrays.patternThreading) OpenGap(d.PatternThreading, from, count, size);
    if (arrays.threadingA) OpenGap(d.ThreadingA, from, count, size);
    if (arrays.threadingB) OpenGap(d.ThreadingB, from, count, size);
    if (arrays.warpColors) OpenGap(d.WarpColors, from, count, size);
    for (int e = from; e < from + count; ++e) {
        if (arrays.patternThreading) d.PatternThreading[e] = 0;
        if (arrays.threadingA) d.ThreadingA[e] = 0;
        if (arrays.threadingB) d.ThreadingB[e] = 0;
        if (arrays.warpColors) d.WarpColors[e] = colour;
    }
    return StructureChange::Changed();
}

StructureChange DeleteEnds(Draft& d, int from, int to, EndArrays arrays) {
    const int size = EndCount(d);
    if (!OrderedRange(from, to, size)) return StructureChange::Unchanged();
    const int k = to - from + 1;
    if (arrays.patternThreading) CloseGap(d.PatternThreading, from, k, size);
    if (arrays.threadingA) CloseGap(d.ThreadingA, from, k, size);
    if (arrays.threadingB) CloseGap(d.ThreadingB, from, k, size);
    if (arrays.warpColors) CloseGap(d.WarpColors, from, k, size);
    for (int e = size - k + 1; e <= size; ++e) {
        if (arrays.patternThreading) d.PatternThreading[e] = 0;
        if (arrays.threadingA) d.ThreadingA[e] = 0;
        if (arrays.threadingB) d.ThreadingB[e] = 0;
    }
    return StructureChange::Changed();
}

StructureChange InsertPicks(Draft& d, int from, int count, PickArrays arrays) {
    const int size = PickCount(d);
    if (from < 1 || from > size || count < 1) return StructureChange::Unchanged();
    count = std::min(count, size - from + 1);
    const uint8_t colour = d.WeftColors[from];
    LiftplanRows rows{d};
    if (arrays.liftplan) OpenGap(rows, from, count, size);
    if (arrays.treadlingA) OpenGap(d.TreadlingA, from, count, size);
    if (arrays.treadlingB) OpenGap(d.TreadlingB, from, count, size);
    if (arrays.weftColors) OpenGap(d.WeftColors, from, count, size);
    for (int p = from; p < from + count; ++p) {
        if (arrays.liftplan) std::memset(d.LiftplanRow(p), 0, LiftplanRowBytes);
        if (arrays.treadlingA) d.TreadlingA[p] = 0;
        if (arrays.treadlingB) d.TreadlingB[p] = 0;
        if (arrays.weftColors) d.WeftColors[p] = colour;
    }
    return StructureChange::Changed();
}

StructureChange DeletePicks(Draft& d, int from, int to, PickArrays arrays) {
    const int size = PickCount(d);
    if (!OrderedRange(from, to, size)) return StructureChange::Unchanged();
    const int k = to - from + 1;
    LiftplanRows rows{d};
    if (arrays.liftplan) CloseGap(rows, from, k, size);
    if (arrays.treadlingA) CloseGap(d.TreadlingA, from, k, size);
    if (arrays.treadlingB) CloseGap(d.TreadlingB, from, k, size);
    if (arrays.weftColors) CloseGap(d.WeftColors, from, k, size);
    for (int p = size - k + 1; p <= size; ++p) {
        if (arrays.liftplan) std::memset(d.LiftplanRow(p), 0, LiftplanRowBytes);
        if (arrays.treadlingA) d.TreadlingA[p] = 0;
        if (arrays.treadlingB) d.TreadlingB[p] = 0;
    }
    return StructureChange::Changed();
}

// In Design mode the picture moves by `count` in one shift, which gives the same
// picture as moving it one column or row at a time.

StructureChange DesignInsertEnds(Draft& d, int from, int count) {
    if (from < 1 || from > DesignSize || count < 1) return StructureChange::Unchanged();
    count = std::min(count, DesignSize + 1 - from);
    OpenBitGaps(d.DesignRow(1), DesignRowBytes, DesignSize, DesignSize, from, count);
    const uint8_t colour = d.WarpColors[from];
    OpenGap(d.WarpColors, from, count, DesignSize);
    for (int e = from; e < from + count; ++e) d.WarpColors[e] = colour;
    return StructureChange::Changed();
}

StructureChange DesignDeleteEnds(Draft& d, int from, int to) {
    if (!OrderedRange(from, to, DesignSize)) return StructureChange::Unchanged();
    const int k = to - from + 1;
    CloseBitGaps(d.DesignRow(1), DesignRowBytes, DesignSize, DesignSize, from, k);
    // One column at a time, end 2400 keeps its colour and lends it to the end below.
    const uint8_t last = d.WarpColors[DesignSize];
    CloseGap(d.WarpColors, from, k, DesignSize);
    for (int e = DesignSize - k + 1; e <= DesignSize; ++e) d.WarpColors[e] = last;
    return StructureChange::Changed();
}

StructureChange DesignInsertPicks(Draft& d, int from, int count) {
    if (from < 1 || from > DesignSize || count < 1) return StructureChange::Unchanged();
    count = std::min(count, DesignSize + 1 - from);
    const auto moved = static_cast<size_t>(DesignSize + 1 - from - count) * DesignRowBytes;
    if (moved > 0) std::memmove(d.DesignRow(from + count), d.DesignRow(from), moved);
    std::memset(d.DesignRow(from), 0, static_cast<size_t>(count) * DesignRowBytes);
    const uint8_t colour = d.WeftColors[from];
    OpenGap(d.WeftColors, from, count, DesignSize);
    for (int p = from; p < from + count; ++p) d.WeftColors[p] = colour;
    return StructureChange::Changed();
}

StructureChange DesignDeletePicks(Draft& d, int from, int to) {
    if (!OrderedRange(from, to, DesignSize)) return StructureChange::Unchanged();
    const int k = to - from + 1;
    const auto moved = static_cast<size_t>(DesignSize - to) * DesignRowBytes;
    if (moved > 0) std::memmove(d.DesignRow(from), d.DesignRow(to + 1), moved);
    std::memset(d.DesignRow(DesignSize - k + 1), 0, static_cast<size_t>(k) * DesignRowBytes);
    const uint8_t last = d.WeftColors[DesignSize];
    CloseGap(d.WeftColors, from, k, DesignSize);
    for (int p = DesignSize - k + 1; p <= DesignSize; ++p) d.WeftColors[p] = last;
    return StructureChange::Changed();
}

} // namespace hm
