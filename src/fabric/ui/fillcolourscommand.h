#pragma once
// Fill > Colors...: the fill-colours dialog.

namespace hm {

class CommandContext;

// Runs the dialog under an undo snapshot taken as it opens; Undo is available
// after it closes, whatever it did. Returns whether it filled anything.
bool WarpColors2Click(CommandContext& ctx);

} // namespace hm
