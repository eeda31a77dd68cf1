#include "output/draftpng.h"

#include <algorithm>

#include "output/pngwriter.h"

namespace hm {

bool DraftPngAvailable(const Draft& d) {
    return !d.DesignMode;
}

DraftPngChoice DraftPngStart(const Draft& d, int visibleEnds, int visiblePicks,
                             const ExportMemory& memory) {
    DraftPngChoice c;
    c.range = ProposedDraftRange(d, visibleEnds, visiblePicks);
    c.pixelsPerEnd = std::clamp(memory.pixelsPerEnd, MinPixelsPerEnd, MaxPixelsPerEnd);
    c.grayGrid = memory.grayGrid;
    return c;
}

void RememberDraftPng(ExportMemory& memory, const DraftPngChoice& choice) {
    memory.pixelsPerEnd = choice.pixelsPerEnd;
    memory.grayGrid = choice.grayGrid;
}

bool NumbersFit(int pixelsPerEnd) {
    return pixelsPerEnd >= MinPixelsForNumbers;
}

bool RefusesNumbers(const DraftPngChoice& c) {
    return c.numbers && !NumbersFit(c.pixelsPerEnd);
}

QSize DraftPngSize(const Draft& d, const DraftPngChoice& c) {
    const CellGrid g = DraftPictureCells(d, std::max(0, c.range.ends), std::max(0, c.range.picks));
    return {g.cols * c.pixelsPerEnd + 1, g.rows * c.pixelsPerEnd + 1};
}

QImage DraftPngImage(const Draft& d, const DraftPngChoice& c) {
    const QSize size = DraftPngSize(d, c);
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull()) return image;
    const int cell = std::clamp(c.pixelsPerEnd, MinPixelsPerEnd, MaxPixelsPerEnd);
    const DraftPicture picture(d, c.range, cell, cell);
    const bool numbers = c.numbers && NumbersFit(cell);
    {
        ImageCanvas canvas(image);
        picture.Paint(canvas, c.fill, c.grayGrid ? qRgb(128, 128, 128) : qRgb(0, 0, 0), 1, 1,
                      numbers);
    }
    if (numbers) {
        QPainter painter(&image);
        picture.PaintNumbers(painter, c.fill);
    }
    return image;
}

ExportResult MakeDraftPng(const Draft& d, const DraftPngChoice& c) {
    ExportResult r;
    if (c.range.ends <= 0 && c.range.picks <= 0) return r;
    if (RefusesNumbers(c)) r.messages.push_back({MessageKind::Information, "@nonumbers", {}});
    const QImage image = DraftPngImage(d, c);
    TakePng(r, image.isNull() ? PngResult{} : EncodePng(image));
    return r;
}

} // namespace hm
