#pragma once
// The before and after steps that every command changing the draft follows. The
// window implements CommandHost; the wrappers only call it, so their order of
// steps can be checked without a window.

#include <functional>

#include "view/draftlayout.h"

namespace hm {

class CommandHost {
  public:
    virtual ~CommandHost() = default;
    virtual void TakeUndoSnapshot() = 0;
    // Sets the undo-available flag and enables Edit > Undo.
    virtual void MarkUndoAvailable() = 0;
    // Refreshes the fabric window and sets Modified.
    virtual void MarkModified() = 0;
    // Layout, clear, full repaint.
    virtual void Update() = 0;
    // Full repaint without layout.
    virtual void RepaintDraft() = 0;
    // Clear the drawing area and paint it again, without layout.
    virtual void ClearAndRepaint() = 0;
    virtual void RefreshFabricWindow() = 0;
    virtual bool HasSelection() const = 0;
    virtual void ResetTool() = 0;
    // Erases the marks of one threading or treadling area.
    virtual void EraseMarks(ViewArea area) = 0;
};

enum class WrapperKind {
    None, // the handler does every step itself
    W1,   // direct edit
    W2,   // dialog edit
    W3,   // generator
    WC,   // clear
    W2Plus,
};

// W1: snapshot, operation, MarkModified (or Update when asked), Undo available.
void RunW1(CommandHost& host, const std::function<void()>& operation, bool update = false);
// W2: the dialog takes its own snapshot when it applies; returns whether it did.
void RunW2(CommandHost& host, const std::function<bool()>& dialog);
// W2+: W2 with a snapshot taken before the dialog. With markAlways, Undo is made
// available whether or not the dialog applied a change.
void RunW2Plus(CommandHost& host, const std::function<bool()>& dialog, bool markAlways = false);
// W3: snapshot, drop a selection, erase the target's marks, generate and fill,
// RepaintDraft, MarkModified, Undo available.
void RunW3(CommandHost& host, ViewArea target, const std::function<void()>& generate);
// WC: snapshot, clear, repaint without layout, refresh the fabric window and mark
// the draft modified (a cleared area is an edit like any other), Undo available.
void RunWC(CommandHost& host, const std::function<void()>& clear);

} // namespace hm
