// Full repaint of the draft view: a 4800 x 4800 draft with both ground groups and
// the pattern level in a 1920 x 1080 drawing area, at zoom 1 and zoom 10. Each
// result is reported as a ratio to filling the same image with one colour in the
// same loop (counter "x_base").
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "interleaved_ratio.h"

#include "view/canvas.h"
#include "view/draftlayout.h"
#include "view/draftpainter.h"

namespace {

std::unique_ptr<hm::Draft> BigDraft(hm::DrawdownStyleKind style) {
    auto d = std::make_unique<hm::Draft>();
    d->Ends = hm::MaxEnds;
    d->Picks = hm::MaxPicks;
    d->PatternShafts = d->LiftplanWidth = 16;
    d->ShaftsA = 8;
    d->ShaftsB = 4;
    d->TreadlesA = 8;
    d->TreadlesB = 4;
    d->DrawdownStyle = style;
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

constexpr int AreaW = 1920, AreaH = 1080;

void BM_FullRepaint(benchmark::State& state) {
    const int zoom = static_cast<int>(state.range(0));
    const auto style = static_cast<hm::DrawdownStyleKind>(state.range(1));
    auto d = BigDraft(style);
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
        [&] {
            hm::ImageCanvas canvas(img);
            canvas.Fill(0, 0, AreaW, AreaH, qRgb(255, 255, 254 + (++shade & 1)));
            benchmark::DoNotOptimize(img.constBits());
        });
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
