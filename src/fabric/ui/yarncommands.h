#pragma once
// The Yarn menu's handlers.

namespace hm {

class CommandContext;

// Yarn > Edit Colors (and its tool button): the colour editor; afterwards the
// palette window shows the palette and the size the editor left.
bool EditColors1Click(CommandContext& ctx);
// Yarn > Color Palette (and its tool button): shows or closes the palette window.
bool ColorWindow1Click(CommandContext& ctx);
// Yarn > Color Dialog: the current palette entry in the system colour dialog.
bool ColorDialogItemClick(CommandContext& ctx);

} // namespace hm
