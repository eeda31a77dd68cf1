// Full repaint of the draft view: a 4800 x 4800 draft with both ground groups and
// the pattern level in a 1920 x 1080 drawing area, at zoom 1 and zoom 10. Each
// result is reported as a ratio to filling the same image with one colour in the
// same loop (counter "x_base").
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "benchdrafts.h"
#include "interleaved_ratio.h"
#include "view/canvas.h"
#include "view/draftlayout.h"
#include "view/draftpainter.h"

namespace {

constexpr int AreaW = 1920, AreaH = 1080;

void BM_FullRepaint(benchmark::State& state) {
    const int zoom = static_cast<int>(state.range(0));
    const auto style = static_cast<hm::DrawdownStyleKind>(state.range(1));
    auto d = hmbench::StripedDraft();
    d->DrawdownStyle = style;
    hm::ViewGeometry g;
    g.clientW = AreaW - 6;
    g.clientH = AreaH - 11;
    QImage img(AreaW, AreaH, QImage::Format_RGB32);
    int shade = 0;
    hmbench::RunInterleaved(
        state, "zoom " + std::to_string(zoom) + " style " + std::to_string(state.range(1)),
        [&] {
            // As the view's Update does: layout, clear, full repaint.
            d->Zoom = zoom;
            const hm::DraftLayout l = hm::Layout(*d, g).layout;
            hm::ImageCanvas canvas(img);
            hm::DraftPainter p(canvas, *d, l);
            p.ClearAll();
            p.Repaint();
            benchmark::DoNotOptimize(img.constBits());
        },
        [&] { hmbench::FillBaseline(img, shade); });
}
BENCHMARK(BM_FullRepaint)
    ->ArgNames({"zoom", "style"})
    ->Args({1, 1})
    ->Args({10, 1})
    ->Args({1, 2})
    ->Args({10, 4})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    hmbench::PrintRatios("Full repaint time as a multiple of one 1920x1080 fill:");
    return 0;
}
