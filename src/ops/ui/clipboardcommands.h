#pragma once
// The Edit menu's clipboard commands over the selection of the mouse tools:
// Cut, Copy, Paste, Paste Special, Delete, Crop and Select and Copy. Each runs
// its own undo and repaint steps (no wrapper in the command table), since the
// checks before a paste must not leave a mark when they refuse.

class QObject;

namespace hm {

class CommandContext;

bool EditCopyItemClick(CommandContext& ctx);
bool EditCutItemClick(CommandContext& ctx);
bool EditPasteItemClick(CommandContext& ctx);
bool EditPasteSpecial1Click(CommandContext& ctx);
// With a selection: deletes or clears it; without: the end or pick under the mouse.
bool EditDeleteClick(CommandContext& ctx);
bool Crop1Click(CommandContext& ctx);
bool SelectCopy1Click(CommandContext& ctx);

// Follows the system clipboard from now on (a ClipboardWatcher registered in the
// context): the menu's enabling and copies made by another running copy.
void InstallClipboardWatcher(CommandContext& ctx, QObject* parent);
// Opening a file forgets the kind of the last copy: Paste Special then refuses
// until something is copied again.
void ForgetClipboardKind(CommandContext& ctx);

} // namespace hm
