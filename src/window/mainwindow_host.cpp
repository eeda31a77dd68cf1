// The main window's side of the command context: the operations handlers call
// through CommandHost.

#include <QAction>
#include <QDir>
#include <QFileInfo>

#include "fabric/ui/colorselector.h"
#include "fabric/ui/fabriccommands.h"
#include "fabric/ui/fabricwindow.h"
#include "fabric/ui/palettewindow.h"
#include "files/ui/filecommands.h"
#include "ops/repeatdialogrules.h"
#include "ops/ui/clipboardcommands.h"
#include "settings/basemultilang.h"
#include "settings/settingsstore.h"
#include "tools/ui/mousetools.h"
#include "view/ui/draftview.h"
#include "window/mainwindow.h"
#include "window/noteswindow.h"
#include "window/statusline.h"
#include "window/windowcommands.h"

namespace hm {

// ---------------------------------------------------------------- painting

void TWform::Update() {
    if (!draftView_) return;
    // A full clear of the drawing area ends the selection.
    DropSelection();
    draftView_->setDesignGridStyle(settings_->values.DesignGrid);
    draftView_->Update();
    UpdateViewChecks();
}

void TWform::RepaintDraft() {
    if (!draftView_) return;
    draftView_->RepaintDraft();
    UpdateViewChecks();
}

void TWform::ClearAndRepaint() {
    if (!draftView_) return;
    DropSelection();
    draftView_->ClearAndRepaint();
    UpdateViewChecks();
}

// ---------------------------------------------------------------- undo and modified

void TWform::TakeUndoSnapshot() {
    undo_.TakeSnapshot(*draft_);
}

void TWform::MarkUndoAvailable() {
    undo_.MarkChanged();
    if (QAction* a = Action("EditUndoItem")) a->setEnabled(true);
}

void TWform::DisableUndo() {
    undo_.UndoAvailable = false;
    if (QAction* a = Action("EditUndoItem")) a->setEnabled(false);
}

void TWform::MarkModified() {
    RefreshFabricWindow();
    SetModified();
}

void TWform::SetModified() {
    doc_.Modified = true;
    if (fileCommands_) fileCommands_->DraftEdited();
}

void TWform::RefreshFabricWindow() {
    hm::RefreshFabricWindow(*context_);
}

// ---------------------------------------------------------------- selection and tools

bool TWform::HasSelection() const {
    return tools_ && tools_->HasSelection();
}

void TWform::DropSelection() {
    if (tools_) tools_->DropSelection();
}

void TWform::ResetTool() {
    view_.SelectionTool = false;
    DropSelection();
    if (QAction* a = Action(view_.LineOn ? "LineSpeedButton" : "PenSpeedButton"))
        a->setChecked(true);
    if (draftView_) draftView_->unsetCursor();
    if (statusLine_) statusLine_->SetPanelText(0, {});
}

void TWform::EraseMarks(ViewArea area) {
    if (tools_) tools_->EraseMarks(area);
}

void TWform::ResetFillPattern() {
    // The Repeat dialog's values live in the context for the whole run.
    hm::ResetFillPattern(context_->Own<RepeatDialogValues>());
}

// ---------------------------------------------------------------- what the window shows

void TWform::UpdateTitle() {
    ShowTitle();
    // The fabric window is called by the pattern's name.
    if (TFabwindow* fabric = context_->Find<TFabwindow>()) fabric->SetCaption();
}

void TWform::ShowTitle() {
    static const QString app = QStringLiteral("Heddlemark CD");
    if (doc_.CurrentFile.isEmpty()) {
        doc_.CurrentName.clear();
        setWindowTitle(app);
        applicationTitle_ = app;
        return;
    }
    const QFileInfo fi(doc_.CurrentFile);
    doc_.CurrentName = fi.completeBaseName();
    applicationTitle_ = doc_.CurrentName + QStringLiteral(" - ") + app;
    QString path;
    if (width() < 1000) {
        path = fi.fileName();
    } else {
        path = QDir::toNativeSeparators(doc_.CurrentFile);
        if (path.size() > 99) {
            const int at = path.indexOf(QStringLiteral("Documents and Settings"));
            if (at >= 0) path.replace(at, 22, QStringLiteral("Doc..."));
            if (path.size() > 99) path = fi.fileName();
        }
    }
    setWindowTitle(app + QStringLiteral(" - ") + path);
}

void TWform::AfterLoad() {
    ForgetClipboardKind(*context_);
    if (draftView_) draftView_->unsetCursor();
    SetZoomSlider(draft_->Zoom);
    RefreshFabricWindow();
    PaletteChanged();
    UpdateNoteButton();
}

void TWform::NoteChanged() {
    // The notes window shows the draft's note again (it keeps its text while the
    // user is the one who changed it), and the button shows whether there is one.
    if (TNoteForm* notes = context_->Find<TNoteForm>()) notes->LoadFromDraft();
    UpdateNoteButton();
}

void TWform::UpdateNoteButton() {
    QAction* a = Action("ToolButtonNote");
    if (!a) return;
    const bool hasText = QString::fromStdString(draft_->Note).size() >= 6;
    a->setIcon(QIcon(hasText ? QStringLiteral(":/icons/notetext.svg")
                             : QStringLiteral(":/icons/note.svg")));
}

void TWform::PaletteChanged() {
    if (colorSelector_) colorSelector_->Refresh();
    if (TPalWin* palette = context_->Find<TPalWin>()) palette->Rebuild();
}

void TWform::SetCurrentColor(int index) {
    view_.CurrentColor = std::clamp(index, 0, PaletteEntries - 1);
    if (colorSelector_) colorSelector_->SetCurrentColor(view_.CurrentColor);
    if (TPalWin* palette = context_->Find<TPalWin>()) palette->ShowCurrentColor(view_.CurrentColor);
}

void TWform::LeaveFabricView() {
    if (!view_.FabricView) return;
    view_.FabricView = false;
    SetZoomSlider(draft_->Zoom);
}

void TWform::RecentFilesChanged() {
    ShowRecentFiles();
    UpdateMenuState();
}

void TWform::LanguageChanged() {
    if (statusLine_) statusLine_->UpdatePanelWidths();
    UpdateCaptions();
    ShowRecentFiles();
    UpdateMenuState();
    UpdateTitle();
    ShowRanges();
    OnLaidOut();
}

void TWform::ShowStatus(int panel, const QString& text) {
    if (statusLine_) statusLine_->SetPanelText(panel, text);
}

// ---------------------------------------------------------------- window-level steps

bool TWform::SaveAs() {
    return fileCommands_ && fileCommands_->SaveAs();
}

void TWform::ShowHelp(const QString& page) {
    ShowHelpPage(*context_, page);
}

} // namespace hm
