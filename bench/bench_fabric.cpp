// The fabric pictures of a full 4800 x 4800 draft with both ground groups and
// the pattern level: the Fabric, Interlacement and Drapery views in a 1920 x 1080
// drawing area and the fabric window's full repaint at 4800 x 4800. Each is
// reported as a ratio to filling the same image with one colour, timed in the
// same loop.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "fabric/fabricview.h"
#include "fabric/fabricwindowpainter.h"
#include "interleaved_ratio.h"

namespace {

std::unique_ptr<hm::Draft> BigDraft() {
    auto d = std::make_unique<hm::Draft>();
    d->Ends = hm::MaxEnds;
    d->Picks = hm::MaxPicks;
    d->PatternShafts = d->LiftplanWidth = 16;
    d->ShaftsA = 8;
    d->ShaftsB = 4;
    d->TreadlesA = 8;
    d->TreadlesB = 4;
    for (int e = 1; e <= hm::MaxEnds; ++e) {
        d->PatternThreading[e] = static_cast<uint8_t>((e - 1) / 4 % 16 + 1);
        d->ThreadingA[e] = static_cast<uint8_t>((e - 1) % 8 + 1);
        d->ThreadingB[e] = static_cast<uint8_t>((e - 1) % 4 + 1);
        d->WarpColors[e] = static_cast<uint8_t>(e / 40 % 5 + 1);
    }
    for (int p = 1; p <= hm::MaxPicks; ++p) {
        d->TreadlingA[p] = static_cast<uint8_t>((p - 1) % 8 + 1);
        d->TreadlingB[p] = static_cast<uint8_t>((p - 1) % 4 + 1);
        for (int c = 1; c <= 16; ++c) d->SetLiftplan(p, c, (p / 5 + c) % 3 == 0);
        d->WeftColors[p] = static_cast<uint8_t>(p / 30 % 4 + 7);
    }
    for (int s = 1; s <= 8; ++s)
        for (int t = 1; t <= 8; ++t)
            d->TieupAA(s, t) = (s + t) % 4 < 2 ? 1 : ((s + t) % 4 == 2 ? 2 : 0);
    for (int s = 1; s <= 4; ++s)
        for (int t = 1; t <= 4; ++t) d->TieupBB(s, t) = (s == t) ? 1 : 0;
    d->TieupAB(1, 1) = 2;
    d->TieupBA(2, 3) = 1;
    return d;
}

void FillBaseline(QImage& img, int& shade) {
    hm::ImageCanvas canvas(img);
    canvas.Fill(0, 0, img.width(), img.height(), qRgb(255, 255, 254 + (++shade & 1)));
    benchmark::DoNotOptimize(img.constBits());
}

constexpr int AreaW = 1920, AreaH = 1080;

void BM_FabricView(benchmark::State& state, hm::FabricKind kind, int zoom, const char* name) {
    auto d = BigDraft();
    QImage img(AreaW, AreaH, QImage::Format_RGB32);
    int shade = 0;
    hmbench::RunInterleaved(
        state, name,
        [&] {
            const hm::FabricLayout l =
                hm::LayoutFabricView(*d, kind, zoom, hm::DrawingArea{0, AreaW, AreaH});
            hm::ImageCanvas canvas(img);
            hm::PaintFabricView(canvas, *d, l);
            benchmark::DoNotOptimize(img.constBits());
        },
        [&] { FillBaseline(img, shade); });
}
BENCHMARK_CAPTURE(BM_FabricView, fabric, hm::FabricKind::Fabric, 1,
                  "Fabric view 1920x1080, one pixel per cell")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FabricView, interlacement, hm::FabricKind::Interlacement, 11,
                  "Interlacement view 1920x1080, zoom 11")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FabricView, drapery, hm::FabricKind::Drapery, 2,
                  "Drapery view 1920x1080, fabric zoom 2")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_FabricWindow(benchmark::State& state) {
    auto d = BigDraft();
    const hm::FabricWindowLayout l = hm::SizeFabricWindow(*d, hm::MaxEnds, hm::MaxPicks, 17);
    QImage img(l.winEnds, l.winPicks, QImage::Format_RGB32);
    int shade = 0;
    hmbench::RunInterleaved(
        state, "Fabric window full repaint 4800x4800",
        [&] {
            hm::ImageCanvas canvas(img);
            hm::FabricWindowPainter(canvas, *d, l).FullRepaint();
            benchmark::DoNotOptimize(img.constBits());
        },
        [&] { FillBaseline(img, shade); });
}
BENCHMARK(BM_FabricWindow)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    hmbench::PrintRatios("Time as a multiple of filling the same image once:");
    return 0;
}
