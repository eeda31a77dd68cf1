#include "ops/bitrows.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

namespace hm {

namespace {

constexpr int MaxRowBytes = MaxBitRowColumns / 8;

uint64_t FromLittleEndian(uint64_t w) {
    if constexpr (std::endian::native == std::endian::little) return w;
    uint64_t swapped = 0;
    for (int b = 0; b < 8; ++b) swapped |= ((w >> (8 * b)) & 0xFF) << (8 * (7 - b));
    return swapped;
}
uint64_t ToLittleEndian(uint64_t w) {
    return FromLittleEndian(w);
}
uint64_t LoadWord(const uint8_t* at) {
    uint64_t w;
    std::memcpy(&w, at, 8);
    return FromLittleEndian(w);
}
void StoreWord(uint8_t* at, uint64_t w) {
    w = ToLittleEndian(w);
    std::memcpy(at, &w, 8);
}

uint8_t LowBits(int n) {
    return static_cast<uint8_t>((1u << n) - 1);
}

// One move of columns, planned once and applied to many rows. Columns f..w-1
// (0-based) change: some move by the count, the rest clear. The columns that
// move are first copied into a zero-padded scratch buffer, and the bytes of the
// row that receive them are then computed from it eight at a time. As the move
// is no longer in place, no order has to be kept and no word needs a check for
// overlap or for the ends of the row. Bits that come along in the edge bytes
// of the moved run are cleared afterwards, and the bits of the row's edge bytes
// below f and from w on are put back.
class ColumnMove {
  public:
    ColumnMove(int width, int from, int count, bool open) {
        const int f = from - 1, w = width;
        rowBytes_ = (w + 7) / 8;
        changedFirst_ = f / 8;
        keepLow_ = LowBits(f % 8);
        keepHigh_ = w % 8 ? static_cast<uint8_t>(~LowBits(w % 8)) : 0;
        // Opening moves columns f..w-count-1 up by count; closing moves columns
        // f+count..w-1 down by count.
        const int moveBy = open ? count : -count;
        const int sourceLow = open ? f : f + count, sourceHigh = open ? w - count : w;
        const int targetLow = sourceLow + moveBy, targetHigh = sourceHigh + moveBy;
        sourceFirst_ = sourceLow / 8;
        sourceBytes_ = sourceHigh > sourceLow ? (sourceHigh + 7) / 8 - sourceFirst_ : 0;
        computeBegin_ = targetLow / 8;
        computeEnd_ = (targetHigh + 7) / 8;
        computedFirstMask_ = static_cast<uint8_t>(~LowBits(targetLow % 8));
        computedLastMask_ = targetHigh % 8 ? LowBits(targetHigh % 8) : 0xFF;
        // The cleared columns lie below the target when opening, above it when closing.
        zeroBegin_ = open ? changedFirst_ : computeEnd_;
        zeroEnd_ = open ? computeBegin_ : rowBytes_;
        // Row bit y comes from row bit y - moveBy, which lies at buffer bit
        // y - moveBy - 8 * sourceFirst_ + 8 * Pad.
        const int t = 8 * Pad - 8 * sourceFirst_ - moveBy;
        offset_ = t >> 3;
        shift_ = t & 7;
    }

    // Copies the row's moving columns into scratch buffer `b` (0 or 1).
    void Load(int b, const uint8_t* row) {
        std::memcpy(buffers_[b].data() + Pad, row + sourceFirst_,
                    static_cast<size_t>(sourceBytes_));
    }

    // Writes the row's changed bytes, taking the moved columns from buffer `b`.
    void Store(int b, uint8_t* row) const {
        const uint8_t first = row[changedFirst_], last = row[rowBytes_ - 1];
        std::memset(row + zeroBegin_, 0, static_cast<size_t>(zeroEnd_ - zeroBegin_));
        if (computeBegin_ < computeEnd_) {
            Compute(buffers_[b].data(), row);
            row[computeBegin_] &= computedFirstMask_;
            row[computeEnd_ - 1] &= computedLastMask_;
        }
        row[changedFirst_] =
            static_cast<uint8_t>((row[changedFirst_] & ~keepLow_) | (first & keepLow_));
        row[rowBytes_ - 1] =
            static_cast<uint8_t>((row[rowBytes_ - 1] & ~keepHigh_) | (last & keepHigh_));
    }

  private:
    static constexpr int Pad = 8;

    // The eight bytes of the row from byte q on, as they are after the move.
    uint64_t Word(const uint8_t* buffer, int q) const {
        const uint8_t* at = buffer + q + offset_;
        return (LoadWord(at) >> shift_) | (LoadWord(at + 1) << (8 - shift_));
    }

    // Bytes computeBegin_..computeEnd_-1; a last word that would reach past
    // the end is written ending there instead, overlapping bytes already
    // written with the same values.
    void Compute(const uint8_t* buffer, uint8_t* row) const {
        const int begin = computeBegin_, end = computeEnd_;
        if (end - begin < 8) {
            for (int q = begin; q < end; ++q) row[q] = static_cast<uint8_t>(Word(buffer, q));
            return;
        }
        int q = begin;
        for (; q + 8 <= end; q += 8) StoreWord(row + q, Word(buffer, q));
        if (q < end) StoreWord(row + end - 8, Word(buffer, end - 8));
    }

    // Two buffers, so that one row's columns are copied while the row before
    // is computed: the word reads then find the copy done rather than waiting
    // for it. Each holds Pad zero bytes, the moved run, and zeros for the reads
    // past its end; only the run is ever written. They are members rather than
    // locals on purpose: with local arrays GCC expands the copies inline as
    // string instructions, which measured two and a half times slower.
    std::array<std::array<uint8_t, Pad + MaxRowBytes + 16>, 2> buffers_{};
    int rowBytes_, changedFirst_;
    uint8_t keepLow_, keepHigh_; // bits of the edge bytes that stay as they are
    int sourceFirst_, sourceBytes_;
    int computeBegin_, computeEnd_; // the bytes that receive moved columns
    uint8_t computedFirstMask_, computedLastMask_;
    int zeroBegin_, zeroEnd_;
    int offset_, shift_; // where byte q of the result starts in the buffer
};

bool Valid(int width, int from, int count) {
    return width >= 1 && width <= MaxBitRowColumns && from >= 1 && from <= width && count >= 1;
}

void MoveColumns(uint8_t* first, size_t stride, int rows, int width, int from, int count,
                 bool open) {
    if (!Valid(width, from, count) || rows < 1) return;
    ColumnMove move(width, from, std::min(count, width - from + 1), open);
    auto row = [&](int r) { return first + static_cast<size_t>(r) * stride; };
    // The rows do not overlap, so the next row's columns can be copied early.
    move.Load(0, row(0));
    for (int r = 0; r < rows; ++r) {
        if (r + 1 < rows) move.Load((r + 1) % 2, row(r + 1));
        move.Store(r % 2, row(r));
    }
}

} // namespace

void OpenBitGaps(uint8_t* first, size_t stride, int rows, int width, int from, int count) {
    MoveColumns(first, stride, rows, width, from, count, true);
}

void CloseBitGaps(uint8_t* first, size_t stride, int rows, int width, int from, int count) {
    MoveColumns(first, stride, rows, width, from, count, false);
}

void InvertBits(uint8_t* row, int width) {
    if (width < 1 || width > MaxBitRowColumns) return;
    for (int b = 0; b < width / 8; ++b) row[b] = static_cast<uint8_t>(~row[b]);
    if (const int rest = width % 8) row[width / 8] ^= static_cast<uint8_t>((1u << rest) - 1);
}

} // namespace hm
