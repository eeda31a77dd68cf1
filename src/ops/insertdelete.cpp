#include "ops/insertdelete.h"

#include <vector>

namespace hm {

namespace {

// Moves entries of a 1-based array so that `count` slots open at `from`,
// within 1..size; entries pushed beyond `size` are lost.
template <typename Array> void OpenGap(Array& a, int from, int count, int size) {
    for (int i = size; i >= from + count; --i) a[i] = a[i - count];
}

// Closes the slots from..from+k-1 within 1..size (the tail is left as it was).
template <typename Array> void CloseGap(Array& a, int from, int k, int size) {
    for (int i = from; i <= size - k; ++i) a[i] = a[i + k];
}

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

// Orders from..to and cuts `to` at the size; returns false when nothing lies inside.
bool DeletionRange(int& from, int& to, int size) {
    if (to < from) std::swap(from, to);
    from = std::max(from, 1);
    to = std::min(to, size);
    return from <= to;
}

} // namespace

void InsertEnds(Draft& d, int from, int count, EndArrays arrays) {
    const int size = std::min(d.Ends, MaxEnds);
    if (from < 1 || from > size || count < 1) return;
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
}

void DeleteEnds(Draft& d, int from, int to, EndArrays arrays) {
    const int size = std::min(d.Ends, MaxEnds);
    if (!DeletionRange(from, to, size)) return;
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
}

void InsertPicks(Draft& d, int from, int count, PickArrays arrays) {
    const int size = std::min(d.Picks, MaxPicks);
    if (from < 1 || from > size || count < 1) return;
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
}

void DeletePicks(Draft& d, int from, int to, PickArrays arrays) {
    const int size = std::min(d.Picks, MaxPicks);
    if (!DeletionRange(from, to, size)) return;
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
}

namespace {

// Shifts the bits of one picture row from column `from` on by `count` places
// to the right (positive) or left (negative) within 1..2400; vacated cells clear.
void ShiftRowBits(Draft& d, int row, int from, int count) {
    std::vector<bool> bits(DesignSize + 1);
    for (int c = from; c <= DesignSize; ++c) bits[static_cast<size_t>(c)] = d.GetDesignCell(row, c);
    for (int c = from; c <= DesignSize; ++c) {
        const int source = c - count;
        const bool value =
            source >= from && source <= DesignSize && bits[static_cast<size_t>(source)];
        d.SetDesignCell(row, c, value);
    }
}

} // namespace

void DesignInsertEnds(Draft& d, int from, int count) {
    if (from < 1 || from > DesignSize || count < 1) return;
    count = std::min(count, DesignSize + 1 - from);
    for (int r = 1; r <= DesignSize; ++r) ShiftRowBits(d, r, from, count);
    const uint8_t colour = d.WarpColors[from];
    OpenGap(d.WarpColors, from, count, DesignSize);
    for (int e = from; e < from + count; ++e) d.WarpColors[e] = colour;
}

void DesignDeleteEnds(Draft& d, int from, int to) {
    if (!DeletionRange(from, to, DesignSize)) return;
    const int k = to - from + 1;
    for (int r = 1; r <= DesignSize; ++r) {
        // Columns from+k.. move onto from..; the last k columns clear.
        std::vector<bool> bits(DesignSize + 1);
        for (int c = from; c <= DesignSize; ++c)
            bits[static_cast<size_t>(c)] = d.GetDesignCell(r, c);
        for (int c = from; c <= DesignSize; ++c)
            d.SetDesignCell(r, c, c + k <= DesignSize && bits[static_cast<size_t>(c + k)]);
    }
    CloseGap(d.WarpColors, from, k, DesignSize);
}

void DesignInsertPicks(Draft& d, int from, int count) {
    if (from < 1 || from > DesignSize || count < 1) return;
    count = std::min(count, DesignSize + 1 - from);
    for (int r = DesignSize; r >= from + count; --r)
        std::memcpy(d.DesignRow(r), d.DesignRow(r - count), DesignRowBytes);
    for (int r = from; r < from + count; ++r) std::memset(d.DesignRow(r), 0, DesignRowBytes);
    const uint8_t colour = d.WeftColors[from];
    OpenGap(d.WeftColors, from, count, DesignSize);
    for (int p = from; p < from + count; ++p) d.WeftColors[p] = colour;
}

void DesignDeletePicks(Draft& d, int from, int to) {
    if (!DeletionRange(from, to, DesignSize)) return;
    const int k = to - from + 1;
    for (int r = from; r <= DesignSize - k; ++r)
        std::memcpy(d.DesignRow(r), d.DesignRow(r + k), DesignRowBytes);
    for (int r = DesignSize - k + 1; r <= DesignSize; ++r)
        std::memset(d.DesignRow(r), 0, DesignRowBytes);
    CloseGap(d.WeftColors, from, k, DesignSize);
}

} // namespace hm
