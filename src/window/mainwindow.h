#pragma once
// The main window (TWform): owns the draft, the undo store, the view and document
// state and every auxiliary window; builds its menus and tool bar from the command
// table and turns menu items, buttons, keys, scrolling and zooming into calls on
// the parts that do the work.

#include <QHash>
#include <QLocale>
#include <QMainWindow>
#include <QPointer>
#include <QRect>
#include <QStringList>
#include <functional>
#include <memory>

#include "files/ui/filecommandhost.h"
#include "model/draft.h"
#include "model/message.h"
#include "model/undo.h"
#include "ui/commandwrappers.h"
#include "window/commandtable.h"

class QAction;
class QActionGroup;
class QComboBox;
class QCursor;
class QLabel;
class QMenu;
class QScrollBar;
class QSlider;
class QToolBar;
class QToolButton;

namespace hm {

class ColorSelector;
class DraftView;
class FileCommands;
class HelpBrowser;
class MouseTools;
class SettingsStore;
class StatusLine;
class TAboutBox;
class TMultiLang;
class TNoteForm;
class TTipForm;

// What the window is told about its surroundings at start-up. The defaults read
// the real system; tests give their own.
struct StartupEnvironment {
    QRect screen;         // available geometry of the primary screen
    QString settingsFile; // empty: the user's settings store
    QLocale::Language systemLanguage = QLocale::system().language();
    QStringList arguments;   // command-line parameters after the program name
    QString documentsFolder; // the user's documents folder
    QString recoveryFolder;  // empty: recovery copies in the program's data folder
    static StartupEnvironment FromSystem();
};

// Document state.
struct DocumentState {
    bool Modified = false;
    QString CurrentFile;
    QString CurrentName;
    QString CurrentFolder;
    bool RevertAvailable = false;
};

// View state beside the draft's own (Zoom, FabricZoom, offsets, DesignMode,
// ShowThreading and ShowPatternThreading live in the draft).
struct ViewState {
    bool FabricView = false;
    int FabricKind = 0; // 0 Fabric, 1 Drapery, 2 Interlacement
    int InterlacementZoom = 11;
    int VisibleEnds = 0;
    int VisiblePicks = 0;
    bool LineOn = true;
    bool SelectionTool = false;
    int CurrentColor = 0;
    bool FabricWindowOn = false;
    bool PaletteWindowOn = false;
    bool NoteOpened = false;
    bool ExpertMode = false;
    bool FirstShow = true;
    bool PaintedOnce = false;
    bool ZoomEventsOn = true;
    bool MouseButtonDown = false;
};

// Answers to the questions the window asks; tests replace them.
struct MessageAnswers {
    // Shows a message box of m.kind; returns 1 Yes/OK, 2 No, 3 Cancel.
    std::function<int(const Message& m, const QString& text)> ask;
};

class TWform : public QMainWindow, public CommandHost, public FileCommandHost {
    Q_OBJECT
  public:
    explicit TWform(QWidget* parent = nullptr);
    explicit TWform(const StartupEnvironment& env, QWidget* parent = nullptr);
    ~TWform() override;

    Draft& draft() { return *draft_; }
    UndoStore& undo() { return undo_; }
    DocumentState& doc() { return doc_; }
    ViewState& view() { return view_; }
    DraftView* draftView() { return draftView_; }
    SettingsStore& settings() { return *settings_; }
    QAction* Action(const QString& name) const { return actions_.value(name); }
    QMenu* Menu(const QString& name) const { return menus_.value(name); }
    StatusLine* statusLine() const { return statusLine_; }
    ColorSelector* colorSelector() const { return colorSelector_; }
    FileCommands* fileCommands() const { return fileCommands_; }
    // The page margins in thousandths of an inch: left, top, right, bottom.
    const int* PageMargins() const { return pageMargins_; }
    // The application's title ("<name> - Heddlemark CD").
    QString ApplicationTitle() const { return applicationTitle_; }
    // Replaces the message boxes (tests answer them).
    void SetMessageAnswers(MessageAnswers answers);
    // Save As, run when a question offers to save first; returns whether it saved.
    void SetSaveAs(std::function<bool()> saveAs) { saveAs_ = std::move(saveAs); }

    // ---- operations other parts call ----
    void Update() override;
    void RepaintDraft() override;
    void ClearAndRepaint() override;
    void MarkModified() override;
    void MarkUndoAvailable() override;
    void TakeUndoSnapshot() override;
    void RefreshFabricWindow() override;
    bool HasSelection() const override;
    void ResetTool() override;
    void EraseMarks(ViewArea area) override;
    void AfterLoad();
    void UpdateTitle();
    void UpdateCaptions();
    void UpdateMenuState();
    void DisableUndo();
    void ShowRanges();
    void ShowCellInfo(int kind, int a, int b);
    void ShowSelectionSize(int kind, int a, int b);
    CommandState CurrentCommandState() const;
    // The text of a "@" key: the window's own table first, then the shared ones.
    QString Text(const QString& key) const;

    // ---- views ----
    void SwitchToDraft();
    void SwitchToDesign();
    void SwitchToFabricView(int kind);
    // The keys S, M, L, P, D; returns whether the key was used.
    bool HandleToolKey(int key);
    // Zoom slider moved (also by code).
    void ZoomChanged(int position);
    void SetZoomSlider(int value);
    // End of a scroll of either bar.
    void HorizontalScrollEnded();
    void VerticalScrollEnded();
    void SetLanguage(int language);
    void ApplyCountsAfterOptions(const struct DraftCounts& before);

