#include "files/ui/recentfilesmenu.h"

#include <QAction>
#include <QMenu>

namespace hm {

QString RecentMenuCaption(int k, const QString& path) {
    return QStringLiteral("&%1 ").arg(k) + RecentDisplayName(path);
}

RecentFilesMenu::RecentFilesMenu(QMenu* menu, QAction* before) : QObject(menu) {
    separator_ = new QAction(menu);
    separator_->setSeparator(true);
    separator_->setObjectName(QStringLiteral("RecentSeparator"));
    separator_->setVisible(false);
    menu->insertAction(before, separator_);
    for (int k = 1; k <= 5; ++k) {
        auto* item = new QAction(menu);
        item->setObjectName(QStringLiteral("menyfil%1").arg(k));
        item->setVisible(false);
        menu->insertAction(before, item);
        connect(item, &QAction::triggered, this, [this, k] { emit OpenRecent(k); });
        items_[static_cast<size_t>(k - 1)] = item;
    }
}

void RecentFilesMenu::Show(const RecentFiles& list) {
    separator_->setVisible(!list[0].isEmpty());
    for (int k = 1; k <= 5; ++k) {
        const QString& path = list[static_cast<size_t>(k - 1)];
        QAction* item = Item(k);
        if (!path.isEmpty()) item->setText(RecentMenuCaption(k, path));
        item->setVisible(!path.isEmpty());
    }
}

} // namespace hm
