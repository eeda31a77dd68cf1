#pragma once
// The Transform menu's pattern-shaft commands: Insert, Delete and Switch
// Pattern shafts, and Reduce to one pattern repeat. Each runs its own protocol
// through an edit session and returns whether the draft changed.

namespace hm {

class CommandContext;

bool InsShafts1Click(CommandContext& ctx);
bool DelShafts1Click(CommandContext& ctx);
bool SwitchShafts1Click(CommandContext& ctx);
// Asks whether a longer colour repeat decides (Yes, No, Cancel) after making
// sure there is a pattern in the part of the draft the view reaches.
bool Reducetoonerepeat1Click(CommandContext& ctx);

} // namespace hm
