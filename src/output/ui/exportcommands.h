#pragma once
// File > Export's pictures: Save Fabric as PNG-image, Save Drawdown as
// BMP-image and Save Draft as PNG-image. Each asks for its numbers, then for a
// file, and writes the file whole or not at all.

namespace hm {

class CommandContext;

bool PNG1Click(CommandContext& ctx);                 // Save Fabric as PNG-image...
bool BMP1Click(CommandContext& ctx);                 // Save Drawdown as BMP-image...
bool SaveDraftasPNGimage1Click(CommandContext& ctx); // Save Draft as PNG-image...

} // namespace hm
