#include "ops/bitrows.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace hm {

namespace {

constexpr int WordBits = 64;

uint64_t FromLittleEndian(uint64_t w) {
    if constexpr (std::endian::native == std::endian::little) return w;
    uint64_t swapped = 0;
    for (int b = 0; b < 8; ++b) swapped |= ((w >> (8 * b)) & 0xFF) << (8 * (7 - b));
    return swapped;
}
uint64_t ToLittleEndian(uint64_t w) {
    return FromLittleEndian(w);
}

// The first `width` columns of a bit row as 64-bit words, read and written in
// place: word j holds columns 64j+1..64j+64, column 64j+1 in its lowest bit.
// Words that lie wholly within the columns are moved as they are; the word
// cut by the width, and words before or after the row, go through checks.
class RowWords {
  public:
    explicit RowWords(int width)
        : width_(width), words_((width + WordBits - 1) / WordBits), whole_(width / WordBits),
          bytes_((width + 7) / 8), tailBits_(width - whole_ * WordBits),
          tailMask_(tailBits_ ? (uint64_t{1} << tailBits_) - 1 : 0),
          windowShift_(8 * (8 * whole_ + 8 - bytes_)) {}

    int Words() const { return words_; }
    int Whole() const { return whole_; }

    static uint64_t Fast(const uint8_t* row, int j) {
        uint64_t w;
        std::memcpy(&w, row + 8 * j, 8);
        return FromLittleEndian(w);
    }
    // Word j of the row; zero outside the row, and bits from width on read as zero.
    uint64_t Checked(const uint8_t* row, int j) const {
        if (j < 0 || j >= words_) return 0;
        if (j < whole_) return Fast(row, j);
        if (bytes_ >= 8) return (Window(row) >> windowShift_) & tailMask_;
        uint64_t w = 0;
        for (int b = 8 * j; b < bytes_; ++b)
            w |= static_cast<uint64_t>(row[b]) << (8 * (b - 8 * j));
        return w & tailMask_;
    }

    static void StoreFast(uint8_t* row, int i, uint64_t w) {
        w = ToLittleEndian(w);
        std::memcpy(row + 8 * i, &w, 8);
    }
    // Writes word i; of the word cut by the width only the columns below the
    // width are written.
    void Store(uint8_t* row, int i, uint64_t w) const {
        if (i < whole_) return StoreFast(row, i, w);
        if (i >= words_) return;
        // Byte by byte: a wider read-modify-write here would overlap the word
        // just written below it and stall the processor.
        for (int b = 8 * i; b < bytes_; ++b) {
            auto byte = static_cast<uint8_t>(w >> (8 * (b - 8 * i)));
            if (b == bytes_ - 1 && width_ % 8) {
                const auto mask = static_cast<uint8_t>((1u << (width_ % 8)) - 1);
                byte = static_cast<uint8_t>((row[b] & ~mask) | (byte & mask));
            }
            row[b] = byte;
        }
    }

  private:
    // The last eight bytes of the row; the word cut by the width lies in their top.
    uint64_t Window(const uint8_t* row) const { return Fast(row + bytes_ - 8, 0); }

