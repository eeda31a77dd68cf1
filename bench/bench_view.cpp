// Full repaint of the draft view: a 4800 x 4800 draft with both ground groups and
// the pattern level in a 1920 x 1080 drawing area, at zoom 1 and zoom 10. Each
// result is reported as a ratio to filling the same image with one colour in the
// same run (counter "x_fill").
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <string>

#include "view/canvas.h"
#include "view/draftlayout.h"
#include "view/draftpainter.h"

namespace {

using Clock = std::chrono::steady_clock;

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

double SecondsPerFill(QImage& img, int64_t n) {
    hm::ImageCanvas canvas(img);
    const auto t0 = Clock::now();
    for (int64_t k = 0; k < n; ++k) {
        canvas.Fill(0, 0, AreaW, AreaH, qRgb(255, 255, 255 - static_cast<int>(k & 1)));
        benchmark::ClobberMemory();
    }
    return std::chrono::duration<double>(Clock::now() - t0).count() / static_cast<double>(n);
}

std::map<std::string, double> g_ratios;

void BM_FullRepaint(benchmark::State& state) {
    const int zoom = static_cast<int>(state.range(0));
    const auto style = static_cast<hm::DrawdownStyleKind>(state.range(1));
    auto d = BigDraft(style);
    hm::ViewGeometry g;
    g.clientW = AreaW - 6;
    g.clientH = AreaH - 11;
    QImage img(AreaW, AreaH, QImage::Format_RGB32);
    double total = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        d->Zoom = zoom;
        const hm::DraftLayout l = hm::Layout(*d, g).layout;
        hm::ImageCanvas canvas(img);
        hm::DraftPainter p(canvas, *d, l);
        p.ClearAll();
        p.Repaint();
        benchmark::DoNotOptimize(img.constBits());
        total += std::chrono::duration<double>(Clock::now() - t0).count();
    }
    const double perRepaint = total / static_cast<double>(state.iterations());
    const double perFill = SecondsPerFill(img, std::max<int64_t>(state.iterations(), 20));
    const double ratio = perRepaint / perFill;
    state.counters["x_fill"] = ratio;
    state.counters["ms"] = perRepaint * 1000.0;
    g_ratios["zoom " + std::to_string(zoom) + " style " + std::to_string(state.range(1))] = ratio;
}
BENCHMARK(BM_FullRepaint)
    ->ArgNames({"zoom", "style"})
    ->Args({1, 1})
    ->Args({10, 1})
    ->Args({1, 2})
    ->Args({10, 4})
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::printf("\nFull repaint time as a multiple of one 1920x1080 fill:\n");
    for (const auto& [name, ratio] : g_ratios)
        std::printf("  %-40s %8.1f x\n", name.c_str(), ratio);
    return 0;
}
