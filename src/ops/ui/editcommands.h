#pragma once
// The Edit menu's commands over the draft itself: Undo, Clear All and the
// areas of the Clear submenu.

#include "view/draftlayout.h"

namespace hm {

class CommandContext;

// Edit > Undo: restores the snapshot once. The restored draft counts as an edit.
bool EditUndoItemClick(CommandContext& ctx);
// Edit > Clear > All: the whole draft and its note; the draft no longer comes
// from a file.
bool ClearAllClick(CommandContext& ctx);

// The areas of Edit > Clear other than All and Colors: a threading, treadling,
// tie-up or the liftplan. Each runs under the clear wrapper.
bool ClearArea(CommandContext& ctx, ViewArea area);
template <ViewArea Area> bool ClearAreaClick(CommandContext& ctx) {
    return ClearArea(ctx, Area);
}
// Edit > Clear > Colors: the warp and weft colours.
bool ClearColorsClick(CommandContext& ctx);

} // namespace hm
