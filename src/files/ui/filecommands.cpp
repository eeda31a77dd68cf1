#include "files/ui/filecommands.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QTimer>
#include <algorithm>

#include "files/hdmexport.h"
#include "files/hdmfile.h"
#include "files/hdxfile.h"
#include "files/recentfiles.h"
#include "files/recoverystore.h"
#include "files/ui/blendliftplandialog.h"
#include "files/ui/filecommandtexts.h"
#include "files/ui/loadhdmdialog.h"
#include "files/ui/loadhdxdialog.h"
#include "files/ui/newpatterndialog.h"
#include "files/ui/recentfilesmenu.h"
#include "model/design.h"
#include "model/draft.h"
#include "model/undo.h"
#include "settings/settingsstore.h"
#include "ui/busycursor.h"
#include "ui/commandcontext.h"
#include "ui/commandhost.h"

namespace hm {

namespace {

constexpr int RecoveryPeriodMs = 3 * 60 * 1000; // a copy every few minutes
constexpr int RecoveryIdleMs = 30 * 1000;       // and once an edit has settled

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

// A name the right reader will be chosen for when the file is opened again. A
// name that ends in an extension of the program's own files gets the wanted one
// in its place ("twill.hdm" saved as .hdx becomes "twill.hdx"); another name
// keeps its own and gets the wanted one added, unless the .hdx reader is chosen
// for it anyway.
QString WithExtensionFor(const QString& path, FileKind wanted) {
    const QString ext = wanted == FileKind::Hdm   ? QStringLiteral("hdm")
                        : wanted == FileKind::Wif ? QStringLiteral("wif")
                                                  : QStringLiteral("hdx");
    const QFileInfo info(path);
    const QString suffix = info.suffix();
    if (suffix.compare(ext, Qt::CaseInsensitive) == 0) return path;
    static const char* const known[] = {"hdm", "hdx", "hdb", "wif", "bmp"};
    const bool knownSuffix = std::any_of(std::begin(known), std::end(known), [&](const char* k) {
        return suffix.compare(QLatin1String(k), Qt::CaseInsensitive) == 0;
    });
    if (knownSuffix && !info.completeBaseName().isEmpty())
        return path.chopped(suffix.size() + 1) + u'.' + ext;
    if (FileKindOf(path) == wanted) return path;
    return path + u'.' + ext;
}

} // namespace

FileCommands::FileCommands(CommandContext& ctx, QObject* parent, const QString& recoveryFolder)
    : QObject(parent), ctx_(ctx) {
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
    const bool saving = kind == FileDialogKind::SaveAs || kind == FileDialogKind::SaveHdm ||
                        kind == FileDialogKind::SaveWif;
    QFileDialog dialog(ctx_.dialogParent);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setDirectory(ctx_.doc.CurrentFolder);
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
    case FileDialogKind::SaveWif:
        dialog.setObjectName(QStringLiteral("SaveDialog3"));
        dialog.setWindowTitle(FileText("@savewiftitle"));
        dialog.setNameFilters(FileText("@savewiffilter").split(QStringLiteral(";;")));
        dialog.setDefaultSuffix(QStringLiteral("wif"));
        break;
    }
    if (saving) {
        // The name may get another extension before it is written; the question
        // before replacing a file comes with the name that is written.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        const QString current = ctx_.doc.CurrentFile;
        if (!current.isEmpty()) dialog.selectFile(QFileInfo(current).completeBaseName());
    }
    if (ctx_.Exec(dialog) != QDialog::Accepted) return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

void FileCommands::Error(const std::string& text, const QString& suffix) {
    ctx_.Ask({MessageKind::Error, text, suffix.toStdString()});
}

void FileCommands::ShowFilesHelp() {
    ctx_.host.ShowHelp(QStringLiteral("files.html"));
}

// ---------------------------------------------------------------- whole-file reads

ReadResult FileCommands::ReadWhole(const QString& path, FileKind kind) {
    Draft& d = ctx_.draft;
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
    if (result.generalApplied || kind == FileKind::Picture) ctx_.host.LeaveFabricView();
    if (kind == FileKind::Hdx && result.setCurrentFile) {
        ctx_.doc.CurrentFile = path;
    } else {
        // A picture, an .hdm file, or an .hdx file the reader rejected after the
        // draft was cleared: the draft no longer is the current file's content.
        ctx_.doc.CurrentFile = QString();
        ctx_.doc.RevertAvailable = false;
    }
    if (result.addToRecent) AddRecent(path);
    ctx_.host.UpdateTitle();
    ctx_.host.Update();
    ctx_.host.AfterLoad();
    ctx_.host.NoteChanged();
    if (!ctx_.doc.RevertAvailable && !ctx_.doc.CurrentFile.isEmpty())
        ctx_.doc.RevertAvailable = true;
    ctx_.doc.Modified = false;
    ctx_.Show(result.messages);
    ctx_.host.UpdateCaptions();
    FinishCurrentFolder();
    UpdateRecoveryCopy();
}

void FileCommands::FinishCurrentFolder() {
    const QString current = ctx_.doc.CurrentFile;
    if (!current.isEmpty()) ctx_.doc.CurrentFolder = QFileInfo(current).absolutePath();
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
    Draft& d = ctx_.draft;
    const FileKind kind = FileKindOf(path);
    if (kind == FileKind::Picture) {
        Error(msg::NoComponentsFromBmp);
        return false;
    }
    if (!QFileInfo(path).isFile()) {
        Error("Cannot find ", path);
        return false;
    }
    if (kind == FileKind::Wif) return OpenWifComponentsFrom(path);
    QWidget* parent = ctx_.dialogParent;
    const bool dialogShown = ReachesComponentDialog(path, kind);
    HdmComponents hdm = HdmComponents::None();
    HdxComponents hdx = HdxComponents::None();
    BlendMode blend = BlendMode::None;
    if (dialogShown && kind == FileKind::Hdm) {
        TLoadHdmDlg dialog(d.DesignMode, d.PatternTieupOn, parent);
        connect(&dialog, &TLoadHdmDlg::HelpRequested, this, [this] { ShowFilesHelp(); });
        const int answer = ctx_.Exec(dialog);
        if (answer == QDialog::Rejected) return false;
        if (answer == TLoadHdmDlg::BlendRequested) {
            TBlendDlg blendDialog(parent);
            if (ctx_.Exec(blendDialog) != QDialog::Accepted) return false;
            blend = blendDialog.Mode();
        } else {
            hdm = dialog.Selection();
        }
    } else if (dialogShown) {
        TLoadHdxDlg dialog(d.PatternThreadingOn, d.ThreadingBOn, d.TreadlingBOn, parent);
        connect(&dialog, &TLoadHdxDlg::HelpRequested, this, [this] { ShowFilesHelp(); });
        if (ctx_.Exec(dialog) != QDialog::Accepted) return false;
        hdx = dialog.Selection();
    }

    return ReadComponents([&](Draft& draft) {
        return kind == FileKind::Hdm ? ReadPatternFile(draft, path, hdm, blend)
                                     : ReadCdPatternFile(draft, path, hdx);
    });
}

bool FileCommands::ReadComponents(const std::function<ReadResult(Draft&)>& read) {
    Draft& d = ctx_.draft;
    ctx_.undo.TakeSnapshot(d);
    ReadResult result;
    {
        BusyCursor busy;
        result = read(d);
        UpdateExtentsOf(d);
    }
    ctx_.host.Update();
    ctx_.host.AfterLoad();
    ctx_.host.NoteChanged();
    ctx_.Show(result.messages);
    ctx_.host.MarkModified();
    ctx_.host.MarkUndoAvailable();
    DraftEdited();
    return !result.HasError();
}

bool FileCommands::RevertToSaved() {
    const QString path = ctx_.doc.CurrentFile;
    if (!ctx_.doc.RevertAvailable || path.isEmpty()) return false;
    return OpenWhole(path, FileKind::Hdx);
}

bool FileCommands::OpenRecent(int k) {
    if (k < 1 || k > 5) return false;
    const QString path = ctx_.settings.values.RecentFiles[static_cast<size_t>(k - 1)];
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
    if (!ctx_.doc.Modified) return true;
    Message question{MessageKind::ThreeWay, "@globsavepres", {}};
    const QString current = ctx_.doc.CurrentFile;
    if (!current.isEmpty()) {
        question.text = "@globsavech";
        question.suffix = (u' ' + QFileInfo(current).fileName()).toStdString();
    }
    switch (ctx_.Ask(question)) {
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
    const QString current = ctx_.doc.CurrentFile;
    if (current.isEmpty()) return SaveAs();
    return SaveTo(current);
}

bool FileCommands::SaveAs() {
    const QString path = ChoosePath(FileDialogKind::SaveAs);
    if (path.isEmpty()) return false;
    return WriteHdx(path, ReplaceQuestion::Always);
}

// Writes a file of the given kind: a name of another kind gets the right
// extension, the question comes before an existing file is replaced (always for
// a name from the file dialog, which itself would ask about the name as typed),
// the writer runs under the busy cursor, and a failure is shown. Returns the
// path written, or an empty string.
QString FileCommands::WriteChecked(const QString& chosen, FileKind kind, ReplaceQuestion ask,
                                   const std::function<SaveResult(const QString&)>& write) {
    // A file named like a picture or a file of the other format would be read by
    // the wrong reader when it is opened again.
    const QString path = WithExtensionFor(chosen, kind);
    if ((path != chosen || ask == ReplaceQuestion::Always) && QFileInfo::exists(path) &&
        ctx_.Ask({MessageKind::Question, "@replacefile", (u' ' + path).toStdString()}) !=
            BoxAnswer::Yes)
        return {};
    SaveResult result;
    {
        BusyCursor busy;
        result = write(path);
    }
    if (!result.ok) {
        ctx_.Ask(result.error);
        return {};
    }
    return path;
}

bool FileCommands::SaveTo(const QString& chosen) {
    return WriteHdx(chosen, ReplaceQuestion::WhenRenamed);
}

bool FileCommands::WriteHdx(const QString& chosen, ReplaceQuestion ask) {
    const QString path = WriteChecked(chosen, FileKind::Hdx, ask, [this](const QString& p) {
        return WriteCdPatternFile(ctx_.draft, p, ctx_.settings.values.Lagrpos);
    });
    if (path.isEmpty()) return false;
    ctx_.doc.CurrentFile = path;
    ctx_.doc.RevertAvailable = true;
    ctx_.doc.Modified = false;
    AddRecent(path);
    ctx_.host.UpdateTitle();
    FinishCurrentFolder();
    UpdateRecoveryCopy();
    return true;
}

bool FileCommands::SaveToHdm() {
    const QString path = ChoosePath(FileDialogKind::SaveHdm);
    if (path.isEmpty()) return false;
    return WriteHdm(path, ReplaceQuestion::Always);
}

bool FileCommands::SaveHdmTo(const QString& chosen) {
    return WriteHdm(chosen, ReplaceQuestion::WhenRenamed);
}

// The .hdm file holds only the pattern level; a draft whose cloth needs more is
// written as its cloth, or, when that needs more than 128 pattern shafts, with
// its pattern level alone once the user agrees to lose the ground.
bool FileCommands::WriteHdm(const QString& chosen, ReplaceQuestion ask) {
    HdmExportPlan plan;
    {
        BusyCursor busy;
        plan = PlanHdmExport(ctx_.draft);
    }
    const bool losesGround = plan.LosesGround();
    if (losesGround && ctx_.Ask(HdmLoseGroundQuestion()) != BoxAnswer::Yes) return false;
    const HdmGroundLoss loss = losesGround ? HdmGroundLoss::Accept : HdmGroundLoss::Refuse;
    Messages notices;
    const QString path =
        WriteChecked(chosen, FileKind::Hdm, ask, [this, &plan, loss, &notices](const QString& p) {
            HdmExportResult result = ExportPatternFile(ctx_.draft, plan, p, loss);
            notices = std::move(result.notices);
            return result.saved;
        });
    if (path.isEmpty()) return false;
    ctx_.Show(notices);
    return true;
}

bool FileCommands::NewPattern() {
    if (!MaybeSaveChanges()) return false;
    const SettingsStore& settings = ctx_.settings;
    TNewPatternDlg dialog(settings.snapshot.Shafts, settings.snapshot.Shed, ctx_.dialogParent);
    if (ctx_.Exec(dialog) != QDialog::Accepted) return false;
    ApplyNewPattern(dialog.Choice());
    return true;
}

void FileCommands::ApplyNewPattern(const NewPatternChoice& choice) {
    Draft& d = ctx_.draft;
    SettingsStore& settings = ctx_.settings;

    d.Ends = std::clamp(choice.ends, 2, MaxEnds);
    d.Picks = std::clamp(choice.picks, 2, MaxPicks);
    d.PatternShafts = std::clamp(choice.shafts, 2, MaxPatternShafts);
    d.LiftplanWidth = d.PatternShafts;
    d.SinkingShed = choice.sinkingShed;
    settings.snapshot.Shed = settings.values.Shed = d.SinkingShed;
    settings.snapshot.Shafts = settings.values.Shafts = d.PatternShafts;

    d.Inches = settings.snapshot.Inches;
    d.DesignMode = ctx_.doc.NewPattern.DesignMode;
    d.LiftplanFromBottom = settings.snapshot.BottomStart;
    d.ThreadingFromRight = settings.snapshot.RightStart;
    d.ShaftOneAtBottom = settings.snapshot.CkoLeftStart;
    d.FabricCompression = false;
    d.Epi = ctx_.doc.NewPattern.Epi;
    d.Ppi = ctx_.doc.NewPattern.Ppi;

    if (choice.defaultPalette) {
        d.SetDefaultPaletteRGB();
        d.RebuildPaletteFromRGB();
        ctx_.host.PaletteChanged();
        ctx_.host.SetCurrentColor(6);
    }

    d.ClearDraft();
    d.Note.clear();
    UpdateExtentsOf(d);
    ctx_.host.NoteChanged();
    ctx_.doc.CurrentFile = QString();
    ctx_.doc.RevertAvailable = false;
    ctx_.doc.Modified = false;
    ctx_.host.UpdateTitle();

    ctx_.host.LeaveFabricView();
    d.ShowThreading = true;
    ctx_.host.Update();
    ctx_.host.SyncZoomSlider();
    ctx_.host.RefreshFabricWindow();
    ctx_.host.ResetFillPattern();
    ctx_.host.ResetTool();
    ctx_.host.UpdateCaptions();
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
    if (recentMenu_) recentMenu_->Show(ctx_.settings.values.RecentFiles);
}

void FileCommands::AddRecent(const QString& path) {
    AddRecentFile(ctx_.settings.values.RecentFiles, path);
    ShowRecentFiles();
    ctx_.host.RecentFilesChanged();
}

// ---------------------------------------------------------------- recovery

void FileCommands::DraftEdited() {
    idle_->start();
}

bool FileCommands::UpdateRecoveryCopy() {
    if (!ctx_.doc.Modified) {
        if (recovery_->HasCopy()) recovery_->Remove();
        return true;
    }
    // A copy that cannot be written is not worth interrupting the user for; the
    // next attempt follows with the next edit or period.
    return recovery_->Write(ctx_.draft, ctx_.doc.CurrentFile).ok;
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
    if (ctx_.Ask(question) != BoxAnswer::Yes) {
        RecoveryStore::RemoveCopy(copy);
        return false;
    }
    if (!MaybeSaveChanges()) return false;

    ReadResult result;
    {
        BusyCursor busy;
        result = ReadWhole(copy.draftPath, FileKind::Hdx);
    }
    if (result.generalApplied) ctx_.host.LeaveFabricView();
    // The restored draft belongs to its own file again, and is not saved there.
    ctx_.doc.CurrentFile = copy.originalFile;
    ctx_.doc.RevertAvailable =
        !copy.originalFile.isEmpty() && QFileInfo(copy.originalFile).isFile();
    ctx_.host.UpdateTitle();
    ctx_.host.Update();
    ctx_.host.AfterLoad();
    ctx_.host.NoteChanged();
    ctx_.doc.Modified = true;
    ctx_.Show(result.messages);
    ctx_.host.UpdateCaptions();
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
