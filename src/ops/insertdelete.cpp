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
// picture as moving it one column or row at a time. Ends move columns of the
// picture with the warp colours, picks move rows with the weft colours.

namespace {

enum class DesignAxis { Ends, Picks };

OneBasedBytes<MaxEnds>& DesignColours(Draft& d, DesignAxis axis) {
    return axis == DesignAxis::Ends ? d.WarpColors : d.WeftColors;
}

void OpenDesignGap(Draft& d, DesignAxis axis, int from, int count) {
    if (axis == DesignAxis::Ends) {
        OpenBitGaps(d.DesignRow(1), DesignRowBytes, DesignSize, DesignSize, from, count);
        return;
    }
    const auto moved = static_cast<size_t>(DesignSize + 1 - from - count) * DesignRowBytes;
    if (moved > 0) std::memmove(d.DesignRow(from + count), d.DesignRow(from), moved);
    std::memset(d.DesignRow(from), 0, static_cast<size_t>(count) * DesignRowBytes);
}

void CloseDesignGap(Draft& d, DesignAxis axis, int from, int count) {
    if (axis == DesignAxis::Ends) {
        CloseBitGaps(d.DesignRow(1), DesignRowBytes, DesignSize, DesignSize, from, count);
        return;
    }
    const auto moved = static_cast<size_t>(DesignSize + 1 - from - count) * DesignRowBytes;
    if (moved > 0) std::memmove(d.DesignRow(from), d.DesignRow(from + count), moved);
    std::memset(d.DesignRow(DesignSize - count + 1), 0,
                static_cast<size_t>(count) * DesignRowBytes);
}

StructureChange DesignInsert(Draft& d, DesignAxis axis, int from, int count) {
    if (from < 1 || from > DesignSize || count < 1) return StructureChange::Unchanged();
    count = std::min(count, DesignSize + 1 - from);
    OpenDesignGap(d, axis, from, count);
    auto& colours = DesignColours(d, axis);
    const uint8_t colour = colours[from];
    OpenGap(colours, from, count, DesignSize);
    for (int i = from; i < from + count; ++i) colours[i] = colour;
    return StructureChange::Changed();
}

StructureChange DesignDelete(Draft& d, DesignAxis axis, int from, int to) {
    if (!OrderedRange(from, to, DesignSize)) return StructureChange::Unchanged();
    const int k = to - from + 1;
    CloseDesignGap(d, axis, from, k);
    // One at a time, end (pick) 2400 keeps its colour and lends it to the one below.
    auto& colours = DesignColours(d, axis);
    const uint8_t last = colours[DesignSize];
    CloseGap(colours, from, k, DesignSize);
    for (int i = DesignSize - k + 1; i <= DesignSize; ++i) colours[i] = last;
    return StructureChange::Changed();
}

} // namespace

StructureChange DesignInsertEnds(Draft& d, int from, int count) {
    return DesignInsert(d, DesignAxis::Ends, from, count);
}
StructureChange DesignDeleteEnds(Draft& d, int from, int to) {
    return DesignDelete(d, DesignAxis::Ends, from, to);
}
StructureChange DesignInsertPicks(Draft& d, int from, int count) {
    return DesignInsert(d, DesignAxis::Picks, from, count);
}
StructureChange DesignDeletePicks(Draft& d, int from, int to) {
    return DesignDelete(d, DesignAxis::Picks, from, to);
}

} // namespace hm
