#include "ops/bitrows.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

namespace hm {

namespace {

constexpr int WordBits = 64;
constexpr int MaxWords = (MaxBitRowColumns + WordBits - 1) / WordBits;

// The first `width` columns of a row as 64-bit words, column 1 in bit 0 of word
// 0; bits from width on are zero.
struct Words {
    std::array<uint64_t, MaxWords> w{};
    int count = 0;

    explicit Words(int width) : count((width + WordBits - 1) / WordBits) {}
    Words(const uint8_t* row, int width) : Words(width) {
        const int bytes = (width + 7) / 8;
        if constexpr (std::endian::native == std::endian::little) {
            std::memcpy(w.data(), row, static_cast<size_t>(bytes));
        } else {
            for (int b = 0; b < bytes; ++b)
                w[static_cast<size_t>(b / 8)] |= static_cast<uint64_t>(row[b]) << (8 * (b % 8));
        }
        const int spare = count * WordBits - width;
        if (spare > 0) w[static_cast<size_t>(count - 1)] &= ~uint64_t{0} >> spare;
    }

    // Writes columns 1..width back; bits of the last byte above width keep their values.
    void Store(uint8_t* row, int width) const {
        const int whole = width / 8;
        const uint8_t* source = reinterpret_cast<const uint8_t*>(w.data());
        if constexpr (std::endian::native == std::endian::little) {
            std::memcpy(row, source, static_cast<size_t>(whole));
        } else {
            for (int b = 0; b < whole; ++b)
                row[b] = static_cast<uint8_t>(w[static_cast<size_t>(b / 8)] >> (8 * (b % 8)));
        }
        if (const int rest = width % 8) {
            const auto byte =
                static_cast<uint8_t>(w[static_cast<size_t>(whole / 8)] >> (8 * (whole % 8)));
            const auto keep = static_cast<uint8_t>(0xFFu << rest);
            row[whole] = static_cast<uint8_t>((row[whole] & keep) | (byte & ~keep));
        }
    }

    uint64_t At(int i) const { return i >= 0 && i < count ? w[static_cast<size_t>(i)] : 0; }

    // Word i of the row moved up (towards higher columns) by `shift` columns.
    uint64_t ShiftedUp(int i, int shift) const {
        const int q = shift / WordBits, r = shift % WordBits;
        const uint64_t high = At(i - q) << r;
        return r ? high | (At(i - q - 1) >> (WordBits - r)) : high;
    }
    // Word i of the row moved down (towards lower columns) by `shift` columns.
    uint64_t ShiftedDown(int i, int shift) const {
        const int q = shift / WordBits, r = shift % WordBits;
        const uint64_t low = At(i + q) >> r;
        return r ? low | (At(i + q + 1) << (WordBits - r)) : low;
    }
};

// The bits of word i that lie in the 0-based bit range [lo, hi).
uint64_t RangeMask(int i, int lo, int hi) {
    const int start = std::clamp(lo - i * WordBits, 0, WordBits);
    const int end = std::clamp(hi - i * WordBits, 0, WordBits);
    if (end <= start) return 0;
    const uint64_t upTo = end == WordBits ? ~uint64_t{0} : (uint64_t{1} << end) - 1;
    return upTo & ~((uint64_t{1} << start) - 1);
}

bool Valid(int width, int from, int count) {
    return width >= 1 && width <= MaxBitRowColumns && from >= 1 && from <= width && count >= 1;
}

} // namespace

void OpenBitGap(uint8_t* row, int width, int from, int count) {
    if (!Valid(width, from, count)) return;
    count = std::min(count, width - from + 1);
    const Words in(row, width);
    Words out(width);
    const int f = from - 1;
    for (int i = 0; i < in.count; ++i) {
        out.w[static_cast<size_t>(i)] = (in.At(i) & RangeMask(i, 0, f)) |
                                        (in.ShiftedUp(i, count) & RangeMask(i, f + count, width));
    }
    out.Store(row, width);
}

void CloseBitGap(uint8_t* row, int width, int from, int count) {
    if (!Valid(width, from, count)) return;
    count = std::min(count, width - from + 1);
    const Words in(row, width);
    Words out(width);
    const int f = from - 1;
    for (int i = 0; i < in.count; ++i) {
        out.w[static_cast<size_t>(i)] =
            (in.At(i) & RangeMask(i, 0, f)) | (in.ShiftedDown(i, count) & RangeMask(i, f, width));
    }
    out.Store(row, width);
}

void InvertBits(uint8_t* row, int width) {
    if (width < 1 || width > MaxBitRowColumns) return;
    Words words(row, width);
    for (int i = 0; i < words.count; ++i)
        words.w[static_cast<size_t>(i)] = ~words.w[static_cast<size_t>(i)] & RangeMask(i, 0, width);
    words.Store(row, width);
}

} // namespace hm
