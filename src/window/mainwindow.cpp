#include "window/mainwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QSlider>
#include <QStandardPaths>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <cstdlib>
#include <ctime>

#include "fabric/ui/fabriccommands.h"
#include "files/ui/filecommands.h"
#include "ops/ui/clipboardcommands.h"
#include "settings/basemultilang.h"
#include "settings/settingsstore.h"
#include "settings/ui/multilang.h"
#include "tools/ui/mousetools.h"
#include "view/ui/draftview.h"
#include "window/helpbrowser.h"
#include "window/noteswindow.h"
#include "window/scrollbarstyle.h"
#include "window/statusline.h"
#include "window/tipofday.h"

// Resources compiled into the static libraries are registered here, once.
static void InitMainWindowResources() {
    Q_INIT_RESOURCE(icons);
    Q_INIT_RESOURCE(mainwindow_lang);
}

namespace hm {

StartupEnvironment StartupEnvironment::FromSystem() {
    StartupEnvironment env;
    if (const QScreen* s = QGuiApplication::primaryScreen())
        env.screen = s->availableGeometry();
    else
        env.screen = QRect(0, 0, 1024, 768);
    env.systemLanguage = QLocale::system().language();
    const QStringList args = QCoreApplication::arguments();
    env.arguments = args.mid(1);
    env.documentsFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return env;
}

TWform::TWform(QWidget* parent) : TWform(StartupEnvironment::FromSystem(), parent) {}

TWform::TWform(const StartupEnvironment& env, QWidget* parent)
    : QMainWindow(parent), env_(env), draft_(std::make_unique<Draft>()) {
    InitMainWindowResources();
    StartUp(env);
}

TWform::~TWform() = default;

// ---------------------------------------------------------------- start-up

void TWform::StartUp(const StartupEnvironment& env) {
    Draft& d = *draft_;
    // 1. A window of its own with a minimum tracking size.
    setObjectName("TWform");
    setMinimumSize(380, 380);
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(13);
    setFont(f);

    // 2. Locale defaults, then the stored language over them. The store computes
    // the language default from the system language before reading "Language".
    settings_ = env.settingsFile.isEmpty() ? std::make_unique<SettingsStore>()
                                           : std::make_unique<SettingsStore>(env.settingsFile);
    context_ = std::make_unique<CommandContext>(d, undo_, doc_, view_, *settings_, *this);
    context_->dialogParent = this;
    // 4. Defaults before the settings are read.
    d.Inches = false;
    d.PatternShafts = 8;
    d.LiftplanWidth = 8;
    d.Zoom = 10;
    view_.FabricWindowOn = false;

    // 5. Read the option and window settings.
    settings_->ReadAll(env.systemLanguage);
    const SettingsValues& v = settings_->values;
    settings_->ApplyTo(d);
    view_.LineOn = v.LineOn;
    view_.ExpertMode = v.ExpertMode;
    view_.FabricWindowOn = v.FabricWindow;
    doc_.CurrentFolder = v.NufilPath;
    // New starts in the view the program started in.
    doc_.NewPattern.DesignMode = d.DesignMode;
    SetLanguageEverywhere(v.Language);

    // 6. Zoom at least 7.
    if (d.Zoom < 7) d.Zoom = 7;

    BuildCommands();
    BuildToolBar();
    BuildCentralArea();
    statusLine_ = new StatusLine(this);
    setStatusBar(statusLine_);
    multiLang_ = new TMultiLang(this, QStringLiteral("mainwindow"));
    // 3. Hints go to status panel 0 (see event()).

    // 7. Placement.
    PlaceWindow(env.screen);

    // 8. Layout: the drawing area gets its size when the window is first shown,
    // and the view lays itself out then; a layout now would fit the zoom to a
    // window that has no size yet.
    draftView_->setDesignGridStyle(v.DesignGrid);

    // 9. Default pattern folder.
    if (doc_.CurrentFolder.isEmpty() && !env.documentsFolder.isEmpty()) {
        QString folder = QDir::cleanPath(env.documentsFolder + QStringLiteral("/Heddlemark"));
        const QString lower = folder.toLower();
        if (!lower.contains(QStringLiteral("crossover")) &&
            !lower.contains(QStringLiteral("playonmac")))
            doc_.CurrentFolder = folder;
    }

    // 10. Tool buttons and the recent files.
    view_.SelectionTool = false;
    BuildFileCommands();
    ShowRecentFiles();
    // Paste follows what other programs put on the clipboard.
    InstallClipboardWatcher(*context_, this);

    // 11. Sinking shed: the default colours follow the shed.
    if (d.SinkingShed) {
        d.ClearWarpColors(1);
        d.ClearWeftColors(1);
    }
    // 12. Densities per centimetre.
    if (!d.Inches) {
        d.Epi = 10;
        d.Ppi = 10;
        doc_.NewPattern.Epi = doc_.NewPattern.Ppi = 10;
    }

    // 13. Colour selector.
    SetCurrentColor(d.SinkingShed ? d.WeftColors[1] : d.WarpColors[1]);

    // 14. Slider, title, random seed.
    SetZoomSlider(d.Zoom);
    UpdateZoomLabel();
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    UpdateMenuState();
    UpdateNoteButton();
    UpdateTitle();
    UpdateCaptions();
    hadCommandLine_ = !env.arguments.isEmpty();
}

void TWform::PlaceWindow(const QRect& screen) {
    const SettingsValues& v = settings_->values;
    const int sw = screen.width();
    const int sh = screen.height();
    if (v.Wbredde != 0 && v.Wposfull != 1) {
        const int w = v.Wbredde;
        const int h = v.Whoyde > 0 ? v.Whoyde : v.Wbredde;
        int left = std::max(0, (sw - w) / 3);
        int top = std::max(0, (sh - h) / 3);
        if (left + w > sw) left = 0;
        if (top + h > sh) top = 0;
        setGeometry(screen.x() + left, screen.y() + top, w, h);
    } else {
        const int h = (sh / 12) * 11;
        const int w = h + h / 4;
        setGeometry(screen.x() + (sw - w) / 3, screen.y() + (sh - h) / 3, w, h);
        if (v.Wposfull == 1) setWindowState(windowState() | Qt::WindowMaximized);
    }
}

void TWform::BuildCentralArea() {
    auto* central = new QWidget(this);
    central->setObjectName("ClientArea");
    auto* grid = new QGridLayout(central);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);

