#include "fabric/paletteedit.h"

#include <cmath>
#include <utility>

#include "fabric/palettegrid.h"

namespace hm {

namespace {

size_t At(int index) {
    return static_cast<size_t>(index);
}

// Nearest whole number, halves to the even neighbour.
double RoundHalfEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction > 0.5) return below + 1;
    if (fraction < 0.5) return below;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

// Returns whether the two colours differed.
bool SwapEntries(Draft& d, int i, int j) {
    std::swap(d.Palette[At(i)], d.Palette[At(j)]);
    std::swap(d.PaletteRGB[At(i)], d.PaletteRGB[At(j)]);
    return d.Palette[At(i)] != d.Palette[At(j)];
}

// Rows work only where the grid has buttons and the row lies in the grid.
bool ValidRow(int paletteSize, int row) {
    return PaletteRowButtonsShown(paletteSize) && row >= 1 && row <= PaletteRowButtons;
}

} // namespace

bool IsPaletteIndex(int index) {
    return index >= 0 && index < PaletteEntries;
}

bool SetPaletteColour(Draft& d, int index, uint32_t colour) {
    if (!IsPaletteIndex(index)) return false;
    colour &= 0xFFFFFF;
    const bool changed = d.Palette[At(index)] != colour;
    d.Palette[At(index)] = colour;
    d.StorePaletteEntryToRGB(index);
    return changed;
}

QRgb PaletteEntryRgb(const Draft& d, int index) {
    if (!IsPaletteIndex(index)) return qRgb(255, 255, 255);
    const uint32_t c = d.Palette[At(index)];
    return qRgb(ColorRed(c), ColorGreen(c), ColorBlue(c));
}

uint32_t PaletteColourFromRgb(QRgb rgb) {
    return MakeColor(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

bool SwitchPaletteEntries(Draft& d, int i, int j) {
    if (!IsPaletteIndex(i) || !IsPaletteIndex(j) || i == j) return false;
    return SwapEntries(d, i, j);
}

bool CopyPaletteEntry(Draft& d, int from, int to) {
    if (!IsPaletteIndex(from) || !IsPaletteIndex(to) || from == to) return false;
    return SetPaletteColour(d, to, d.Palette[At(from)]);
}

bool BlendPaletteEntries(Draft& d, int i, int j) {
    if (!IsPaletteIndex(i) || !IsPaletteIndex(j)) return false;
    const int lo = std::min(i, j);
    const int hi = std::max(i, j);
    const int span = hi - lo;
    if (span < 2) return false;
    const auto low = d.PaletteRGB[At(lo)];
    const auto high = d.PaletteRGB[At(hi)];
    const auto before = d.PaletteRGB;
    for (int k = 1; k < span; ++k) {
        auto& rgb = d.PaletteRGB[At(lo + k)];
        for (size_t x = 0; x < 3; ++x) {
            const double step = RoundHalfEven(k * double(high[x] - low[x]) / span);
            rgb[x] = static_cast<uint8_t>(low[x] + static_cast<int>(step));
        }
    }
    d.RebuildPaletteFromRGB();
    return d.PaletteRGB != before;
}

bool PaletteRowButtonsShown(int paletteSize) {
    return ValidPaletteSize(paletteSize) != PaletteSize16;
}

bool ExchangePaletteRows(Draft& d, int paletteSize, int row) {
    if (!ValidRow(paletteSize, row)) return false;
    const int width = PaletteGridColumns(paletteSize);
    bool changed = false;
    for (int c = 0; c < width; ++c) changed |= SwapEntries(d, c, row * width + c);
    return changed;
}

bool CopyTopPaletteRow(Draft& d, int paletteSize, int row) {
    if (!ValidRow(paletteSize, row)) return false;
    const int width = PaletteGridColumns(paletteSize);
    bool changed = false;
    for (int c = 0; c < width; ++c) changed |= CopyPaletteEntry(d, c, row * width + c);
    return changed;
}

std::optional<Message> CopyTopRowQuestion(bool expertMode) {
    if (expertMode) return std::nullopt;
    return Message{MessageKind::Confirmation, "@kopiertop", {}};
}

} // namespace hm
