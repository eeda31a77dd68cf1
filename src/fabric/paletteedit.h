#pragma once
// Edits of palette entries: one colour from the colour chooser, and the colour
// editor's Switch, Copy, Blend and row buttons. Each keeps Palette and
// PaletteRGB in step and returns whether any entry changed. Indices are palette
// indices 0..255; out-of-range indices change nothing.

#include <QRgb>
#include <cstdint>
#include <optional>

#include "model/draft.h"
#include "model/message.h"

namespace hm {

bool IsPaletteIndex(int index);

// A palette entry takes a colour (0x00BBGGRR), as after OK in the colour chooser.
bool SetPaletteColour(Draft& d, int index, uint32_t colour);
// The colour chooser works in QRgb: the start colour of an entry, and a chosen
// colour as the draft stores it.
QRgb PaletteEntryRgb(const Draft& d, int index);
uint32_t PaletteColourFromRgb(QRgb rgb);

// Entries i and j exchange their colours. The yarns keep their indices, so the
// cloth shows the two colours exchanged. Nothing when i == j.
bool SwitchPaletteEntries(Draft& d, int i, int j);
// Entry `to` takes the colour of entry `from`. Nothing when they are equal.
bool CopyPaletteEntry(Draft& d, int from, int to);
// The entries strictly between i and j (either order) become an even blend of
// the two ends, each channel rounded to the nearest whole number, halves to
// even. Nothing when fewer than two entries apart.
bool BlendPaletteEntries(Draft& d, int i, int j);

// The editor's row buttons work on grid rows of the shown palette: 8 entries
// with 64 colours, 16 with 256. With 16 colours there are none.
inline constexpr int PaletteRowButtons = 7; // rows 1..7 against row 0
bool PaletteRowButtonsShown(int paletteSize);
// Grid row 0 and grid row `row` (1..7) exchange their colours.
bool ExchangePaletteRows(Draft& d, int paletteSize, int row);
// Grid row `row` (1..7) takes the colours of grid row 0.
bool CopyTopPaletteRow(Draft& d, int paletteSize, int row);
// The question asked before CopyTopPaletteRow ("Copy top line?", OK/Cancel);
// none when warnings are switched off.
std::optional<Message> CopyTopRowQuestion(bool expertMode);

} // namespace hm