    draftView_ = new DraftView(*draft_, central);
    draftView_->setViewState(&view_);
    context_->draftView = draftView_;
    draftView_->setMargins(7, 6, 11);
    draftView_->setMinimumSize(40, 40);
    draftView_->setFocusPolicy(Qt::NoFocus);

    auto* panelScv = new QWidget(central);
    panelScv->setObjectName("PanelScv");
    auto* vl = new QVBoxLayout(panelScv);
    vl->setContentsMargins(0, 0, 0, 0);
    scrollV_ = new QScrollBar(Qt::Vertical, panelScv);
    scrollV_->setObjectName("ScrollBarV");
    scrollV_->setTracking(false);
    scrollV_->setFocusPolicy(Qt::NoFocus);
    vl->addWidget(scrollV_);

    auto* panelSch = new QWidget(central);
    panelSch->setObjectName("Panelsch");
    auto* hl = new QHBoxLayout(panelSch);
    hl->setContentsMargins(0, 0, 0, 0);
    scrollH_ = new QScrollBar(Qt::Horizontal, panelSch);
    scrollH_->setObjectName("ScrollBarH");
    scrollH_->setTracking(false);
    scrollH_->setFocusPolicy(Qt::NoFocus);
    hl->addWidget(scrollH_);
    auto* barStyle = new ScrollBarStyle;
    barStyle->setParent(this);
    scrollH_->setStyle(barStyle);
    scrollV_->setStyle(barStyle);

    draftView_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    panelScv->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    panelSch->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    grid->addWidget(draftView_, 0, 0);
    grid->addWidget(panelScv, 0, 1);
    grid->addWidget(panelSch, 1, 0, 1, 2);
    grid->setRowStretch(0, 1);
    grid->setColumnStretch(0, 1);
    setCentralWidget(central);

    BuildMouseTools();
    connect(draftView_, &DraftView::undoDisabled, this, &TWform::DisableUndo);
    connect(draftView_, &DraftView::zoomLowered, this, [this](int z) { SetZoomSlider(z); });
    connect(draftView_, &DraftView::laidOut, this, &TWform::OnLaidOut);
    // With tracking off, valueChanged comes only at the end of a scroll.
    connect(scrollH_, &QScrollBar::valueChanged, this, [this] { HorizontalScrollEnded(); });
    connect(scrollV_, &QScrollBar::valueChanged, this, [this] { VerticalScrollEnded(); });
}

// ---------------------------------------------------------------- showing, closing

