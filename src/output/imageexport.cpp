#include "output/imageexport.h"

#include <QFileInfo>
#include <algorithm>
#include <utility>

#include "settings/messages.h"

namespace hm {

namespace {

// The picture's last used column and row, without changing the draft.
UsedExtent DesignExtent(const Draft& d) {
    UsedExtent x;
    for (int r = 1; r <= DesignSize; ++r)
        for (int c = DesignSize; c > x.ends; --c)
            if (d.GetDesignCell(r, c)) {
                x.ends = c;
                break;
            }
    for (int r = DesignSize; r >= 1 && x.picks == 0; --r)
        for (int c = 1; c <= x.ends; ++c)
            if (d.GetDesignCell(r, c)) {
                x.picks = r;
                break;
            }
    return x;
}

} // namespace

UsedExtent ExportExtent(const Draft& d) {
    if (d.DesignMode) return DesignExtent(d);
    return {d.LastUsedEnd(), d.LastUsedPick()};
}

Message NoPatternNotice() {
    return {MessageKind::Information, "@nopattern", {}};
}

void TakePng(ExportResult& r, PngResult png) {
    if (!png.ok) {
        r.messages.push_back({MessageKind::Error, "@pngnores", {}});
        return;
    }
    r.ok = true;
    r.bytes = std::move(png.bytes);
}

QString ProposedExportName(const QString& currentFile, const QString& extension) {
    if (currentFile.isEmpty()) return {};
    return QFileInfo(currentFile).completeBaseName() + extension;
}

QString NumbersDialogTitle(const QString& menuCaption) {
    return QString(menuCaption).remove(u'&');
}

QString PngFilter() {
    return Tr("@pngfilter");
}

QString BmpFilter() {
    return Tr("@bmpfilter");
}

QString FabricPngFolder(const ExportMemory& memory, const QString& openFolder) {
    return memory.lastPngFolder.isEmpty() ? openFolder : memory.lastPngFolder;
}

void RememberPngFile(ExportMemory& memory, const QString& chosenPath) {
    if (!chosenPath.isEmpty()) memory.lastPngFolder = QFileInfo(chosenPath).absolutePath();
}

} // namespace hm
