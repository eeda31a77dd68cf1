#pragma once
// The Yarn menu's handlers.

namespace hm {

class CommandContext;

// Yarn > Color Dialog: the current palette entry in the system colour dialog.
bool ColorDialogItemClick(CommandContext& ctx);

} // namespace hm
