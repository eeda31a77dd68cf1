#include "output/thumbnail.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

#include "model/design.h"
#include "output/fabrichook.h"
#include "output/fabricpng.h"
#include "output/imageexport.h"

namespace hm {

namespace {

// Consecutive threads painted for one pixel of a thumbnail much smaller than
// the cloth; more would cost time without showing more.
constexpr int SampledRun = 12;

// Whether each of the first n colour indices passes the test.
template <class Test> bool AllThreads(const uint8_t* colours, int n, Test test) {
    return std::all_of(colours, colours + n, test);
}

// Recolours the draft with black warp and white weft and gives it square,
// uncompressed cells: its Fabric view is then the drawdown in black and white
// (unthreaded ends stay white).
void MakeBlackAndWhite(Draft& d) {
    constexpr uint8_t Black = 1, White = 0;
    d.Palette[Black] = MakeColor(0, 0, 0);
    d.Palette[White] = MakeColor(255, 255, 255);
    d.BackgroundColor = MakeColor(255, 255, 255);
    std::fill_n(d.WarpColors.data(), MaxEnds, Black);
    std::fill_n(d.WeftColors.data(), MaxPicks, White);
    d.FabricCompression = false;
    d.Epi = d.Ppi = 1;
}

// The threads 1..count that a picture `pixels` long needs, in order. When the
// cloth has far more threads than the picture pixels, painting them all would
// only be averaged away: each pixel then takes a run of consecutive threads
// from the middle of its share. A run is as long as the common repeats of
// weaves and colour orders (2, 3, 4, 6 and 12 threads), so that it shows their
// true mix; stripes wider than a pixel still fall on the right pixels. `unit`
// threads stay together (the two picks of a compressed row).
std::vector<int> SampledThreads(int count, int pixels, int unit) {
    const int units = count / unit;
    std::vector<int> threads;
    if (units < 2 * SampledRun || units < 2 * pixels) {
        for (int t = 1; t <= units * unit; ++t) threads.push_back(t);
        return threads;
    }
    const int run = std::min(units / pixels, SampledRun);
    threads.reserve(static_cast<size_t>(pixels * run * unit));
    for (int x = 0; x < pixels; ++x) {
        const int first = x * units / pixels, last = (x + 1) * units / pixels;
        const int from = first + (last - first - run) / 2; // 0-based unit
        for (int t = from * unit + 1; t <= (from + run) * unit; ++t) threads.push_back(t);
    }
    return threads;
}

// The draft with only the given ends and picks, in order, as ends and picks
// 1, 2, ...: each keeps what moves with it (an end its threadings and warp
// colour, a pick its liftplan row, treadlings and weft colour).
std::unique_ptr<Draft> WithThreads(const Draft& d, const std::vector<int>& ends,
                                   const std::vector<int>& picks) {
    auto kept = std::make_unique<Draft>(d);
    int k = 0;
    for (const int e : ends) {
        ++k;
        kept->PatternThreading[k] = d.PatternThreading[e];
        kept->ThreadingA[k] = d.ThreadingA[e];
        kept->ThreadingB[k] = d.ThreadingB[e];
        kept->WarpColors[k] = d.WarpColors[e];
    }
    kept->PatternThreading.FillFrom(k + 1, 0);
    kept->ThreadingA.FillFrom(k + 1, 0);
    kept->ThreadingB.FillFrom(k + 1, 0);
    kept->Ends = k;
    k = 0;
    for (const int p : picks) {
        ++k;
        std::memcpy(kept->LiftplanRow(k), d.LiftplanRow(p), LiftplanRowBytes);
        kept->TreadlingA[k] = d.TreadlingA[p];
        kept->TreadlingB[k] = d.TreadlingB[p];
        kept->WeftColors[k] = d.WeftColors[p];
    }
    kept->ClearLiftplan(k + 1);
    kept->TreadlingA.FillFrom(k + 1, 0);
    kept->TreadlingB.FillFrom(k + 1, 0);
    kept->Picks = k;
    return kept;
}

} // namespace

bool ClothHasColours(const Draft& d, int ends, int picks) {
    ends = std::clamp(ends, 0, MaxEnds);
    picks = std::clamp(picks, 0, MaxPicks);
    const uint8_t* warp = d.WarpColors.data();
    const uint8_t* weft = d.WeftColors.data();

    // A fresh draft's palette, to tell a default index from a recoloured one.
    static const auto fresh = std::make_unique<const Draft>();
    const uint8_t warpDefault = d.DefaultWarpColor(), weftDefault = d.DefaultWeftColor();
    const bool defaultsKept = d.Palette[warpDefault] == fresh->Palette[warpDefault] &&
                              d.Palette[weftDefault] == fresh->Palette[weftDefault] &&
                              AllThreads(warp, ends, [&](uint8_t c) { return c == warpDefault; }) &&
                              AllThreads(weft, picks, [&](uint8_t c) { return c == weftDefault; });
    if (defaultsKept) return false;

    const uint32_t one = d.Palette[ends > 0 ? warp[0] : weft[0]];
    auto same = [&](uint8_t c) { return d.Palette[c] == one; };
    return !(AllThreads(warp, ends, same) && AllThreads(weft, picks, same));
}

QSize ThumbnailSize(int w, int h, int side) {
    if (w <= 0 || h <= 0 || side <= 0) return {};
    auto shorter = [&](int a, int b) {
        return std::max(1, static_cast<int>(std::lround(static_cast<double>(side) * a / b)));
    };
    return w >= h ? QSize(side, shorter(h, w)) : QSize(shorter(w, h), side);
}

QImage ScaleCloth(const QImage& picture, QSize size) {
    if (picture.isNull() || size.isEmpty()) return {};
    // Whole-cell repetition up to at least the target size, then one smooth step.
    const int fx = std::max(1, (size.width() + picture.width() - 1) / picture.width());
    const int fy = std::max(1, (size.height() + picture.height() - 1) / picture.height());
    const QImage cells = fx == 1 && fy == 1
                             ? picture
                             : picture.scaled(picture.width() * fx, picture.height() * fy,
                                              Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (cells.size() == size) return cells.convertToFormat(QImage::Format_RGB32);
    return cells.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

Thumbnail MakeThumbnail(Draft& d, int side) {
    Thumbnail t;
    if (d.DesignMode) BuildLiftplanFromDesign(d, DesignSize, DesignSize);
    const FabricPngStart start = FabricPngStartValues(d);
    if (!start.ok) {
        t.messages.push_back(start.notice);
        return t;
    }
    // A single pick of compressed cloth makes no row; its drawdown still shows.
    const bool blackAndWhite =
        (d.FabricCompression && start.picks < 2) || !ClothHasColours(d, start.ends, start.picks);
    const bool compression = d.FabricCompression && !blackAndWhite;
    const FabricPngSize s =
        blackAndWhite ? FabricPngSizes(start.ends, start.picks, false, 1, 1)
                      : FabricPngSizes(start.ends, start.picks, compression, d.Epi, d.Ppi);
    const QSize size = ThumbnailSize(s.pngW, s.pngH, side);
    // A compressed row weighs each crossing against its neighbours, so every
    // end stays.
    const std::vector<int> ends =
        SampledThreads(s.bitmapW, compression ? s.bitmapW : size.width(), 1);
    const std::vector<int> picks = SampledThreads(s.bitmapH, size.height(), compression ? 2 : 1);
    const auto cloth = WithThreads(d, ends, picks);
    if (blackAndWhite) MakeBlackAndWhite(*cloth);
    const QImage picture = FabricBitmap(*cloth, static_cast<int>(ends.size()),
                                        static_cast<int>(picks.size()), OutputFabricPainter());
    if (picture.isNull()) {
        t.messages.push_back({MessageKind::Error, "@bitmapnores", {}});
        return t;
    }
    t.image = ScaleCloth(picture, size);
    return t;
}

} // namespace hm
