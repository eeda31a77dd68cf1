#include "output/fabricpng.h"

#include <algorithm>
#include <cmath>

#include "output/pngwriter.h"

namespace hm {

namespace {

constexpr int MinFabricThreads = 16;

} // namespace

FabricPngStart FabricPngStartValues(const Draft& d) {
    FabricPngStart s;
    const UsedExtent used = ExportExtent(d);
    if (used.ends <= 0 || used.picks <= 0) {
        s.notice = NoPatternNotice();
        return s;
    }
    s.ok = true;
    s.ends = used.ends;
    s.picks = used.picks;
    s.endLimits = {std::min(MinFabricThreads, used.ends), used.ends};
    s.pickLimits = {std::min(MinFabricThreads, used.picks), used.picks};
    return s;
}

FabricPngSize FabricPngSizes(int ends, int picks, bool compression, int epi, int ppi) {
    FabricPngSize s;
    s.bitmapW = std::max(0, ends);
    s.bitmapH = compression ? std::max(0, picks) / 2 * 2 : std::max(0, picks);
    s.pngW = s.bitmapW;
    s.pngH = s.bitmapH;
    epi = std::max(1, epi);
    ppi = std::max(1, ppi);
    if (ppi < epi)
        s.pngH = static_cast<int>(std::lround(s.bitmapH * static_cast<double>(epi) / ppi));
    if (epi < ppi)
        s.pngW = static_cast<int>(std::lround(s.bitmapW * static_cast<double>(ppi) / epi));
    return s;
}

QImage FabricBitmap(const Draft& d, int ends, int picks, const FabricPainter& painter) {
    const FabricPngSize size = FabricPngSizes(ends, picks, d.FabricCompression, d.Epi, d.Ppi);
    if (!painter || size.bitmapW <= 0 || size.bitmapH <= 0) return {};
    QImage image(size.bitmapW, size.bitmapH, QImage::Format_RGB32);
    if (image.isNull()) return image;
    ImageCanvas canvas(image);
    canvas.Fill(0, 0, size.bitmapW, size.bitmapH, ToRgb(d.BackgroundColor));
    const int cellH = d.FabricCompression ? 2 : 1;
    painter(canvas, d, FabricSpan{1, size.bitmapW, 1, size.bitmapH, 1, cellH});
    return image;
}

ExportResult MakeFabricPng(const Draft& d, int ends, int picks, const FabricPainter& painter) {
    ExportResult r;
    if (!painter || ends <= 0 || picks <= 0 || ends > MaxEnds || picks > MaxPicks) return r;
    const FabricPngSize size = FabricPngSizes(ends, picks, d.FabricCompression, d.Epi, d.Ppi);
    if (size.bitmapH <= 0) return r;
    const QImage bitmap = FabricBitmap(d, ends, picks, painter);
    if (bitmap.isNull()) {
        r.messages.push_back({MessageKind::Error, "@bitmapnores", {}});
        return r;
    }
    TakePng(r, EncodePng(bitmap, size.pngW, size.pngH));
    return r;
}

} // namespace hm
