#pragma once
// One undo level: a snapshot of the draft arrays taken just before a command
// changes them. No allocation happens at snapshot time.

#include <memory>

#include "model/draft.h"

namespace hm {

class UndoStore {
  public:
    UndoStore();
    ~UndoStore();
    UndoStore(const UndoStore&) = delete;
    UndoStore& operator=(const UndoStore&) = delete;

    // Copies the Design-mode set when d.DesignMode, else the Draft-mode set.
    // Does not touch UndoAvailable.
    void TakeSnapshot(const Draft& d);
    void RestoreSnapshot(Draft& d) const;
    // The Draft-mode set, regardless of DesignMode (the Repeat dialog's preview).
    void TakeDraftSnapshot(const Draft& d);
    void RestoreDraftSnapshot(Draft& d) const;

    // A command completed: Undo may restore its snapshot.
    void MarkChanged() { UndoAvailable = true; }
    // Edit > Undo: restores the snapshot once; returns whether anything was restored.
    bool Undo(Draft& d);

    bool UndoAvailable = false;

  private:
    struct Store;
    std::unique_ptr<Store> store_;
};

} // namespace hm
