#pragma once
// The recent-file items of the File menu: five actions "menyfil1".."menyfil5",
// captioned "&1 ".."&5 " and the display name of their entry, each visible
// exactly while its entry is used, below a separator shown once entry 1 is used.

#include <QObject>
#include <array>

#include "files/recentfiles.h"

class QAction;
class QMenu;

namespace hm {

// "&k " followed by the display name of the path (k is 1..5).
QString RecentMenuCaption(int k, const QString& path);

class RecentFilesMenu : public QObject {
    Q_OBJECT
  public:
    // Adds the separator and the five items to the menu, before `before` when it
    // is given, else at the end. The items start hidden.
    explicit RecentFilesMenu(QMenu* menu, QAction* before = nullptr);

    // Shows the list: captions, visibility and the separator.
    void Show(const RecentFiles& list);

    QAction* Item(int k) const { return items_[static_cast<size_t>(k - 1)]; } // k = 1..5
    QAction* Separator() const { return separator_; }

  signals:
    // Item k (1..5) was chosen.
    void OpenRecent(int k);

  private:
    QAction* separator_ = nullptr;
    std::array<QAction*, 5> items_{};
};

} // namespace hm
