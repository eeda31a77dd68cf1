#pragma once
// The help browser: the program's manual (HTML pages compiled into the
// program) in a window of its own, with contents, back and forward.

#include <QUrl>
#include <QWidget>

class QAction;
class QTextBrowser;

namespace hm {

class HelpBrowser : public QWidget {
    Q_OBJECT
  public:
    explicit HelpBrowser(QWidget* parent = nullptr);

    // The manual's contents page.
    static QUrl ContentsUrl();

    // Opens the contents page and brings the window to the front.
    void ShowContents();
    // Opens a page of the manual by file name ("tools.html", "views.html#fabric").
    void ShowPage(const QString& page);

    QTextBrowser* Browser() const { return browser_; }
    QUrl CurrentPage() const;

  private:
    void Present();

    QTextBrowser* browser_ = nullptr;
    QAction* back_ = nullptr;
    QAction* forward_ = nullptr;
};

} // namespace hm
