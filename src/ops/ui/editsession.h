#pragma once
// One edit of the draft by a structure command, from the moment its dialog
// opens (or its menu item runs) until it is applied or abandoned. The session
// keeps the draft as it was at the start:
//   - a preview starts again from that draft, so previews never accumulate;
//   - applying starts from it too, and only a change that happened takes the
//     undo snapshot (of the kept draft), marks the draft modified and makes
//     Undo available, so a refused operation leaves Undo as it was;
//   - cancelling brings the kept draft back and leaves the Modified flag and
//     Undo as they were before the session.
// Repaints follow the change: a new layout when counts changed, else a repaint.

#include <functional>
#include <memory>

#include "ops/structurechange.h"

namespace hm {

class CommandContext;
class Draft;

class EditSession {
  public:
    using Operation = std::function<StructureChange(Draft&)>;

    // recordUndo false: the edit takes no undo snapshot (Design-mode insert and
    // delete of ends and picks); Undo is then disabled after a change, since
    // the snapshot it would restore is older than this edit.
    explicit EditSession(CommandContext& ctx, bool recordUndo = true);
    ~EditSession();
    EditSession(const EditSession&) = delete;
    EditSession& operator=(const EditSession&) = delete;

    // Back to the kept draft, then the operation, then a repaint. Its messages
    // are not shown.
    void Preview(const Operation& op);
    // Back to the kept draft, then the operation; commits what it changed and
    // shows its messages. Returns whether the draft changed.
    bool Apply(const Operation& op);
    // The operation on top of what earlier calls applied (each press of a
    // switch dialog's button); one undo snapshot serves the whole session.
    bool ApplyMore(const Operation& op);
    // Back to the kept draft when a preview changed it, with a repaint.
    void Cancel();

  private:
    void Restore();
    void Repaint(bool layout);
    bool Commit(const StructureChange& change);
    StructureChange Run(const Operation& op);

    CommandContext& ctx_;
    std::unique_ptr<const Draft> kept_;
    bool recordUndo_;
    bool undoWasAvailable_;
    bool previewShown_ = false;  // the draft differs from the kept one by a preview
    bool previewLayout_ = false; // that preview changed counts
    bool snapshotTaken_ = false;
};

} // namespace hm
