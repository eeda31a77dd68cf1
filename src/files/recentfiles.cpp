#include "files/recentfiles.h"

#include "files/openfile.h"

namespace hm {

void AddRecentFile(RecentFiles& list, const QString& path) {
    if (path.isEmpty() || FileKindOf(path) == FileKind::Picture || list[0] == path) return;
    int n = 4; // 0-based: entry 5
    for (int i = 0; i < 4; ++i) {
        if (list[static_cast<size_t>(i)] == path) {
            n = i;
            break;
        }
    }
    const int last = list[static_cast<size_t>(n)] == path ? n : 4;
    for (int i = last; i > 0; --i) list[static_cast<size_t>(i)] = list[static_cast<size_t>(i - 1)];
    list[0] = path;
}

QString RecentDisplayName(const QString& path) {
    QString drive;
    const qsizetype colon = path.indexOf(':');
    if (colon > 0 && colon + 1 <= 5) drive = path.left(colon + 1);
    const qsizetype slash = std::max(path.lastIndexOf('/'), path.lastIndexOf('\\'));
    return drive + path.mid(slash + 1);
}

} // namespace hm
