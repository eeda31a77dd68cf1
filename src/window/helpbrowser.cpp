#include "window/helpbrowser.h"

#include <QAction>
#include <QDesktopServices>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

#include "settings/ui/multilang.h"
#include "window/dialogresources.h"

namespace hm {

HelpBrowser::HelpBrowser(QWidget* parent) : QWidget(parent, Qt::Window) {
    InitDialogResources();
    setObjectName(QStringLiteral("HelpBrowser"));
    setWindowTitle(QStringLiteral("Heddlemark Help"));

    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("HelpToolBar"));
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    QAction* contents = bar->addAction(QStringLiteral("Contents"));
    contents->setObjectName(QStringLiteral("ContentsButton"));
    back_ = bar->addAction(QStringLiteral("Back"));
    back_->setObjectName(QStringLiteral("BackButton"));
    back_->setShortcut(QKeySequence::Back);
    forward_ = bar->addAction(QStringLiteral("Forward"));
    forward_->setObjectName(QStringLiteral("ForwardButton"));
    forward_->setShortcut(QKeySequence::Forward);
    back_->setEnabled(false);
    forward_->setEnabled(false);

    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("HelpText"));
    browser_->setOpenLinks(true);
    // Links that leave the manual open in the system's browser.
    browser_->setOpenExternalLinks(true);
    browser_->setSearchPaths({QStringLiteral(":/manual")});

    connect(contents, &QAction::triggered, this, [this] { browser_->setSource(ContentsUrl()); });
    connect(back_, &QAction::triggered, browser_, &QTextBrowser::backward);
    connect(forward_, &QAction::triggered, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QAction::setEnabled);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(browser_);
    resize(760, 600);

    new TMultiLang(this, QStringLiteral("help"));
    browser_->setSource(ContentsUrl());
}

QUrl HelpBrowser::ContentsUrl() {
    return QUrl(QStringLiteral("qrc:/manual/index.html"));
}

void HelpBrowser::ShowContents() {
    browser_->setSource(ContentsUrl());
    Present();
}

void HelpBrowser::ShowPage(const QString& page) {
    browser_->setSource(QUrl(QStringLiteral("qrc:/manual/") + page));
    Present();
}

QUrl HelpBrowser::CurrentPage() const {
    return browser_->source();
}

void HelpBrowser::Present() {
    show();
    raise();
    activateWindow();
}

} // namespace hm
