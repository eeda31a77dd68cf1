#include "window/mainwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QScrollBar>
#include <QSlider>
#include <QStandardPaths>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <cstdlib>
#include <ctime>

#include "files/ui/filecommands.h"
#include "settings/messages.h"
#include "settings/settingsstore.h"
#include "settings/ui/multilang.h"
#include "tools/ui/mousetools.h"
#include "ui/messagebox.h"
#include "view/ui/draftview.h"
#include "window/helpbrowser.h"
#include "window/noteswindow.h"
#include "window/statusline.h"

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

TWform::~TWform() {
    if (answers_.ask) SetMessageBoxAnswerer({});
}

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
    SetLanguageEverywhere(v.Language);

    // 6. Zoom at least 7.
    if (d.Zoom < 7) d.Zoom = 7;

    BuildCommands();
    BuildToolBar();
    BuildCentralArea();
    BuildStatusLine();
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

    // 11. Sinking shed: the default colours follow the shed.
    if (d.SinkingShed) {
        d.ClearWarpColors(1);
        d.ClearWeftColors(1);
    }
    // 12. Densities per centimetre.
    if (!d.Inches) {
        d.Epi = 10;
        d.Ppi = 10;
        newPatternEpi_ = newPatternPpi_ = 10;
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
    draftView_->setMargins(7, 6, 11);
    draftView_->setMinimumSize(40, 40);
    draftView_->setFocusPolicy(Qt::NoFocus);

    panelScv_ = new QWidget(central);
    panelScv_->setObjectName("PanelScv");
    auto* vl = new QVBoxLayout(panelScv_);
    vl->setContentsMargins(0, 0, 0, 0);
    scrollV_ = new QScrollBar(Qt::Vertical, panelScv_);
    scrollV_->setObjectName("ScrollBarV");
    scrollV_->setTracking(false);
    scrollV_->setFocusPolicy(Qt::NoFocus);
    vl->addWidget(scrollV_);

    panelSch_ = new QWidget(central);
    panelSch_->setObjectName("Panelsch");
    auto* hl = new QHBoxLayout(panelSch_);
    hl->setContentsMargins(0, 0, 0, 0);
    scrollH_ = new QScrollBar(Qt::Horizontal, panelSch_);
    scrollH_->setObjectName("ScrollBarH");
    scrollH_->setTracking(false);
    scrollH_->setFocusPolicy(Qt::NoFocus);
    hl->addWidget(scrollH_);

    draftView_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    panelScv_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    panelSch_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    grid->addWidget(draftView_, 0, 0);
    grid->addWidget(panelScv_, 0, 1);
    grid->addWidget(panelSch_, 1, 0, 1, 2);
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

void TWform::BuildStatusLine() {
    statusLine_ = new StatusLine(this);
    setStatusBar(statusLine_);
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
        if (hadCommandLine_) fileCommands_->OpenFromCommandLine(env_.arguments);
        // A copy left by a run that ended without a clean exit is offered once
        // the window is on the screen.
        QTimer::singleShot(0, this, [this] { fileCommands_->OfferRecovery(); });
        if (settings_->values.TipOfDay) ShowTipOfDay();
    }
}

void TWform::paintEvent(QPaintEvent* event) {
    QMainWindow::paintEvent(event);
}

void TWform::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (statusLine_) statusLine_->UpdatePanelWidths();
    UpdateTitle();
}

void TWform::WriteWindowState() {
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
    if (noteForm_) {
        v.Memow = noteForm_->StoredWidth();
        v.Memoh = noteForm_->StoredHeight();
        v.Memoleft = noteForm_->StoredLeft();
    }
}

void TWform::closeEvent(QCloseEvent* event) {
    // A modified draft is offered for saving first; Cancel keeps the window.
    if (!fileCommands_->MaybeSaveChanges()) {
        event->ignore();
        return;
    }
    WriteWindowState();
    doc_.CurrentFolder.clear();
    settings_->values.NufilPath.clear();
    // The options written are the draft's present ones; the store writes the
    // snapshot's values where it keeps them.
    const bool designMode = settings_->values.DesignMode;
    settings_->TakeFrom(*draft_);
    settings_->values.DesignMode = designMode;
    settings_->WriteOnClose();
    if (helpBrowser_) helpBrowser_->close();
    fileCommands_->CleanExit();
    event->accept();
}

// ---------------------------------------------------------------- refresh operations

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

void TWform::MarkModified() {
    RefreshFabricWindow();
    doc_.Modified = true;
    if (fileCommands_) fileCommands_->DraftEdited();
}

void TWform::RefreshFabricWindow() {
    // The floating fabric window is not part of the program yet.
}

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

void TWform::EraseMarks(ViewArea area) {
    if (tools_) tools_->EraseMarks(area);
}

void TWform::ResetTool() {
    view_.SelectionTool = false;
    DropSelection();
    if (QAction* a = Action(view_.LineOn ? "LineSpeedButton" : "PenSpeedButton"))
        a->setChecked(true);
    if (draftView_) draftView_->unsetCursor();
    if (statusLine_) statusLine_->SetPanelText(0, {});
}

void TWform::AfterLoad() {
    if (draftView_) draftView_->unsetCursor();
    SetZoomSlider(draft_->Zoom);
    RefreshFabricWindow();
    UpdateNoteButton();
}

void TWform::UpdateTitle() {
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

// ---------------------------------------------------------------- messages

QString TWform::Text(const QString& key) const {
    if (multiLang_ && multiLang_->HasKey(key)) return multiLang_->Translate(key);
    return Tr(key);
}

void TWform::SetMessageAnswers(MessageAnswers answers) {
    answers_ = std::move(answers);
    // The boxes of the open and save commands are answered the same way.
    if (!answers_.ask) {
        SetMessageBoxAnswerer({});
        return;
    }
    SetMessageBoxAnswerer([this](const Message& m, const QString& text) {
        return static_cast<BoxAnswer>(answers_.ask(m, text));
    });
}

int TWform::Ask(MessageKind kind, const QString& key, const QString& suffix) {
    Message m;
    m.kind = kind;
    m.text = key.toStdString();
    m.suffix = suffix.toStdString();
    return Ask(m);
}

int TWform::Ask(const Message& m) {
    const QString body = QString::fromStdString(m.text);
    QString text = (m.IsKey() ? Text(body) : body) + QString::fromStdString(m.suffix);
    if (m.kind == MessageKind::Question || m.kind == MessageKind::ThreeWay) text += u'?';
    if (m.kind != MessageKind::Error && text.size() > 255) text.truncate(255);
    if (answers_.ask) return answers_.ask(m, text);
    return static_cast<int>(ShowMessageBox(this, m.kind, text));
}

} // namespace hm
