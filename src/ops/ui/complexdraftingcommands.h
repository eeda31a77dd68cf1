#pragma once
// The complex-drafting commands of the Transform menu.

namespace hm {

class CommandContext;

// "Expand Pattern...": in Draft mode may first offer to save ("@mestran"),
// then the expand dialog with its preview; on OK the factors are stored.
// Wrapper W2.
bool Translate1Click(CommandContext& ctx);
// "Insert in Pattern threading...": the insert-at-interval dialog with its
// preview. Wrapper W2.
bool InsertThreading1Click(CommandContext& ctx);
// "Straight Pattern threading" and "Reanalyze Pattern" ask first and take the
// undo snapshot, repaint and mark the draft only when they change it; they
// need no wrapper.
bool StraightThreading1Click(CommandContext& ctx);
bool Reanalyze1Click(CommandContext& ctx);

} // namespace hm
