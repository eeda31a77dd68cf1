#pragma once
// The main window (TWform): owns the draft, the undo store, the view and document
// state and the command context over them; builds its menus and tool bar from
// the command table and runs each command's handler with that context; turns
// scrolling, zooming, keys and the status line into calls on the parts that do
// the work. The handlers themselves live beside their subsystems.

#include <QHash>
#include <QLocale>
#include <QMainWindow>
#include <QRect>
#include <QStringList>
#include <functional>
#include <memory>

#include "fabric/fabriclayout.h"
#include "model/draft.h"
#include "model/message.h"
#include "model/undo.h"
#include "ui/commandcontext.h"
#include "ui/commandhost.h"
#include "ui/windowstate.h"
#include "window/commandtable.h"

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QScrollBar;
class QSlider;
class QToolBar;

namespace hm {

class ColorSelector;
class DraftView;
class FileCommands;
class MouseTools;
class SettingsStore;
class StatusLine;
class TMultiLang;

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

// Answers to the questions the window asks; tests replace them.
struct MessageAnswers {
    // Answers a message box of m.kind; returns 1 Yes/OK, 2 No, 3 Cancel.
    std::function<int(const Message& m, const QString& text)> ask;
};

class TWform : public QMainWindow, public CommandHost {
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
    // What every command handler works on.
    CommandContext& context() { return *context_; }
    QAction* Action(const QString& name) const { return actions_.value(name); }
    QMenu* Menu(const QString& name) const { return menus_.value(name); }
    StatusLine* statusLine() const { return statusLine_; }
    ColorSelector* colorSelector() const { return colorSelector_; }
    FileCommands* fileCommands() const { return fileCommands_; }
    MouseTools* mouseTools() const { return tools_; }
    // The application's title ("<name> - Heddlemark CD").
    QString ApplicationTitle() const { return applicationTitle_; }
    // Replaces the message boxes of every command (tests answer them).
    void SetMessageAnswers(MessageAnswers answers);

    // ---- CommandHost: the operations commands call ----
    void Update() override;
    void RepaintDraft() override;
    void ClearAndRepaint() override;
    void TakeUndoSnapshot() override;
    void MarkUndoAvailable() override;
    void DisableUndo() override;
    void MarkModified() override;
    void SetModified() override;
    void RefreshFabricWindow() override;
    bool HasSelection() const override;
    void ResetTool() override;
    void EraseMarks(ViewArea area) override;
    void UpdateTitle() override;
    void UpdateCaptions() override;
    void UpdateMenuState() override;
    void AfterLoad() override;
    void NoteChanged() override;
    void PaletteChanged() override;
    void SetCurrentColor(int index) override;
    void SyncZoomSlider() override;
    void SetZoom(int zoom) override { SetZoomSlider(zoom); }
    void LeaveFabricView() override;
    void RecentFilesChanged() override;
    void ResetFillPattern() override;
    void LanguageChanged() override;
    void ShowStatus(int panel, const QString& text) override;
    void ShowCellInfo(int kind, int a, int b) override;
    bool SaveAs() override;
    void StoreWindowState() override;
    void ShowHelp(const QString& page) override;
    void CloseWindow() override { close(); }

    // ---- the window's own state shown elsewhere ----
    CommandState CurrentCommandState() const;
    void ShowRanges();
    void ShowSelectionSize(int kind, int a, int b);
    // The keys S, M, L, P, Insert, D; returns whether the key was used.
    bool HandleToolKey(int key);
    // Zoom slider moved (also by code).
    void ZoomChanged(int position);
    void SetZoomSlider(int value);
    // End of a scroll of either bar.
    void HorizontalScrollEnded();
    void VerticalScrollEnded();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // ---- start-up (mainwindow.cpp) ----
    void StartUp(const StartupEnvironment& env);
    void PlaceWindow(const QRect& screen);
    void BuildCentralArea();
    void BuildMouseTools();
    void BuildFileCommands();
    void ShowTipOfDay();
    // After the first show: the command line's file, recovery, fabric window, tip.
    void OpenStartupFiles();
    // ---- menus and tool bar (mainwindow_menus.cpp) ----
    void BuildCommands();
    void BuildToolBar();
    void BuildColorSelector();
    QAction* AddCommandAction(const Command& c, const QString& text);
    void RunCommand(const Command& c);
    void UpdateViewChecks();
    void ShowRecentFiles();
    // ---- views, zoom, scrolling (mainwindow_views.cpp) ----
    void OnLaidOut();
    void UpdateScrollBars();
    void UpdateZoomLabel();
    int ShownZoom() const;           // the zoom of the view shown
    FabricExtent ShownCloth() const; // the fabric view's extent (none in the draft)
    void ScrollEnded(bool horizontal);
    // ---- host helpers (mainwindow_host.cpp) ----
    void UpdateNoteButton();
    void DropSelection();
    void ShowTitle();

    StartupEnvironment env_;
    std::unique_ptr<Draft> draft_;
    UndoStore undo_;
    std::unique_ptr<SettingsStore> settings_;
    DocumentState doc_;
    ViewState view_;
    std::unique_ptr<CommandContext> context_;

    DraftView* draftView_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QSlider* slideBar_ = nullptr;
    QLabel* zPanel_ = nullptr;
    ColorSelector* colorSelector_ = nullptr;
    QScrollBar* scrollH_ = nullptr;
    QScrollBar* scrollV_ = nullptr;
    StatusLine* statusLine_ = nullptr;
    TMultiLang* multiLang_ = nullptr;
    QHash<QString, QAction*> actions_;
    QHash<QString, QMenu*> menus_;
    QHash<QString, QActionGroup*> groups_;
    MouseTools* tools_ = nullptr;
    FileCommands* fileCommands_ = nullptr;
    bool hadCommandLine_ = false;
    QString applicationTitle_;
};

} // namespace hm
