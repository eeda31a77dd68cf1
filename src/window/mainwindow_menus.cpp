// The main window's menus and tool bar, built from the command table, and the
// handlers of the commands that live in the window itself.

#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSlider>
#include <QToolBar>
#include <QToolButton>
#include <cstring>

#include "fabric/ui/colorselector.h"
#include "ops/countchanges.h"
#include "settings/messages.h"
#include "settings/settingsstore.h"
#include "settings/ui/multilang.h"
#include "settings/ui/optionsdialog.h"
#include "view/ui/draftview.h"
#include "window/mainwindow.h"
#include "window/statusline.h"

namespace hm {

namespace {

// "short|long": the tool tip is the short part, the status line the long one.
QString HintShort(const QString& hint) {
    return hint.section(u'|', 0, 0);
}
QString HintLong(const QString& hint) {
    return hint.contains(u'|') ? hint.section(u'|', 1) : hint;
}

void SetHint(QAction* a, const QString& hint) {
    a->setToolTip(HintShort(hint));
    a->setStatusTip(HintLong(hint));
}

} // namespace

void TWform::BuildCommands() {
    QMenuBar* bar = menuBar();
    bar->setObjectName("MainMenu");
    for (const Command& c : Commands()) {
        const QString name = QString::fromLatin1(c.name);
        const QString caption = QString::fromUtf8(c.caption);
        QMenu* parent = menus_.value(QString::fromLatin1(c.parent));
        switch (c.kind) {
        case CommandKind::Menu:
        case CommandKind::Submenu: {
            QMenu* m = c.kind == CommandKind::Menu ? bar->addMenu(caption)
                                                   : (parent ? parent->addMenu(caption) : nullptr);
            if (!m) break;
            m->setObjectName(name);
            if (c.hidden) m->menuAction()->setVisible(false);
            menus_.insert(name, m);
            break;
        }
        case CommandKind::Separator:
            if (parent) {
                QAction* separator = parent->addSeparator();
                if (*c.name) {
                    separator->setObjectName(name);
                    actions_.insert(name, separator);
                }
            }
            break;
        case CommandKind::Item: {
            auto* a = new QAction(caption, this);
            a->setObjectName(name);
            if (*c.shortcut) a->setShortcut(QKeySequence(QString::fromLatin1(c.shortcut)));
            if (*c.hint) SetHint(a, QString::fromUtf8(c.hint));
            a->setCheckable(c.checkable);
            if (*c.group) {
                QActionGroup*& g = groups_[QString::fromLatin1(c.group)];
                if (!g) g = new QActionGroup(this);
                g->addAction(a);
            }
            if (c.hidden) a->setVisible(false);
            if (parent) parent->addAction(a);
            actions_.insert(name, a);
            const Command* cmd = &c;
            connect(a, &QAction::triggered, this, [this, cmd] { RunCommand(*cmd); });
            break;
        }
        default:
            break;
        }
    }
    // The Edit and Print menus set their rules again when they open.
    for (const char* m : {"EditMenu", "FilePrintItem"})
        if (QMenu* menu = Menu(m))
            connect(menu, &QMenu::aboutToShow, this, &TWform::UpdateMenuState);
}

void TWform::BuildToolBar() {
    toolBar_ = addToolBar(QStringLiteral("ToolBar"));
    toolBar_->setObjectName("ToolBar");
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    toolBar_->setIconSize(QSize(22, 22));
    toolBar_->toggleViewAction()->setEnabled(false);
    setContextMenuPolicy(Qt::NoContextMenu);

    for (const Command& c : Commands()) {
        if (std::strcmp(c.parent, "ToolBar") != 0) continue;
        const QString name = QString::fromLatin1(c.name);
        if (c.kind == CommandKind::ToolSeparator) {
            toolBar_->addSeparator();
        } else if (c.kind == CommandKind::ToolButton) {
            const QString hint = QString::fromUtf8(c.hint);
            auto* a = new QAction(QIcon(QStringLiteral(":/icons/%1.svg").arg(c.icon)),
                                  HintShort(hint), this);
            a->setObjectName(name);
            SetHint(a, hint);
            a->setCheckable(c.checkable);
            if (*c.group) {
                QActionGroup*& g = groups_[QString::fromLatin1(c.group)];
                if (!g) g = new QActionGroup(this);
                g->addAction(a);
            }
            toolBar_->addAction(a);
            actions_.insert(name, a);
            const Command* cmd = &c;
            connect(a, &QAction::triggered, this, [this, cmd] { RunCommand(*cmd); });
        } else if (c.kind == CommandKind::Widget) {
            if (name == QLatin1String("SlideBar1")) {
                slideBar_ = new QSlider(Qt::Horizontal, toolBar_);
                slideBar_->setObjectName(name);
                slideBar_->setRange(1, 20);
                slideBar_->setPageStep(1);
                slideBar_->setTickPosition(QSlider::TicksBelow);
                slideBar_->setTickInterval(1);
                slideBar_->setFixedWidth(150);
                slideBar_->setTracking(false);
                slideBar_->setFocusPolicy(Qt::StrongFocus);
                toolBar_->addWidget(slideBar_);
                connect(slideBar_, &QSlider::valueChanged, this, &TWform::ZoomChanged);
                connect(slideBar_, &QSlider::sliderMoved, this,
                        [this](int v) { zPanel_->setText(QString::number(v)); });
            } else if (name == QLatin1String("Zpanel")) {
                zPanel_ = new QLabel(toolBar_);
                zPanel_->setObjectName(name);
                zPanel_->setMinimumWidth(28);
                zPanel_->setAlignment(Qt::AlignCenter);
                toolBar_->addWidget(zPanel_);
            } else if (name == QLatin1String("ComboBoxL")) {
                BuildColorSelector();
            }
        }
    }
}

// ---------------------------------------------------------------- dispatch and rules

void TWform::RunCommand(const Command& c) {
    if (!c.handler) return;
    const CommandHandler h = c.handler;
    auto call = [this, h] { return (this->*h)(); };
    switch (c.wrapper) {
    case WrapperKind::None:
        call();
        break;
    case WrapperKind::W1:
        RunW1(*this, [&] { call(); });
        break;
    case WrapperKind::W2:
        RunW2(*this, call);
        break;
    case WrapperKind::W2Plus:
        RunW2Plus(*this, call, std::strcmp(c.name, "Rep1") == 0);
        break;
    case WrapperKind::W3:
        RunW3(*this, ViewArea::None, [&] { call(); });
        break;
    case WrapperKind::WC:
        RunWC(*this, [&] { call(); });
        break;
    }
    UpdateMenuState();
}

CommandState TWform::CurrentCommandState() const {
    const Draft& d = *draft_;
    CommandState s;
    s.designMode = d.DesignMode;
    s.fabricView = view_.FabricView;
    s.fabricKind = view_.FabricKind;
    s.patternThreadingOn = d.PatternThreadingOn;
    s.showPatternThreading = d.ShowPatternThreading;
    s.threadingBOn = d.ThreadingBOn;
    s.treadlingBOn = d.TreadlingBOn;
    s.showThreading = d.ShowThreading;
    s.revertAvailable = doc_.RevertAvailable;
    s.hasSelection = HasSelection();
    if (const QMimeData* m = QGuiApplication::clipboard()->mimeData())
        s.clipboardHasContent = m->hasText() || m->hasImage();
    s.undoAvailable = undo_.UndoAvailable;
    s.lineOn = view_.LineOn;
    s.selectionTool = view_.SelectionTool;
    s.fabricWindowOn = view_.FabricWindowOn;
    s.paletteWindowOn = view_.PaletteWindowOn;
    s.language = CurrentLanguage();
    for (int i = 0; i < RecentFileCount; ++i)
        s.recentFilled[static_cast<size_t>(i)] =
            !settings_->values.RecentFiles[static_cast<size_t>(i)].isEmpty();
    return s;
}

void TWform::UpdateMenuState() {
    const CommandState s = CurrentCommandState();
    for (const Command& c : Commands()) {
        const QString name = QString::fromLatin1(c.name);
        if (c.kind == CommandKind::Menu || c.kind == CommandKind::Submenu) {
            if (QMenu* m = menus_.value(name)) {
                m->menuAction()->setEnabled(CommandEnabled(c, s));
                m->menuAction()->setVisible(CommandVisible(c, s));
            }
        } else if (c.kind == CommandKind::Separator) {
            if (QAction* a = actions_.value(name)) a->setVisible(CommandVisible(c, s));
        } else if (c.kind == CommandKind::Item || c.kind == CommandKind::ToolButton) {
            QAction* a = actions_.value(name);
            if (!a) continue;
            a->setEnabled(CommandEnabled(c, s));
            a->setVisible(CommandVisible(c, s));
            if (c.checkable && c.checked) a->setChecked(CommandChecked(c, s));
        }
    }
}

void TWform::UpdateViewChecks() {
    const CommandState s = CurrentCommandState();
    for (const char* n : {"Draft1", "Design1", "Interlacement1", "Fabric1", "Drapery1"})
        if (const Command* c = FindCommand(n))
            if (QAction* a = Action(QString::fromLatin1(n))) a->setChecked(CommandChecked(*c, s));
}

void TWform::UpdateCaptions() {
    for (const Command& c : Commands()) {
        if (!*c.captionKey) continue;
        const QString key = QString::fromLatin1(c.captionKey);
        const QString text = Tr(key);
        if (text.isEmpty() || text == key) continue; // keep the table's caption
        const QString caption = text + QString::fromUtf8(c.captionSuffix);
        const QString name = QString::fromLatin1(c.name);
        if (QMenu* m = menus_.value(name))
            m->setTitle(caption);
        else if (QAction* a = Action(name))
            a->setText(caption);
    }
    for (const Command& c : Commands()) {
        if (!*c.copyCaptionOf) continue;
        QAction* from = Action(QString::fromLatin1(c.copyCaptionOf));
        QAction* to = Action(QString::fromLatin1(c.name));
        if (from && to) to->setText(from->text());
    }
    // The tables give hints as "short|long"; split them again after a walk.
    for (QAction* a : std::as_const(actions_)) {
        if (a->toolTip().contains(u'|')) SetHint(a, a->toolTip());
    }
}

void TWform::SetLanguage(int language) {
    SetLanguageEverywhere(language);
    settings_->values.Language = CurrentLanguage();
    UpdateCaptions();
    ShowRecentFiles();
    UpdateMenuState();
    UpdateTitle();
    ShowRanges();
    OnLaidOut();
}

// ---------------------------------------------------------------- handlers

bool TWform::FileExitItemClick() {
    close();
    return false;
}

bool TWform::EditUndoItemClick() {
    if (!undo_.UndoAvailable) return false;
    if (!undo_.Undo(*draft_)) return false;
    DisableUndo();
    Update();
    RefreshFabricWindow();
    return true;
}

bool TWform::ClearAllClick() {
    TakeUndoSnapshot();
    draft_->ClearAll();
    // The draft no longer comes from a file.
    doc_.CurrentFile.clear();
    doc_.RevertAvailable = false;
    doc_.Modified = false;
    UpdateTitle();
    Update();
    RefreshFabricWindow();
    ResetTool();
    MarkUndoAvailable();
    return true;
}

bool TWform::ClearPatternThreading() {
    draft_->ClearPatternThreading(1);
    return true;
}
bool TWform::ClearLiftplan() {
    draft_->ClearLiftplan(1);
    return true;
}
bool TWform::ClearThreadingA() {
    draft_->ClearThreadingA(1);
    return true;
}
bool TWform::ClearTreadlingA() {
    draft_->ClearTreadlingA(1);
    return true;
}
bool TWform::ClearThreadingB() {
    draft_->ClearThreadingB(1);
    return true;
}
bool TWform::ClearTreadlingB() {
    draft_->ClearTreadlingB(1);
    return true;
}
bool TWform::ClearTieupAA() {
    draft_->ClearTieups(1);
    return true;
}
bool TWform::ClearTieupAB() {
    draft_->ClearTieups(2);
    return true;
}
bool TWform::ClearTieupBA() {
    draft_->ClearTieups(3);
    return true;
}
bool TWform::ClearTieupBB() {
    draft_->ClearTieups(4);
    return true;
}
bool TWform::ClearColors() {
    draft_->ClearWarpColors(1);
    draft_->ClearWeftColors(1);
    if (colorSelector_) colorSelector_->Refresh();
    return true;
}

bool TWform::Draft1Click() {
    SwitchToDraft();
    return true;
}
bool TWform::Design1Click() {
    SwitchToDesign();
    return true;
}

bool TWform::ShowThreading1Click() {
    draft_->ShowThreading = !draft_->ShowThreading;
    Update();
    return true;
}

bool TWform::VisaMonstersolvning1Click() {
    draft_->ShowPatternThreading = !draft_->ShowPatternThreading;
    Update();
    return true;
}

bool TWform::ColorDialogItemClick() {
    const int index = std::clamp(view_.CurrentColor, 0, PaletteEntries - 1);
    Draft& d = *draft_;
    const QColor start = QColor(ToRgb(d.Palette[static_cast<size_t>(index)]));
    const QColor c =
        QColorDialog::getColor(start, this, QString(), QColorDialog::ColorDialogOptions());
    if (!c.isValid()) return false;
    d.Palette[static_cast<size_t>(index)] = MakeColor(c.red(), c.green(), c.blue());
    d.StorePaletteEntryToRGB(index);
    if (colorSelector_) colorSelector_->Refresh();
    RepaintDraft();
    MarkModified();
    return true;
}

bool TWform::Options2Click() {
    const DraftCounts before = CountsOf(*draft_);
    TPagesDlg dialog(*draft_, *settings_, this);
    const bool ok = dialog.exec() == QDialog::Accepted || dialog.FieldsApplied();
    if (!ok) return false;
    if (settings_->values.SaveSettings) {
        newPatternEpi_ = draft_->Epi;
        newPatternPpi_ = draft_->Ppi;
    }
    ApplyCountsAfterOptions(before);
    return true;
}

void TWform::ApplyCountsAfterOptions(const DraftCounts& before) {
    doc_.Modified = true;
    ApplyCountChanges(*draft_, before);
    view_.ExpertMode = settings_->values.ExpertMode;
    Update();
    RefreshFabricWindow();
    UpdateCaptions();
}

bool TWform::SaveSettings1Click() {
    WriteWindowState();
    const bool designMode = settings_->values.DesignMode;
    settings_->TakeFrom(*draft_);
    settings_->values.DesignMode = designMode;
    settings_->values.NufilPath = doc_.CurrentFolder;
    settings_->WriteAllSettings();
    return false;
}

bool TWform::English1Click() {
    SetLanguage(LangEnglish);
    return false;
}
bool TWform::Deutsch1Click() {
    SetLanguage(LangGerman);
    return false;
}
bool TWform::Svensk1Click() {
    SetLanguage(LangSwedish);
    return false;
}
bool TWform::Suomi1Click() {
    SetLanguage(LangFinnish);
    return false;
}

bool TWform::Zoom1Click() {
    bool ok = false;
    const int z = QInputDialog::getInt(this, Text("@zoomtitle"), Text("@zoomtxt") + u':',
                                       draft_->Zoom, 1, 20, 1, &ok);
    if (ok && z != draft_->Zoom) SetZoomSlider(z);
    return false;
}

bool TWform::PenSpeedButtonClick() {
    view_.LineOn = false;
    ResetTool();
    return false;
}

bool TWform::LineSpeedButtonClick() {
    view_.LineOn = true;
    ResetTool();
    return false;
}

bool TWform::SelectSpeedButtonClick() {
    view_.SelectionTool = true;
    if (QAction* a = Action("SelectSpeedButton")) a->setChecked(true);
    if (draftView_) draftView_->setCursor(SelectionCursor());
    return false;
}

} // namespace hm
