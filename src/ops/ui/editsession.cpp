#include "ops/ui/editsession.h"

#include <QCursor>

#include "model/draft.h"
#include "model/undo.h"
#include "ui/busycursor.h"
#include "ui/commandcontext.h"
#include "ui/commandhost.h"

namespace hm {

EditSession::EditSession(CommandContext& ctx, bool recordUndo)
    : ctx_(ctx), kept_(std::make_unique<const Draft>(ctx.draft)), recordUndo_(recordUndo),
      undoWasAvailable_(ctx.undo.UndoAvailable) {}

EditSession::~EditSession() {
    Cancel();
}

StructureChange EditSession::Run(const Operation& op) {
    BusyCursor busy;
    return op(ctx_.draft);
}

void EditSession::Restore() {
    ctx_.draft = *kept_;
}

void EditSession::Repaint(bool layout) {
    if (layout)
        ctx_.host.Update();
    else
        ctx_.host.RepaintDraft();
}

void EditSession::Preview(const Operation& op) {
    const bool earlierLayout = previewLayout_;
    Restore();
    const StructureChange change = Run(op);
    previewShown_ = true;
    previewLayout_ = change.layout;
    // Counts changed by an earlier preview need a new layout on the way back too.
    Repaint(change.layout || earlierLayout);
}

bool EditSession::Apply(const Operation& op) {
    Restore();
    return Commit(Run(op));
}

bool EditSession::ApplyMore(const Operation& op) {
    return Commit(Run(op));
}

bool EditSession::Commit(const StructureChange& change) {
    const bool layout = change.layout || previewLayout_;
    if (change.changed) {
        if (recordUndo_ && !snapshotTaken_) {
            ctx_.undo.TakeSnapshot(*kept_);
            snapshotTaken_ = true;
        }
        // The repaint disables Undo, so Undo is made available after it.
        Repaint(layout);
        ctx_.host.MarkModified();
        if (recordUndo_)
            ctx_.host.MarkUndoAvailable();
        else
            ctx_.host.DisableUndo();
    } else if (previewShown_) {
        Repaint(layout); // the kept draft is back: show it
        if (undoWasAvailable_) ctx_.host.MarkUndoAvailable();
    }
    previewShown_ = previewLayout_ = false;
    ctx_.Show(change.messages);
    return change.changed;
}

void EditSession::Cancel() {
    if (!previewShown_) return;
    Restore();
    Repaint(previewLayout_);
    previewShown_ = previewLayout_ = false;
    // Only the repaint touched Undo; its snapshot is still the one from before.
    if (undoWasAvailable_) ctx_.host.MarkUndoAvailable();
}

} // namespace hm
