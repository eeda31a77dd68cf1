// The main window's side of the mouse tools and keyboard input: it creates the
// tools over its draft view, answers their questions from its own state, and
// opens the Keyboard Input window from the Edit menu.

#include <QAction>

#include "tools/ui/keyboardinput.h"
#include "tools/ui/mousetools.h"
#include "view/ui/draftview.h"
#include "window/mainwindow.h"
#include "window/statusline.h"

namespace hm {

void TWform::BuildMouseTools() {
    ToolHooks h;
    h.lineOn = [this] { return view_.LineOn; };
    h.selectionTool = [this] { return view_.SelectionTool; };
    h.fabricView = [this] { return view_.FabricView; };
    h.expertMode = [this] { return view_.ExpertMode; };
    h.currentColor = [this] { return view_.CurrentColor; };
    h.pickColor = [this](int index) { SetCurrentColor(index); };
    h.buttonHeld = [this](bool held) { view_.MouseButtonDown = held; };
    h.takeSnapshot = [this] { TakeUndoSnapshot(); };
    h.markModified = [this] { MarkModified(); };
    h.markUndoAvailable = [this] { MarkUndoAvailable(); };
    h.showCellInfo = [this](int kind, int a, int b) { ShowCellInfo(kind, a, b); };
    h.showSelectionSize = [this](int kind, int a, int b) { ShowSelectionSize(kind, a, b); };
    h.selectionToLine = [this] {
        view_.LineOn = true;
        ResetTool();
        UpdateMenuState();
    };
    h.confirm = [this](const Message& m) { return Ask(m) == 1; };
    tools_ = new MouseTools(draftView_, std::move(h), this);
}

bool TWform::HasSelection() const {
    return tools_ && tools_->HasSelection();
}

void TWform::DropSelection() {
    if (tools_) tools_->DropSelection();
}

bool TWform::InsertAtMouse() {
    return tools_ && tools_->InsertAtMouse();
}

bool TWform::EditDeleteClick() {
    // With a selection, Delete clears it; that command comes with the clipboard.
    if (HasSelection() || !tools_) return false;
    return tools_->DeleteAtMouse();
}

void TWform::OpenKeyboardInput(int mode) {
    // Only the Draft view shows the grids (the shortcuts reach here in any view).
    if (!draftView_ || draft_->DesignMode || view_.FabricView || view_.MouseButtonDown) return;
    if (mode < 1 || mode > 5) return;
    ResetTool();
    DisableUndo();
    TEdKeyForm form(draftView_, static_cast<EntryMode>(mode), this);
    form.exec();
}

bool TWform::KeyThreadingClick() {
    OpenKeyboardInput(1);
    return false;
}
bool TWform::KeyatrClick() {
    OpenKeyboardInput(2);
    return false;
}
bool TWform::KeyTieupClick() {
    OpenKeyboardInput(3);
    return false;
}
bool TWform::KeyTreadlingClick() {
    OpenKeyboardInput(4);
    return false;
}
bool TWform::KeyasghovlClick() {
    OpenKeyboardInput(5);
    return false;
}

} // namespace hm
