#pragma once
// The recent-file list of the File menu: five paths, most recent first, an
// empty string for an unused entry.

#include <QString>
#include <array>

namespace hm {

using RecentFiles = std::array<QString, 5>;

// Puts path at the top; a path already in entries 1..4 moves up, else entry 5 is
// dropped. Nothing happens for an empty path, a picture or the current top entry
// (paths are compared exactly, letter case included).
void AddRecentFile(RecentFiles& list, const QString& path);

// The menu text of an entry: the drive part (such as "C:") when it has at most
// 5 characters, then the file name without its folder.
QString RecentDisplayName(const QString& path);

} // namespace hm
