#include "ops/ui/editcommands.h"

#include "model/draft.h"
#include "model/undo.h"
#include "ui/commandcontext.h"
#include "ui/commandhost.h"
#include "view/viewareas.h"

namespace hm {

bool EditUndoItemClick(CommandContext& ctx) {
    if (!ctx.undo.UndoAvailable) return false;
    if (!ctx.undo.Undo(ctx.draft)) return false;
    ctx.host.DisableUndo();
    ctx.host.Update();
    // The draft now differs from what was loaded or saved, even where Clear All
    // had cleared the modified mark: the restored content must not be lost
    // silently by Close, New or Open.
    ctx.host.MarkModified();
    ctx.host.NoteChanged();
    return true;
}

bool ClearAllClick(CommandContext& ctx) {
    ctx.host.TakeUndoSnapshot();
    ctx.draft.ClearAll();
    // The draft no longer comes from a file.
    ctx.doc.CurrentFile.clear();
    ctx.doc.RevertAvailable = false;
    ctx.doc.Modified = false;
    ctx.host.UpdateTitle();
    ctx.host.Update();
    ctx.host.RefreshFabricWindow();
    ctx.host.NoteChanged();
    ctx.host.ResetTool();
    ctx.host.MarkUndoAvailable();
    return true;
}

bool ClearArea(CommandContext& ctx, ViewArea area) {
    Draft& d = ctx.draft;
    if (IsTieupArea(area)) {
        d.ClearTieups(static_cast<int>(TieupOfArea(area)));
        return true;
    }
    switch (area) {
    case ViewArea::PatternThreading:
        d.ClearPatternThreading(1);
        break;
    case ViewArea::ThreadingA:
        d.ClearThreadingA(1);
        break;
    case ViewArea::ThreadingB:
        d.ClearThreadingB(1);
        break;
    case ViewArea::Liftplan:
        d.ClearLiftplan(1);
        break;
    case ViewArea::TreadlingA:
        d.ClearTreadlingA(1);
        break;
    case ViewArea::TreadlingB:
        d.ClearTreadlingB(1);
        break;
    default:
        return false;
    }
    return true;
}

bool ClearColorsClick(CommandContext& ctx) {
    ctx.draft.ClearWarpColors(1);
    ctx.draft.ClearWeftColors(1);
    ctx.host.PaletteChanged();
    return true;
}

} // namespace hm
