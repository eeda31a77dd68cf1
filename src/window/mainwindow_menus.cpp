// The main window's menus and tool bar, built from the command table; the
// dispatch of a command to its handler; the rules applied again as the state
// changes.

#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSlider>
#include <QToolBar>
#include <cstring>

#include "fabric/ui/colorselector.h"
#include "files/ui/recentfilesmenu.h"
#include "settings/basemultilang.h"
#include "settings/messages.h"
#include "settings/settingsstore.h"
#include "ui/commandwrappers.h"
#include "window/mainwindow.h"

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

// An action for a menu item or tool button: named, checkable as the table says,
// in its check group, and running the command when triggered.
QAction* TWform::AddCommandAction(const Command& c, const QString& text) {
    auto* a = new QAction(text, this);
    const QString name = QString::fromLatin1(c.name);
    a->setObjectName(name);
    a->setCheckable(c.checkable);
    if (*c.group) {
        QActionGroup*& g = groups_[QString::fromLatin1(c.group)];
        if (!g) g = new QActionGroup(this);
        g->addAction(a);
    }
    actions_.insert(name, a);
    const Command* cmd = &c;
    connect(a, &QAction::triggered, this, [this, cmd] { RunCommand(*cmd); });
    return a;
}

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
            QAction* a = AddCommandAction(c, caption);
            if (*c.shortcut) a->setShortcut(QKeySequence(QString::fromLatin1(c.shortcut)));
            if (*c.hint) SetHint(a, QString::fromUtf8(c.hint));
            if (c.hidden) a->setVisible(false);
            if (parent) parent->addAction(a);
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
            QAction* a = AddCommandAction(c, HintShort(hint));
            a->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(c.icon)));
            SetHint(a, hint);
            toolBar_->addAction(a);
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
    // A tool bar button without a handler of its own runs its twin's.
    const Command& source = HandlerSource(c);
    if (!source.handler) return;
    RunWrapped(source.wrapper, *context_, source.handler, std::strcmp(source.name, "Rep1") == 0);
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

// Captions of the recent-file items: "&k " and the entry's display name.
void TWform::ShowRecentFiles() {
    const auto& list = settings_->values.RecentFiles;
    for (int k = 1; k <= RecentFileCount; ++k)
        if (QAction* a = Action(QStringLiteral("menyfil%1").arg(k)))
            a->setText(RecentMenuCaption(k, list[static_cast<size_t>(k - 1)]));
}

// ---------------------------------------------------------------- colour selector

void TWform::BuildColorSelector() {
    colorSelector_ = new ColorSelector(toolBar_);
    colorSelector_->SetDraft(draft_.get());
    colorSelector_->setFocusPolicy(Qt::NoFocus);
    toolBar_->addWidget(colorSelector_);
    connect(colorSelector_, &ColorSelector::colorChosen, this, [this](int index) {
        SetCurrentColor(index); // the palette window marks it too
        if (slideBar_) slideBar_->setFocus();
    });
    colorSelector_->installEventFilter(this);
}

} // namespace hm
