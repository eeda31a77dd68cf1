#pragma once
// The dialogs of the insert, delete and switch commands, run over the command
// context: shared by the Utilities menu (ends, picks, treadles) and the
// Transform menu (pattern shafts). Each returns whether the draft changed; the
// protocol of snapshot, repaint, Modified and Undo is the edit session's.

#include "ops/structurecommands.h"

namespace hm {

class CommandContext;

// Draft mode: the insert/delete dialog with its previews; Cancel leaves the
// draft, Modified and Undo as they were.
bool RunInsertDeleteDialog(CommandContext& ctx, InsertDeleteKind kind);

// The number-pair dialog for a command, starting from the remembered numbers
// and storing them on OK. The Design-mode insert and delete of ends and picks
// take no undo snapshot.
bool RunNumberPairDialog(CommandContext& ctx, NumberPairCommand command);

// The switch dialog: every press of "Switch" exchanges at once and stores the
// numbers; one undo snapshot serves all presses.
bool RunSwitchDialog(CommandContext& ctx, NumberPairCommand command);

// Insert or delete ends or picks as the mode asks: the number-pair dialog on
// the design picture in Design mode, else the insert/delete dialog.
bool RunEndsPicksDialog(CommandContext& ctx, InsertDeleteKind kind);

} // namespace hm