void TWform::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(ToRgb(draft_->BackgroundColor)));
    centralWidget()->setAutoFillBackground(true);
    centralWidget()->setPalette(pal);
    if (slideBar_) slideBar_->setFocus();
    if (view_.FirstShow) {
        view_.FirstShow = false;
        UpdateCaptions();
        Update();
        view_.PaintedOnce = true;
        // The show event comes before the window reaches the screen: the file
        // named on the command line and a copy left by a run that ended without
        // a clean exit are opened once it is there, so that their messages
        // appear over the window.
        QTimer::singleShot(0, this, [this] { OpenStartupFiles(); });
    }
}

void TWform::OpenStartupFiles() {
    if (hadCommandLine_) {
        fileCommands_->OpenFromCommandLine(env_.arguments);
        UpdateMenuState();
    }
    // The fabric window open at the last exit opens again; the keys stay with
    // the main window unless a file was named.
    if (view_.FabricWindowOn) {
        ShowFabricWindow(*context_);
        if (!hadCommandLine_) activateWindow();
    }
    fileCommands_->OfferRecovery();
    UpdateMenuState();
    if (settings_->values.TipOfDay) ShowTipOfDay();
}

void TWform::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (statusLine_) statusLine_->UpdatePanelWidths();
    UpdateTitle();
}

void TWform::StoreWindowState() {
    SettingsValues& v = settings_->values;
    v.Wposfull = isMaximized() ? 1 : 0;
    if (!isMaximized()) {
        v.Wbredde = width();
        v.Whoyde = height();
    }
    v.Zoom = draft_->Zoom;
    v.ViewZoom = draft_->FabricZoom;
    v.LineOn = view_.LineOn;
    v.FabricWindow = view_.FabricWindowOn;
    v.ExpertMode = view_.ExpertMode;
    v.Language = CurrentLanguage();
    if (const TNoteForm* notes = context_->Find<TNoteForm>()) {
        v.Memow = notes->StoredWidth();
        v.Memoh = notes->StoredHeight();
        v.Memoleft = notes->StoredLeft();
    }
}

void TWform::closeEvent(QCloseEvent* event) {
    // A modified draft is offered for saving first; Cancel keeps the window.
    if (!fileCommands_->MaybeSaveChanges()) {
        event->ignore();
        return;
    }
    StoreWindowState();
    doc_.CurrentFolder.clear();
    settings_->values.NufilPath.clear();
    // The options written are the draft's present ones; the store writes the
    // snapshot's values where it keeps them.
    const bool designMode = settings_->values.DesignMode;
    settings_->TakeFrom(*draft_);
    settings_->values.DesignMode = designMode;
    settings_->WriteOnClose();
    if (QWidget* help = context_->Find<HelpBrowser>()) help->close();
    fileCommands_->CleanExit();
    event->accept();
}

// ---------------------------------------------------------------- parts the window creates

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
    h.strokeApplied = [this](const ClothChange& change) {
        UpdateFabricWindow(*context_, change);
        SetModified();
    };
    h.markUndoAvailable = [this] { MarkUndoAvailable(); };
    h.showCellInfo = [this](int kind, int a, int b) { ShowCellInfo(kind, a, b); };
    h.showSelectionSize = [this](int kind, int a, int b) { ShowSelectionSize(kind, a, b); };
    h.selectionToLine = [this] {
        view_.LineOn = true;
        ResetTool();
        UpdateMenuState();
    };
    h.confirm = [this](const Message& m) { return context_->Ask(m) == BoxAnswer::Yes; };
    // Cut, Copy and Crop (and their shortcuts) follow the selection.
    h.selectionChanged = [this] { UpdateMenuState(); };
    tools_ = new MouseTools(draftView_, std::move(h), this);
    context_->Register(tools_);
}

void TWform::BuildFileCommands() {
    fileCommands_ = new FileCommands(*context_, this, env_.recoveryFolder);
    context_->Register(fileCommands_);
}

void TWform::ShowTipOfDay() {
    auto* tip = new TTipForm(settings_->values.TipOfDay, this);
    tip->setAttribute(Qt::WA_DeleteOnClose);
    connect(tip, &TTipForm::showAtStartupChanged, this, [this](bool show) {
        settings_->values.TipOfDay = show;
        settings_->WriteTipOfDay();
    });
    tip->show();
}

void TWform::SetMessageAnswers(MessageAnswers answers) {
    if (!answers.ask) {
        context_->SetAnswerer({});
        return;
    }
    context_->SetAnswerer([ask = std::move(answers.ask)](const Message& m, const QString& text) {
        return static_cast<BoxAnswer>(ask(m, text));
    });
}

} // namespace hm
