#include "files/ui/filecommands.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QTimer>
#include <algorithm>

#include "files/hdmfile.h"
#include "files/hdxfile.h"
#include "files/recentfiles.h"
#include "files/recoverystore.h"
#include "files/ui/blendliftplandialog.h"
#include "files/ui/filecommandhost.h"
#include "files/ui/filecommandtexts.h"
#include "files/ui/loadhdmdialog.h"
#include "files/ui/loadhdxdialog.h"
#include "files/ui/newpatterndialog.h"
#include "files/ui/recentfilesmenu.h"
#include "model/design.h"
#include "model/draft.h"
#include "model/undo.h"
#include "settings/settingsstore.h"
#include "ui/messagebox.h"

namespace hm {

namespace {

constexpr int RecoveryPeriodMs = 3 * 60 * 1000; // a copy every few minutes
constexpr int RecoveryIdleMs = 30 * 1000;       // and once an edit has settled

class BusyCursor {
  public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// Whether a component read would get as far as its dialog: the readers check the
// first bytes before they ask, and report a file they reject without asking.
bool ReachesComponentDialog(const QString& path, FileKind kind) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray head = file.read(3);
    if (head.size() < 3) return false;
    const auto b0 = static_cast<uint8_t>(head[0]);
    const auto version = static_cast<uint8_t>(head[1]);
    auto letter = static_cast<uint8_t>(head[2]);
    if (kind == FileKind::Hdx) return b0 == '|' && letter <= 'd' && version <= 7;
    if (b0 == '{') {
        if (version > 7) letter = 0;
    } else {
        letter = b0;
    }
    if (letter == 'g') letter = 'd';
    return letter == 'd';
}

void UpdateExtentsOf(Draft& d) {
    if (d.DesignMode)
        d.UpdateDesignExtents();
    else
        d.UpdateExtents();
}

// A name the .hdx reader will be chosen for when the file is opened again.
QString WithExtensionFor(const QString& path, FileKind wanted) {
    if (FileKindOf(path) == wanted) return path;
    return path + (wanted == FileKind::Hdm ? QStringLiteral(".hdm") : QStringLiteral(".hdx"));
}

} // namespace

FileCommands::FileCommands(FileCommandHost& host, QObject* parent, const QString& recoveryFolder)
    : QObject(parent), host_(host) {
    InitFileCommandResources();
    recovery_ = std::make_unique<RecoveryStore>(
        recoveryFolder.isEmpty() ? RecoveryStore::DefaultFolder() : recoveryFolder);
    periodic_ = new QTimer(this);
    periodic_->setInterval(RecoveryPeriodMs);
    connect(periodic_, &QTimer::timeout, this, [this] { UpdateRecoveryCopy(); });
    periodic_->start();
    idle_ = new QTimer(this);
    idle_->setSingleShot(true);
    idle_->setInterval(RecoveryIdleMs);
    connect(idle_, &QTimer::timeout, this, [this] { UpdateRecoveryCopy(); });
}

FileCommands::~FileCommands() = default;

// ---------------------------------------------------------------- dialogs

QString FileCommands::ChoosePath(FileDialogKind kind) {
    return chooser_ ? chooser_(kind) : RunFileDialog(kind);
}

QString FileCommands::RunFileDialog(FileDialogKind kind) {
    const bool saving = kind == FileDialogKind::SaveAs || kind == FileDialogKind::SaveHdm;
    QFileDialog dialog(host_.DialogParent());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setDirectory(host_.CurrentFolder());
    switch (kind) {
    case FileDialogKind::Open:
    case FileDialogKind::OpenComponents:
        dialog.setObjectName(QStringLiteral("OpenDialog"));
        dialog.setWindowTitle(kind == FileDialogKind::Open ? FileText("@opentitle")
                                                           : FileText("@idopencomp"));
        dialog.setNameFilters(FileText("@openfilter").split(QStringLiteral(";;")));
        dialog.setDefaultSuffix(QStringLiteral("hdm"));
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        break;
    case FileDialogKind::SaveAs:
        dialog.setObjectName(QStringLiteral("SaveDialog"));
        dialog.setWindowTitle(FileText("@saveastitle"));
        dialog.setNameFilters(FileText("@savefilter").split(QStringLiteral(";;")));
        dialog.setDefaultSuffix(QStringLiteral("hdx"));
        break;
    case FileDialogKind::SaveHdm:
        dialog.setObjectName(QStringLiteral("SaveDialog2"));
        dialog.setWindowTitle(FileText("@savehdmtitle"));
        dialog.setNameFilters(FileText("@savehdmfilter").split(QStringLiteral(";;")));
        dialog.setDefaultSuffix(QStringLiteral("hdm"));
        dialog.setSizeGripEnabled(true);
        break;
    }
    if (saving) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        const QString current = host_.CurrentFile();
        if (!current.isEmpty()) dialog.selectFile(QFileInfo(current).completeBaseName());
    }
    if (dialog.exec() != QDialog::Accepted) return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

void FileCommands::Error(const std::string& text, const QString& suffix) {
    ShowMessageBox(host_.DialogParent(), {MessageKind::Error, text, suffix.toStdString()});
}

// ---------------------------------------------------------------- whole-file reads

ReadResult FileCommands::ReadWhole(const QString& path, FileKind kind) {
    Draft& d = host_.HostDraft();
    if (kind != FileKind::Hdx) return OpenPatternFile(d, path).read;
    // Read as an .hdx file whatever the name says (Revert to Saved).
    d.ClearDraft();
    d.Note.clear();
    ReadResult result = ReadCdPatternFile(d, path, HdxComponents::All());
    UpdateExtentsOf(d);
    FindRepeats(d);
    return result;
}

void FileCommands::StepsAfterWholeRead(const QString& path, FileKind kind,
                                       const ReadResult& result) {
    if (result.generalApplied || kind == FileKind::Picture) host_.LeaveFabricView();
    if (kind == FileKind::Hdx && result.setCurrentFile) {
        host_.SetCurrentFile(path);
    } else {
        // A picture, an .hdm file, or an .hdx file the reader rejected after the
        // draft was cleared: the draft no longer is the current file's content.
        host_.SetCurrentFile(QString());
        host_.SetRevertAvailable(false);
    }
    if (result.addToRecent) AddRecent(path);
    host_.UpdateTitle();
    host_.Update();
    host_.AfterLoad();
    host_.NoteChanged();
    if (!host_.RevertAvailable() && !host_.CurrentFile().isEmpty()) host_.SetRevertAvailable(true);
    host_.SetModified(false);
    ShowMessages(host_.DialogParent(), result.messages);
    host_.UpdateCaptions();
    FinishCurrentFolder();
    UpdateRecoveryCopy();
}

void FileCommands::FinishCurrentFolder() {
    const QString current = host_.CurrentFile();
    if (!current.isEmpty()) host_.SetCurrentFolder(QFileInfo(current).absolutePath());
}

bool FileCommands::OpenWhole(const QString& path, FileKind kind) {
    if (!QFileInfo(path).isFile()) {
        Error("Cannot find ", path);
        return false;
    }
    ReadResult result;
    {
        BusyCursor busy;
        result = ReadWhole(path, kind);
    }
    StepsAfterWholeRead(path, kind, result);
    return !result.HasError();
}

bool FileCommands::OpenPath(const QString& path) {
    return OpenWhole(path, FileKindOf(path));
}

// ---------------------------------------------------------------- commands

bool FileCommands::Open() {
    if (!MaybeSaveChanges()) return false;
    const QString path = ChoosePath(FileDialogKind::Open);
    if (path.isEmpty()) return false;
    return OpenPath(path);
}

bool FileCommands::OpenComponents() {
    const QString path = ChoosePath(FileDialogKind::OpenComponents);
    if (path.isEmpty()) return false;
    return OpenComponentsFrom(path);
}

bool FileCommands::OpenComponentsFrom(const QString& path) {
    Draft& d = host_.HostDraft();
    const FileKind kind = FileKindOf(path);
    if (kind == FileKind::Picture) {
        Error(msg::NoComponentsFromBmp);
        return false;
    }
    if (!QFileInfo(path).isFile()) {
        Error("Cannot find ", path);
        return false;
    }
    QWidget* parent = host_.DialogParent();
    const bool dialogShown = ReachesComponentDialog(path, kind);
    HdmComponents hdm = HdmComponents::None();
    HdxComponents hdx = HdxComponents::None();
    BlendMode blend = BlendMode::None;
    if (dialogShown && kind == FileKind::Hdm) {
        TLoadHdmDlg dialog(d.DesignMode, d.PatternTieupOn, parent);
        connect(&dialog, &TLoadHdmDlg::HelpRequested, this,
                [this] { emit HelpRequested(QStringLiteral("loadcomponents")); });
        const int answer = dialog.exec();
        if (answer == QDialog::Rejected) return false;
        if (answer == TLoadHdmDlg::BlendRequested) {
            TBlendDlg blendDialog(parent);
            if (blendDialog.exec() != QDialog::Accepted) return false;
            blend = blendDialog.Mode();
        } else {
            hdm = dialog.Selection();
        }
    } else if (dialogShown) {
        TLoadHdxDlg dialog(d.PatternThreadingOn, d.ThreadingBOn, d.TreadlingBOn, parent);
        connect(&dialog, &TLoadHdxDlg::HelpRequested, this,
                [this] { emit HelpRequested(QStringLiteral("loadcomponents")); });
        if (dialog.exec() != QDialog::Accepted) return false;
        hdx = dialog.Selection();
    }

    host_.HostUndo().TakeSnapshot(d);
    ReadResult result;
    {
        BusyCursor busy;
        result = kind == FileKind::Hdm ? ReadPatternFile(d, path, hdm, blend)
                                       : ReadCdPatternFile(d, path, hdx);
        UpdateExtentsOf(d);
    }
    host_.Update();
    host_.AfterLoad();
    host_.NoteChanged();
    ShowMessages(parent, result.messages);
    host_.MarkModified();
    host_.MarkUndoAvailable();
    DraftEdited();
    return !result.HasError();
}

bool FileCommands::RevertToSaved() {
    const QString path = host_.CurrentFile();
    if (!host_.RevertAvailable() || path.isEmpty()) return false;
    return OpenWhole(path, FileKind::Hdx);
}

bool FileCommands::OpenRecent(int k) {
    if (k < 1 || k > 5) return false;
    const QString path = host_.HostSettings().values.RecentFiles[static_cast<size_t>(k - 1)];
    if (path.isEmpty()) return false;
    if (!QFileInfo(path).isFile()) {
        Error("Cannot find ", path);
        return false;
    }
    if (!MaybeSaveChanges()) return false;
    return OpenPath(path);
}

bool FileCommands::OpenFromCommandLine(const QStringList& arguments) {
    if (arguments.isEmpty()) return false;
    QString path;
    const QString& first = arguments.first();
    if (first.size() > 3 && QFileInfo(first).isFile()) {
        path = first;
    } else {
        const QString joined = arguments.join(u' ');
        if (joined.size() > 3 && QFileInfo(joined).isFile()) path = joined;
    }
    if (path.isEmpty()) return false;
    return OpenPath(path);
}

bool FileCommands::MaybeSaveChanges() {
    if (!host_.Modified()) return true;
    Message question{MessageKind::ThreeWay, "@globsavepres", {}};
    const QString current = host_.CurrentFile();
    if (!current.isEmpty()) {
        question.text = "@globsavech";
        question.suffix = (u' ' + QFileInfo(current).fileName()).toStdString();
    }
    switch (ShowMessageBox(host_.DialogParent(), question)) {
    case BoxAnswer::Yes:
        return Save();
    case BoxAnswer::No:
        return true;
    case BoxAnswer::Cancel:
        return false;
    }
    return false;
}

bool FileCommands::Save() {
    const QString current = host_.CurrentFile();
    if (current.isEmpty()) return SaveAs();
    return SaveTo(current);
}

bool FileCommands::SaveAs() {
    const QString path = ChoosePath(FileDialogKind::SaveAs);
    if (path.isEmpty()) return false;
    return SaveTo(path);
}

// Writes a file of the given kind: a name of another kind gets the right
// extension (asking before it replaces a file of that name), the writer runs
// under the busy cursor, and a failure is shown. Returns the path written, or
// an empty string.
QString FileCommands::WriteChecked(const QString& chosen, FileKind kind,
                                   const std::function<SaveResult(const QString&)>& write) {
    // A file named like a picture or a file of the other format would be read by
    // the wrong reader when it is opened again.
    const QString path = WithExtensionFor(chosen, kind);
    if (path != chosen && QFileInfo::exists(path) &&
        ShowMessageBox(host_.DialogParent(), {MessageKind::Question, "@replacefile",
                                              (u' ' + path).toStdString()}) != BoxAnswer::Yes)
        return {};
    SaveResult result;
    {
        BusyCursor busy;
        result = write(path);
    }
    if (!result.ok) {
        ShowMessageBox(host_.DialogParent(), result.error);
        return {};
    }
    return path;
}

bool FileCommands::SaveTo(const QString& chosen) {
    const QString path = WriteChecked(chosen, FileKind::Hdx, [this](const QString& p) {
        return WriteCdPatternFile(host_.HostDraft(), p, host_.HostSettings().values.Lagrpos);
    });
    if (path.isEmpty()) return false;
    host_.SetCurrentFile(path);
    host_.SetRevertAvailable(true);
    host_.SetModified(false);
    AddRecent(path);
    host_.UpdateTitle();
    FinishCurrentFolder();
    UpdateRecoveryCopy();
    return true;
}

bool FileCommands::SaveToHdm() {
    const QString path = ChoosePath(FileDialogKind::SaveHdm);
    if (path.isEmpty()) return false;
    return SaveHdmTo(path);
}

bool FileCommands::SaveHdmTo(const QString& chosen) {
    return !WriteChecked(chosen, FileKind::Hdm, [this](const QString& p) {
                return WritePatternFile(host_.HostDraft(), p);
            }).isEmpty();
}

bool FileCommands::NewPattern() {
    if (!MaybeSaveChanges()) return false;
    const SettingsStore& settings = host_.HostSettings();
    TNewPatternDlg dialog(settings.snapshot.Shafts, settings.snapshot.Shed, host_.DialogParent());
    if (dialog.exec() != QDialog::Accepted) return false;
    ApplyNewPattern(dialog.Choice());
    return true;
}

void FileCommands::ApplyNewPattern(const NewPatternChoice& choice) {
    Draft& d = host_.HostDraft();
    SettingsStore& settings = host_.HostSettings();

    d.Ends = std::clamp(choice.ends, 2, MaxEnds);
    d.Picks = std::clamp(choice.picks, 2, MaxPicks);
    d.PatternShafts = std::clamp(choice.shafts, 2, MaxPatternShafts);
    d.LiftplanWidth = d.PatternShafts;
    d.SinkingShed = choice.sinkingShed;
    settings.snapshot.Shed = settings.values.Shed = d.SinkingShed;
    settings.snapshot.Shafts = settings.values.Shafts = d.PatternShafts;

    d.Inches = settings.snapshot.Inches;
    d.DesignMode = host_.NewPatternDesignMode();
    d.LiftplanFromBottom = settings.snapshot.BottomStart;
    d.ThreadingFromRight = settings.snapshot.RightStart;
    d.ShaftOneAtBottom = settings.snapshot.CkoLeftStart;
    d.FabricCompression = false;
    d.Epi = host_.NewPatternEpi();
    d.Ppi = host_.NewPatternPpi();

    if (choice.defaultPalette) {
        d.SetDefaultPaletteRGB();
        d.RebuildPaletteFromRGB();
        host_.PaletteReset();
    }

    d.ClearDraft();
    d.Note.clear();
    UpdateExtentsOf(d);
    host_.NoteChanged();
    host_.SetCurrentFile(QString());
    host_.SetRevertAvailable(false);
    host_.SetModified(false);
    host_.UpdateTitle();

    host_.LeaveFabricView();
    d.ShowThreading = true;
    host_.Update();
    host_.SyncZoomSlider();
    host_.RefreshFabricWindow();
    host_.ResetFillPattern();
    host_.ResetTool();
    host_.UpdateCaptions();
    UpdateRecoveryCopy();
}

// ---------------------------------------------------------------- recent files

RecentFilesMenu* FileCommands::AttachRecentMenu(QMenu* fileMenu, QAction* before) {
    recentMenu_ = new RecentFilesMenu(fileMenu, before);
    connect(recentMenu_, &RecentFilesMenu::OpenRecent, this, [this](int k) { OpenRecent(k); });
    ShowRecentFiles();
    return recentMenu_;
}

void FileCommands::ShowRecentFiles() {
    if (recentMenu_) recentMenu_->Show(host_.HostSettings().values.RecentFiles);
}

void FileCommands::AddRecent(const QString& path) {
    AddRecentFile(host_.HostSettings().values.RecentFiles, path);
    ShowRecentFiles();
    host_.RecentFilesChanged();
}

// ---------------------------------------------------------------- recovery

void FileCommands::DraftEdited() {
    idle_->start();
}

bool FileCommands::UpdateRecoveryCopy() {
    if (!host_.Modified()) {
        if (recovery_->HasCopy()) recovery_->Remove();
        return true;
    }
    // A copy that cannot be written is not worth interrupting the user for; the
    // next attempt follows with the next edit or period.
    return recovery_->Write(host_.HostDraft(), host_.CurrentFile()).ok;
}

void FileCommands::SetRecoveryTiming(int periodMs, int idleMs) {
    periodic_->setInterval(periodMs);
    periodic_->start();
    idle_->setInterval(idleMs);
}

bool FileCommands::OfferRecovery() {
    const std::vector<RecoveryCopy> copies = recovery_->FindOrphans();
    if (copies.empty()) return false;
    const RecoveryCopy& copy = copies.front();
    Message question{MessageKind::Question, "@recoverask", {}};
    if (!copy.originalFile.isEmpty()) {
        question.text = "@recoverfile";
        question.suffix = (u' ' + QFileInfo(copy.originalFile).fileName()).toStdString();
    }
    if (ShowMessageBox(host_.DialogParent(), question) != BoxAnswer::Yes) {
        RecoveryStore::RemoveCopy(copy);
        return false;
    }
    if (!MaybeSaveChanges()) return false;

    ReadResult result;
    {
        BusyCursor busy;
        result = ReadWhole(copy.draftPath, FileKind::Hdx);
    }
    if (result.generalApplied) host_.LeaveFabricView();
    // The restored draft belongs to its own file again, and is not saved there.
    host_.SetCurrentFile(copy.originalFile);
    host_.SetRevertAvailable(!copy.originalFile.isEmpty() && QFileInfo(copy.originalFile).isFile());
    host_.UpdateTitle();
    host_.Update();
    host_.AfterLoad();
    host_.NoteChanged();
    host_.SetModified(true);
    ShowMessages(host_.DialogParent(), result.messages);
    host_.UpdateCaptions();
    FinishCurrentFolder();
    // Keep the work safe under this session before the old copy goes.
    UpdateRecoveryCopy();
    RecoveryStore::RemoveCopy(copy);
    return !result.HasError();
}

void FileCommands::CleanExit() {
    periodic_->stop();
    idle_->stop();
    recovery_->Remove();
}

} // namespace hm
