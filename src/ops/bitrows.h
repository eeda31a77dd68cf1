#pragma once
// Moving runs of cells within bit rows of the draft (liftplan rows of 128
// columns, design rows of 2400), word by word rather than cell by cell.
// Columns are numbered from 1; column c is bit (c-1) mod 8 of byte (c-1) div 8.
// The functions for many rows take `rows` rows `stride` bytes apart, which
// must not overlap.

#include <cstddef>
#include <cstdint>

namespace hm {

inline constexpr int MaxBitRowColumns = 2400;

// Opens `count` empty columns at `from` within columns 1..width: columns
// from..width-count move up by count, columns from..from+count-1 clear, and
// what is pushed past width is lost. Columns above width are left as they are.
void OpenBitGaps(uint8_t* first, size_t stride, int rows, int width, int from, int count);

// Removes columns from..from+count-1 within 1..width: the columns above them
// move down by count and the last count columns up to width clear. Columns
// above width are left as they are.
void CloseBitGaps(uint8_t* first, size_t stride, int rows, int width, int from, int count);

inline void OpenBitGap(uint8_t* row, int width, int from, int count) {
    OpenBitGaps(row, 0, 1, width, from, count);
}
inline void CloseBitGap(uint8_t* row, int width, int from, int count) {
    CloseBitGaps(row, 0, 1, width, from, count);
}

// Inverts columns 1..width.
void InvertBits(uint8_t* row, int width);

} // namespace hm
