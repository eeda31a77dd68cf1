#include "files/blocks.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "files/notetext.h"

namespace hm {

namespace {
// A note longer than the readers keep is not written by this program (the
// notes editor stops there), but the format allows up to 0xFFFF bytes.
constexpr int MaxNoteBytes = 0xFFFF;
} // namespace

int ClampCount(int value) {
    return std::clamp(value, 2, MaxEnds);
}

int OldLayoutCount(int n) {
    return std::max(500, std::min(n, MaxEnds));
}

int ReadCountedList(ByteReader& r, OneBasedBytes<MaxEnds>* target, uint8_t fill) {
    const int n = r.U16();
    const int kept = std::min(n, MaxEnds);
    if (!target) {
        r.Skip(n);
        return n;
    }
    r.Bytes(target->data(), kept);
    target->FillFrom(kept + 1, fill);
    r.Skip(n - kept);
    return n;
}

void WriteCountedList(ByteWriter& w, const OneBasedBytes<MaxEnds>& source, int count) {
    count = std::clamp(count, 0, MaxEnds);
    w.U16(count);
    w.Bytes(source.data(), count);
}

int LiftplanRowSize(int width) {
    return width <= 0 ? 1 : (width - 1) / 8 + 1;
}

int ReadLiftplanBlock(ByteReader& r, Draft& d, int width, bool select) {
    const int n = r.U16();
    // Sizes as unsigned values, so that no copy below can have a negative length.
    const size_t rowSize = static_cast<size_t>(LiftplanRowSize(std::clamp(width, 0, 255)));
    if (!select) {
        r.Skip(static_cast<qint64>(n) * static_cast<qint64>(rowSize));
        return n;
    }
    const int kept = std::min(n, MaxPicks);
    const size_t copied = std::min(rowSize, static_cast<size_t>(LiftplanRowBytes));
    uint8_t row[32] = {};
    for (int p = 1; p <= kept; ++p) {
        r.Bytes(row, static_cast<qint64>(rowSize));
        uint8_t* target = d.LiftplanRow(p);
        std::copy(row, row + copied, target);
        if (width < 128) {
            // Bits for shafts width+1 .. 8*rowSize, then the bytes after the row.
            for (size_t s = static_cast<size_t>(std::max(width, 0)); s < 8 * copied; ++s)
                target[s / 8] &= static_cast<uint8_t>(~(1u << (s % 8)));
            std::fill(target + copied, target + LiftplanRowBytes, 0);
        }
    }
    r.Skip(static_cast<qint64>(n - kept) * static_cast<qint64>(rowSize));
    d.ClearLiftplan(n + 1);
    return n;
}

void WriteLiftplanBlock(ByteWriter& w, const Draft& d, int width, int picks) {
    picks = std::clamp(picks, 0, MaxPicks);
    const int rowSize = std::min(LiftplanRowSize(width), LiftplanRowBytes);
    w.U16(picks);
    for (int p = 1; p <= picks; ++p) {
        uint8_t row[LiftplanRowBytes];
        std::copy(d.LiftplanRow(p), d.LiftplanRow(p) + LiftplanRowBytes, row);
        // Columns beyond the width are not part of the pattern.
        for (int s = width + 1; s <= 8 * rowSize; ++s)
            row[(s - 1) / 8] &= static_cast<uint8_t>(~(1u << ((s - 1) % 8)));
        w.Bytes(row, rowSize);
    }
}

void ReadExpandBlock(ByteReader& r, Draft& d, bool select) {
    uint8_t block[66];
    r.Bytes(block, 66);
    if (!select) return;
    d.ExpandFactorEnds = block[0];
    d.ExpandFactorPicks = block[1];
    for (int row = 0; row < ExpandUnitSize; ++row) {
        for (int col = 0; col < ExpandUnitSize; ++col) {
            const int bit = col % 8;
            const uint8_t on = block[2 + row * 2 + col / 8];
            const uint8_t off = block[34 + row * 2 + col / 8];
            d.ExpandUnitOn[static_cast<size_t>(row)][static_cast<size_t>(col)] = (on >> bit) & 1;
            d.ExpandUnitOff[static_cast<size_t>(row)][static_cast<size_t>(col)] = (off >> bit) & 1;
        }
    }
}

void WriteExpandBlock(ByteWriter& w, const Draft& d) {
    w.Byte(d.ExpandFactorEnds);
    w.Byte(d.ExpandFactorPicks);
    for (const auto* unit : {&d.ExpandUnitOn, &d.ExpandUnitOff}) {
        for (int row = 0; row < ExpandUnitSize; ++row) {
            int lo = 0, hi = 0;
            for (int col = 0; col < 8; ++col) {
                if ((*unit)[static_cast<size_t>(row)][static_cast<size_t>(col)]) lo |= 1 << col;
                if ((*unit)[static_cast<size_t>(row)][static_cast<size_t>(col + 8)]) hi |= 1 << col;
            }
            w.Byte(lo);
            w.Byte(hi);
        }
    }
}

void ReadPaletteBlock(ByteReader& r, Draft& d, bool select) {
    const int n = r.Byte();
    const int entries = n == 0 ? 0 : n + 1;
    uint8_t rgb[PaletteEntries * 3];
    r.Bytes(rgb, entries * 3);
    if (!select || entries == 0) return;
    for (int i = 0; i < entries; ++i)
        for (int k = 0; k < 3; ++k)
            d.PaletteRGB[static_cast<size_t>(i)][static_cast<size_t>(k)] = rgb[i * 3 + k];
    if (n == 14) {
        // An old palette of 64 levels per component.
        for (int i = 0; i <= 14; ++i) {
            for (auto& c : d.PaletteRGB[static_cast<size_t>(i)]) {
                const double v = std::nearbyint(4.0 * c * 1.011);
                c = static_cast<uint8_t>(std::min(v, 255.0));
            }
        }
        d.PaletteRGB[15] = {255, 255, 255};
        d.PaletteRGB[0] = {255, 255, 255};
    }
    d.RebuildPaletteFromRGB();
}

void WritePaletteBlock(ByteWriter& w, const Draft& d) {
    w.Byte(PaletteEntries - 1);
    for (const auto& rgb : d.PaletteRGB) w.Bytes(rgb.data(), 3);
}

void ReadNoteBlock(ByteReader& r, Draft& d, bool select) {
    if (!select) return;
    d.Note.clear();
    const int n = r.U16();
    if (n == 0) return;
    const int count = std::min(n, MaxNoteFileBytes) + 1;
    std::string bytes(static_cast<size_t>(count), '\0');
    r.Bytes(reinterpret_cast<uint8_t*>(bytes.data()), count);
    bytes.resize(bytes.find('\0') == std::string::npos ? bytes.size() : bytes.find('\0'));
    d.Note = NoteFromFileBytes(bytes);
}

void WriteNoteBlock(ByteWriter& w, const Draft& d) {
    std::string bytes = NoteToFileBytes(d.Note);
    if (bytes.size() > static_cast<size_t>(MaxNoteBytes)) bytes.resize(MaxNoteBytes);
    w.U16(static_cast<int>(bytes.size()));
    if (bytes.empty()) return;
    w.Bytes(reinterpret_cast<const uint8_t*>(bytes.data()), static_cast<int>(bytes.size()));
    w.Byte(0);
}

int RoundHalfEven(long num, long den) {
    long q = num / den;
    const long rem = num % den;
    if (2 * rem > den || (2 * rem == den && (q % 2) == 1)) ++q;
    return static_cast<int>(q);
}

void OldCellProportions(Draft& d, int x, int y) {
    const int equal = d.Inches ? 25 : 10;
    const int base = d.Inches ? 12 : 5;
    if (x == y) {
        d.Epi = d.Ppi = equal;
    } else if (y < x) {
        d.Epi = base;
        // A zero proportion would divide by zero; the densest cloth stands in.
        d.Ppi = y == 0 ? 250 : RoundHalfEven(static_cast<long>(base) * x, y);
    } else {
        d.Ppi = base;
        d.Epi = x == 0 ? 250 : RoundHalfEven(static_cast<long>(base) * y, x);
    }
    d.Epi = std::clamp(d.Epi, 2, 250);
    d.Ppi = std::clamp(d.Ppi, 2, 250);
}

} // namespace hm
