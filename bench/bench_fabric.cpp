// The fabric pictures of a full 4800 x 4800 draft with both ground groups and
// the pattern level: the Fabric, Interlacement and Drapery views in a 1920 x 1080
// drawing area and the fabric window's full repaint at 4800 x 4800. Each is
// reported as a ratio to filling the same image with one colour, timed in the
// same loop.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "benchdrafts.h"
#include "fabric/fabricview.h"
#include "fabric/fabricwindowpainter.h"
#include "interleaved_ratio.h"

namespace {

constexpr int AreaW = 1920, AreaH = 1080;

void BM_FabricView(benchmark::State& state, hm::FabricKind kind, int zoom, const char* name) {
    auto d = hmbench::StripedDraft();
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
        [&] { hmbench::FillBaseline(img, shade); });
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
    auto d = hmbench::StripedDraft();
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
        [&] { hmbench::FillBaseline(img, shade); });
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
