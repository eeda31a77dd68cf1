#pragma once
// The File menu's open and save commands: Open, Open Components, Revert to Saved,
// the recent files, the command-line open, Save, Save As, Save to hdm-file, Save
// as WIF and New, with the question to save a modified draft before it is replaced, and
// recovery copies of a modified draft. The main window creates one FileCommands
// over its command context and registers it there; the File menu's handlers
// (filemenu.h) find it through the context.

#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>

#include "files/openfile.h"
#include "files/patternio.h"
#include "files/savefile.h"

class QAction;
class QMenu;
class QTimer;

namespace hm {

class CommandContext;
class RecentFilesMenu;
class RecoveryStore;
struct NewPatternChoice;

// The file dialogs the commands show.
enum class FileDialogKind {
    Open,           // File > Open
    OpenComponents, // File > Open Components
    SaveAs,         // .hdx
    SaveHdm,        // Save to hdm-file
    SaveWif,        // Save as WIF
};

class FileCommands : public QObject {
    Q_OBJECT
  public:
    // recoveryFolder: where recovery copies live; empty for the program's data folder.
    explicit FileCommands(CommandContext& ctx, QObject* parent = nullptr,
                          const QString& recoveryFolder = {});
    ~FileCommands() override;

    // ---- menu commands; each returns whether it went through ----
    bool Open();
    bool OpenComponents();
    bool RevertToSaved();
    bool OpenRecent(int k); // k = 1..5
    // Parameters after the program name. The first one names the file; when it is
    // not an existing file (a path with blanks split up), all of them joined by
    // single blanks are tried. Nothing is said when no file is found.
    bool OpenFromCommandLine(const QStringList& arguments);
    bool Save();
    bool SaveAs();
    bool SaveToHdm();
    bool SaveToWif();
    bool NewPattern();
    // When the draft is modified: "Save changes to <file>?" with Yes (save first;
    // false when the save is cancelled or fails), No and Cancel (false).
    bool MaybeSaveChanges();

    // ---- the same without the file dialogs ----
    // A whole-file read by the file's kind, with every window step after it.
    bool OpenPath(const QString& path);
    bool OpenComponentsFrom(const QString& path);
    // Writes the .hdx file; the path becomes the current file.
    bool SaveTo(const QString& path);
    // Export > Save to hdm-file: the cloth as a liftplan when the pattern level
    // cannot hold it (with a notice), and the question before the ground level
    // would be lost.
    bool SaveHdmTo(const QString& path);
    // Exports a WIF file; the draft stays modified or not and keeps its current file.
    bool SaveWifTo(const QString& path);
    void ApplyNewPattern(const NewPatternChoice& choice);

    // ---- the recent-file items ----
    // Adds the five items (and their separator) to the File menu.
    RecentFilesMenu* AttachRecentMenu(QMenu* fileMenu, QAction* before = nullptr);
    RecentFilesMenu* RecentMenu() const { return recentMenu_; }
    void ShowRecentFiles();

    // ---- recovery ----
    // The draft changed: a copy is written once it has been idle for a while.
    void DraftEdited();
    // Offers to restore the copy left by a program that ended without a clean
    // exit; call once the window is shown. Returns whether a copy was restored.
    bool OfferRecovery();
    // A clean exit: this session's copy is removed.
    void CleanExit();
    // Writes (modified draft) or removes (unmodified) this session's copy now.
    bool UpdateRecoveryCopy();
    void SetRecoveryTiming(int periodMs, int idleMs);
    RecoveryStore& Recovery() { return *recovery_; }

    // Replaces the file dialogs (tools and tests); an empty path means Cancel.
    using PathChooser = std::function<QString(FileDialogKind kind)>;
    void SetPathChooser(PathChooser chooser) { chooser_ = std::move(chooser); }

  private:
    // Whether the question comes before replacing any existing file, or only
    // one whose name the extension changed into.
    enum class ReplaceQuestion { WhenRenamed, Always };
    QString ChoosePath(FileDialogKind kind);
    QString WriteChecked(const QString& chosen, FileKind kind, ReplaceQuestion ask,
                         const std::function<SaveResult(const QString&)>& write);
    bool WriteHdx(const QString& chosen, ReplaceQuestion ask);
    bool WriteHdm(const QString& chosen, ReplaceQuestion ask);
    bool WriteWif(const QString& chosen, ReplaceQuestion ask);
    QString RunFileDialog(FileDialogKind kind);
    ReadResult ReadWhole(const QString& path, FileKind kind);
    void StepsAfterWholeRead(const QString& path, FileKind kind, const ReadResult& result);
    bool OpenWhole(const QString& path, FileKind kind);
    bool OpenWifComponentsFrom(const QString& path);
    // A component read into the draft as one undoable edit, with its messages.
    bool ReadComponents(const std::function<ReadResult(Draft&)>& read);
    void AddRecent(const QString& path);
    void Error(const std::string& text, const QString& suffix = {});
    void ShowFilesHelp();
    void FinishCurrentFolder();

    CommandContext& ctx_;
    RecentFilesMenu* recentMenu_ = nullptr;
    std::unique_ptr<RecoveryStore> recovery_;
    QTimer* periodic_ = nullptr;
    QTimer* idle_ = nullptr;
    PathChooser chooser_;
};

} // namespace hm
