#pragma once
// The tool bar's tool buttons (pen, line, selection), Delete at the mouse, and
// the Keyboard Input items of the Edit menu.

class QCursor;

namespace hm {

class CommandContext;

bool PenSpeedButtonClick(CommandContext& ctx);
bool LineSpeedButtonClick(CommandContext& ctx);
bool SelectSpeedButtonClick(CommandContext& ctx);
// Insert at the mouse (the Insert key); returns whether the draft changed.
bool InsertAtMouse(CommandContext& ctx);

// Edit > Keyboard Input: F2 pattern threading (1), F6 treadling A (2), F4 tie-up
// AA (3), F3 liftplan (4), F5 threading A (5). Only the Draft view shows the
// grids it edits.
void OpenKeyboardInput(CommandContext& ctx, int mode);
template <int Mode> bool KeyboardInputClick(CommandContext& ctx) {
    OpenKeyboardInput(ctx, Mode);
    return false;
}

// The cursor of the selection tool.
QCursor SelectionCursor();

// Registers the tools' resources (Keyboard Input's table, the selection cursor),
// which are compiled into the widget library.
void InitToolResources();

} // namespace hm