    int width_, words_, whole_, bytes_;
    int tailBits_;      // columns in the word cut by the width (0: none)
    uint64_t tailMask_; // its bits in use
    int windowShift_;   // where it starts within the last eight bytes
};

// The bits of word i that lie in the 0-based bit range [lo, hi).
uint64_t RangeMask(int i, int lo, int hi) {
    const int start = std::clamp(lo - i * WordBits, 0, WordBits);
    const int end = std::clamp(hi - i * WordBits, 0, WordBits);
    if (end <= start) return 0;
    const uint64_t upTo = end == WordBits ? ~uint64_t{0} : (uint64_t{1} << end) - 1;
    return upTo & ~((uint64_t{1} << start) - 1);
}

// Words from..to-1 of the row take the words q places lower (moving up) or
// higher (moving down), shifted by r more bits. Four words at a time, each
// group read before it is written, so that the compiler can use vector
// registers. Moving up runs from the top word down and moving down from the
// bottom word up, so every source word is read before it is overwritten.
// All the words read lie within the row.
void MoveWholeWords(uint8_t* row, int q, int from, int to, int r, bool up) {
    if (from >= to) return;
    using W = RowWords;
    if (r == 0) {
        const int source = up ? from - q : from + q;
        std::memmove(row + 8 * from, row + 8 * source, static_cast<size_t>(to - from) * 8);
        return;
    }
    const int l = WordBits - r;
    if (up) {
        // Word i = source word j = i - q shifted up, with bits from word j - 1.
        int j = to - 1 - q;
        for (; j - 3 >= from - q; j -= 4) {
            const uint64_t a0 = W::Fast(row, j - 4), a1 = W::Fast(row, j - 3),
                           a2 = W::Fast(row, j - 2), a3 = W::Fast(row, j - 1), a4 = W::Fast(row, j);
            W::StoreFast(row, j + q - 3, (a1 << r) | (a0 >> l));
            W::StoreFast(row, j + q - 2, (a2 << r) | (a1 >> l));
            W::StoreFast(row, j + q - 1, (a3 << r) | (a2 >> l));
            W::StoreFast(row, j + q, (a4 << r) | (a3 >> l));
        }
        for (; j >= from - q; --j)
            W::StoreFast(row, j + q, (W::Fast(row, j) << r) | (W::Fast(row, j - 1) >> l));
    } else {
        // Word i = source word j = i + q shifted down, with bits from word j + 1.
        int j = from + q;
        for (; j + 4 <= to + q; j += 4) {
            const uint64_t a0 = W::Fast(row, j), a1 = W::Fast(row, j + 1), a2 = W::Fast(row, j + 2),
                           a3 = W::Fast(row, j + 3), a4 = W::Fast(row, j + 4);
            W::StoreFast(row, j - q, (a0 >> r) | (a1 << l));
            W::StoreFast(row, j - q + 1, (a1 >> r) | (a2 << l));
            W::StoreFast(row, j - q + 2, (a2 >> r) | (a3 << l));
            W::StoreFast(row, j - q + 3, (a3 >> r) | (a4 << l));
        }
        for (; j < to + q; ++j)
            W::StoreFast(row, j - q, (W::Fast(row, j) >> r) | (W::Fast(row, j + 1) << l));
    }
}

// Moves the row's words first..last-1 in place by `shift` columns up (towards
// higher columns) or down, in the order that reads every word before it is
// overwritten. The middle part, whose sources lie wholly within the row, runs
// without checks; the words at either end are read with checks.
void ShiftWords(const RowWords& words, uint8_t* row, int first, int last, int shift, bool up) {
    const int q = shift / WordBits, r = shift % WordBits;
    const int sign = up ? -1 : 1;
    auto word = [&](int i) {
        const uint64_t a = words.Checked(row, i + sign * q);
        if (r == 0) return a;
        const uint64_t b = words.Checked(row, i + sign * (q + 1));
        return up ? (a << r) | (b >> (WordBits - r)) : (a >> r) | (b << (WordBits - r));
    };
    const int reach = r ? q + 1 : q; // the farthest source word from i
    int fastFrom = up ? std::max(first, reach) : first;
    int fastTo = up ? std::min(last, words.Whole() + q) : std::min(last, words.Whole() - reach);
    fastTo = std::min(fastTo, words.Whole()); // fast stores too
    if (fastTo < fastFrom) fastFrom = fastTo = first;
    if (up) {
        for (int i = last - 1; i >= fastTo; --i) words.Store(row, i, word(i));
        MoveWholeWords(row, q, fastFrom, fastTo, r, true);
        for (int i = fastFrom - 1; i >= first; --i) words.Store(row, i, word(i));
    } else {
        for (int i = first; i < fastFrom; ++i) words.Store(row, i, word(i));
        MoveWholeWords(row, q, fastFrom, fastTo, r, false);
        // The top words read only beyond the row: they clear.
        const int zeroFrom = std::clamp(words.Words() - q, fastTo, last);
        for (int i = fastTo; i < zeroFrom; ++i) words.Store(row, i, word(i));
        for (int i = zeroFrom; i < last; ++i) words.Store(row, i, 0);
    }
}

bool Valid(int width, int from, int count) {
    return width >= 1 && width <= MaxBitRowColumns && from >= 1 && from <= width && count >= 1;
}

// Words below the one holding column `from` never change and are not written.
void MoveColumns(uint8_t* first, size_t stride, int rows, int width, int from, int count,
                 bool open) {
    if (!Valid(width, from, count) || rows < 1) return;
    count = std::min(count, width - from + 1);
    const RowWords words(width);
    const int f = from - 1, firstWord = f / WordBits, n = words.Words();
    // Opening leaves columns f..f+count-1 empty: whole words of them are set to
    // zero and only the words from the one holding f+count on are shifted.
    // Closing brings zeros in at the top, as words beyond the row read as zero.
    const int shiftedFrom = open ? (f + count) / WordBits : firstWord;
    const uint64_t below = RangeMask(firstWord, 0, f);
    const uint64_t opened = open && shiftedFrom < n ? RangeMask(shiftedFrom, f, f + count) : 0;
    for (int r = 0; r < rows; ++r) {
        uint8_t* row = first + static_cast<size_t>(r) * stride;
        const uint64_t kept = words.Checked(row, firstWord) & below;
        ShiftWords(words, row, shiftedFrom, n, count, open);
        if (open) {
            if (shiftedFrom < n)
                words.Store(row, shiftedFrom, words.Checked(row, shiftedFrom) & ~opened);
            for (int i = firstWord; i < shiftedFrom; ++i) words.Store(row, i, 0);
        }
        words.Store(row, firstWord, kept | (words.Checked(row, firstWord) & ~below));
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
