#pragma once
// One palette colour through the platform colour chooser: the palette window's
// double click, Yarn > Color Dialog, and the colour panels of the dialogs.

#include <cstdint>
#include <optional>

namespace hm {

class CommandContext;

// Opens the colour chooser on the colour of entry `index` and returns the colour
// chosen (0x00BBGGRR), or nothing when the user cancels.
std::optional<uint32_t> ChoosePaletteColour(CommandContext& ctx, int index);

// Chooses a new colour for entry `index`; on OK the entry takes it (Palette and
// PaletteRGB), the palette window and the colour selector show it, and the draft
// is repainted and marked changed. Returns whether the user chose a colour.
bool EditPaletteColour(CommandContext& ctx, int index);

} // namespace hm
