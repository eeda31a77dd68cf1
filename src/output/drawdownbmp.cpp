#include "output/drawdownbmp.h"

#include <QBuffer>
#include <algorithm>
#include <vector>

#include "model/drawdown.h"
#include "ops/repeatlength.h"

namespace hm {

namespace {

constexpr int Cap = 2400;

} // namespace

DrawdownBmpStart DrawdownBmpStartValues(const Draft& d) {
    DrawdownBmpStart s;
    const UsedExtent used = ExportExtent(d);
    if (used.ends < 2 || used.picks < 2) {
        s.notice = NoPatternNotice();
        return s;
    }
    s.ok = true;
    const int ends = std::min(used.ends, Cap), picks = std::min(used.picks, Cap);
    // The repeats as the repeat analysis finds them, over the whole pattern.
    const RepeatSearch warp =
        RepeatLength(d.PatternThreading.data(), std::clamp(d.Ends, 0, MaxEnds));
    const RepeatSearch weft = LiftplanRepeatLength(d, std::clamp(d.Picks, 0, MaxPicks));
    s.ends = std::clamp(warp.found ? warp.length : ends, 2, ends);
    s.picks = std::clamp(weft.found ? weft.length : picks, 2, picks);
    s.endLimits = {2, ends};
    s.pickLimits = {2, picks};
    return s;
}

QImage DrawdownBitmap(const Draft& d, int ends, int picks) {
    QImage image(ends, picks, QImage::Format_RGB32);
    if (image.isNull()) return image;
    image.fill(Qt::white);
    const DrawdownRows rows(d);
    std::vector<uint8_t> up(static_cast<size_t>(ends));
    const QRgb black = qRgb(0, 0, 0);
    for (int p = 1; p <= picks; ++p) {
        rows.WarpOnTopRow(p, 1, ends, up.data());
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(picks - p));
        for (int e = 1; e <= ends; ++e)
            if (up[static_cast<size_t>(e - 1)]) line[ends - e] = black;
    }
    return image;
}

ExportResult MakeDrawdownBmp(const Draft& d, int ends, int picks) {
    ExportResult r;
    const int limit = d.DesignMode ? DesignSize : MaxEnds;
    if (ends < 2 || picks < 2 || ends > limit || picks > (d.DesignMode ? DesignSize : MaxPicks))
        return r;
    const QImage image = DrawdownBitmap(d, ends, picks);
    QBuffer buffer(&r.bytes);
    if (image.isNull() || !buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "BMP")) {
        r.bytes.clear();
        r.messages.push_back({MessageKind::Error, "@bitmapnores", {}});
        return r;
    }
    r.ok = true;
    return r;
}

} // namespace hm
