// The main window's side of the open and save commands: the host the file
// commands work through, the File menu handlers and the recent-file items.

#include <QAction>
#include <QMenu>

#include "fabric/ui/colorselector.h"
#include "files/recentfiles.h"
#include "files/ui/filecommands.h"
#include "files/ui/recentfilesmenu.h"
#include "settings/settingsstore.h"
#include "window/helpbrowser.h"
#include "window/mainwindow.h"
#include "window/noteswindow.h"

namespace hm {

void TWform::BuildFileCommands() {
    fileCommands_ = new FileCommands(*this, this, env_.recoveryFolder);
    connect(fileCommands_, &FileCommands::HelpRequested, this, [this](const QString&) {
        HelpContentsItemClick();
        if (helpBrowser_) helpBrowser_->ShowPage(QStringLiteral("files.html"));
    });
    // "Yes" to a question that offers to save first runs Save As.
    SetSaveAs([this] { return fileCommands_->SaveAs(); });
}

// ---- the host ----

void TWform::SetCurrentFile(const QString& path) {
    doc_.CurrentFile = path;
    UpdateTitle(); // also derives CurrentName
}

void TWform::SetRevertAvailable(bool available) {
    doc_.RevertAvailable = available;
    if (QAction* a = Action("ReverttoSaved1")) a->setEnabled(available);
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

void TWform::PaletteReset() {
    if (colorSelector_) colorSelector_->Refresh();
    SetCurrentColor(6);
}

void TWform::SyncZoomSlider() {
    SetZoomSlider(draft_->Zoom);
}

void TWform::NoteChanged() {
    if (noteForm_) noteForm_->LoadFromDraft();
    UpdateNoteButton();
}

// Captions of the recent-file items: "&k " and the entry's display name.
void TWform::ShowRecentFiles() {
    const auto& list = settings_->values.RecentFiles;
    for (int k = 1; k <= RecentFileCount; ++k)
        if (QAction* a = Action(QStringLiteral("menyfil%1").arg(k)))
            a->setText(RecentMenuCaption(k, list[static_cast<size_t>(k - 1)]));
}

// ---- File menu handlers ----

bool TWform::FileOpenItemClick() {
    return fileCommands_->Open();
}
bool TWform::OpenSelected1Click() {
    return fileCommands_->OpenComponents();
}
bool TWform::FileSaveItemClick() {
    return fileCommands_->Save();
}
bool TWform::FileSaveAsItemClick() {
    return fileCommands_->SaveAs();
}
bool TWform::Heddlemark34Click() {
    return fileCommands_->SaveToHdm();
}
bool TWform::ReverttoSaved1Click() {
    return fileCommands_->RevertToSaved();
}
bool TWform::New1Click() {
    return fileCommands_->NewPattern();
}
template <int K> bool TWform::OpenRecentClick() {
    return fileCommands_->OpenRecent(K);
}

template bool TWform::OpenRecentClick<1>();
template bool TWform::OpenRecentClick<2>();
template bool TWform::OpenRecentClick<3>();
template bool TWform::OpenRecentClick<4>();
template bool TWform::OpenRecentClick<5>();

} // namespace hm
