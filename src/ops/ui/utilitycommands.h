#pragma once
// The Utilities menu: Tromp as Writ, Make Symmetrical, Insert and Delete (ends,
// picks, treadles), Wrap Liftplan, the reversals, Tie-up Special and Switch
// Treadles. Each handler runs its own protocol through an edit session (the
// command table gives them no wrapper) and returns whether the draft changed.

#include "ops/mirror.h"
#include "ops/structurecommands.h"

namespace hm {

class CommandContext;

bool Trompaswrit1Click(CommandContext& ctx);

bool MakeSymmetrical(CommandContext& ctx, MirrorTarget target);
template <MirrorTarget Target> bool MakeSymmetricalClick(CommandContext& ctx) {
    return MakeSymmetrical(ctx, Target);
}

// Ends and picks: the design picture's number-pair dialog in Design mode, else
// the insert/delete dialog.
bool InsertDelete(CommandContext& ctx, InsertDeleteKind kind);
template <InsertDeleteKind Kind> bool InsertDeleteClick(CommandContext& ctx) {
    return InsertDelete(ctx, Kind);
}
bool InsTreadles1Click(CommandContext& ctx);
bool DelTreadles1Click(CommandContext& ctx);

// Wrap Liftplan: the whole liftplan, or the selection when it lies in the liftplan.
bool WrapLiftplan1Click(CommandContext& ctx);

bool ReverseTieups1Click(CommandContext& ctx);
bool Reverse1Click(CommandContext& ctx);      // Reverse Liftplan
bool ReverseOrder1Click(CommandContext& ctx); // Reverse Weft Order

// The tie-up special effects; the check marks are remembered for the run when
// the dialog closes with OK.
bool TieUpSpecial1Click(CommandContext& ctx);

bool SwitchTreadles1Click(CommandContext& ctx);

} // namespace hm