    // ---- FileCommandHost: what the open and save commands need ----
    Draft& HostDraft() override { return *draft_; }
    UndoStore& HostUndo() override { return undo_; }
    SettingsStore& HostSettings() override { return *settings_; }
    bool Modified() const override { return doc_.Modified; }
    void SetModified(bool modified) override { doc_.Modified = modified; }
    QString CurrentFile() const override { return doc_.CurrentFile; }
    void SetCurrentFile(const QString& path) override;
    QString CurrentFolder() const override { return doc_.CurrentFolder; }
    void SetCurrentFolder(const QString& folder) override { doc_.CurrentFolder = folder; }
    bool RevertAvailable() const override { return doc_.RevertAvailable; }
    void SetRevertAvailable(bool available) override;
    void LeaveFabricView() override;
    void RecentFilesChanged() override;
    bool NewPatternDesignMode() const override { return newPatternDesignMode_; }
    int NewPatternEpi() const override { return newPatternEpi_; }
    int NewPatternPpi() const override { return newPatternPpi_; }
    void PaletteReset() override;
    void SyncZoomSlider() override;
    void ResetFillPattern() override {}
    void NoteChanged() override;
    QWidget* DialogParent() override { return this; }

    // ---- command handlers (named after their items) ----
    bool FileOpenItemClick();
    bool OpenSelected1Click();
    bool FileSaveItemClick();
    bool FileSaveAsItemClick();
    bool Heddlemark34Click();
    bool ReverttoSaved1Click();
    bool New1Click();
    template <int K> bool OpenRecentClick(); // the recent-file items menyfil1..5
    bool FileExitItemClick();
    bool PageSetup1Click();
    bool EditUndoItemClick();
    bool CopyImage1Click();
    bool ClearAllClick();
    bool ClearPatternThreading();
    bool ClearLiftplan();
    bool ClearThreadingA();
    bool ClearTreadlingA();
    bool ClearThreadingB();
    bool ClearTreadlingB();
    bool ClearTieupAA();
    bool ClearTieupAB();
    bool ClearTieupBA();
    bool ClearTieupBB();
    bool ClearColors();
    bool Draft1Click();
    bool Design1Click();
    bool ShowThreading1Click();
    bool VisaMonstersolvning1Click();
    bool ColorDialogItemClick();
    bool Options2Click();
    bool SaveSettings1Click();
    bool English1Click();
    bool Deutsch1Click();
    bool Svensk1Click();
    bool Suomi1Click();
    bool Zoom1Click();
    bool Note1Click();
    bool ToolButtonNoteClick();
    bool HelpContentsItemClick();
    bool HelpAboutItemClick();
    bool PenSpeedButtonClick();
    bool LineSpeedButtonClick();
    bool SelectSpeedButtonClick();

    // ---- mouse tools and keyboard input (mainwindow_tools.cpp) ----
    MouseTools* mouseTools() const { return tools_; }
    // Edit > Keyboard Input: F2 pattern threading (1), F6 treadling A (2), F4 tie-up
    // AA (3), F3 liftplan (4), F5 threading A (5).
    void OpenKeyboardInput(int mode);
    bool KeyThreadingClick();
    bool KeyTreadlingClick();
    bool KeyTieupClick();
    bool KeyasghovlClick();
    bool KeyatrClick();
    // Edit > Delete (Del): without a selection, the end or pick under the mouse.
    bool EditDeleteClick();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void StartUp(const StartupEnvironment& env);
    void PlaceWindow(const QRect& screen);
    void BuildCommands();
    void BuildToolBar();
    void BuildCentralArea();
    void BuildStatusLine();
    void RunCommand(const Command& c);
    void OnLaidOut();
    void UpdateScrollBars();
    void UpdateZoomLabel();
    void UpdateNoteButton();
    void ShowTipOfDay();
    void UpdateViewChecks();
    int Ask(const Message& m);
    int Ask(MessageKind kind, const QString& key, const QString& suffix = {});
    void WriteWindowState();
    void ScrollEnded(bool horizontal);
    bool ClearWith(const std::function<void()>& clear);
    void SetCurrentColor(int index);
    void BuildColorSelector();
    QCursor SelectionCursor() const;
    TNoteForm* NoteForm();
    void BuildMouseTools();
    void BuildFileCommands();
    void ShowRecentFiles();
    void DropSelection();
    bool InsertAtMouse();

    StartupEnvironment env_;
    std::unique_ptr<Draft> draft_;
    UndoStore undo_;
    std::unique_ptr<SettingsStore> settings_;
    DocumentState doc_;
    ViewState view_;
    MessageAnswers answers_;
    std::function<bool()> saveAs_;

    DraftView* draftView_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QSlider* slideBar_ = nullptr;
    QLabel* zPanel_ = nullptr;
    ColorSelector* colorSelector_ = nullptr;
    QScrollBar* scrollH_ = nullptr;
    QScrollBar* scrollV_ = nullptr;
    QWidget* panelSch_ = nullptr;
    QWidget* panelScv_ = nullptr;
    StatusLine* statusLine_ = nullptr;
    TMultiLang* multiLang_ = nullptr;
    QHash<QString, QAction*> actions_;
    QHash<QString, QMenu*> menus_;
    QHash<QString, QActionGroup*> groups_;
    bool hadCommandLine_ = false;
    bool newPatternDesignMode_ = false; // the New dialog's default mode
    QString applicationTitle_;
    int pageMargins_[4] = {1000, 1000, 1000, 1000}; // left, top, right, bottom, 1/1000 inch

    QPointer<TNoteForm> noteForm_;
    QPointer<HelpBrowser> helpBrowser_;
    MouseTools* tools_ = nullptr;
    FileCommands* fileCommands_ = nullptr;
    // Densities a new pattern takes: those last confirmed in Options while "Save
    // Settings on Exit" was checked.
    int newPatternEpi_ = 25;
    int newPatternPpi_ = 25;
};

} // namespace hm
