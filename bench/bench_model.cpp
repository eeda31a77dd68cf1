// Drawdown over the full 4800 x 4800 draft and the design analysis, each against
// a baseline measured in the same run.
#include <QImage>
#include <memory>
#include <random>
#include <vector>

#include "model/design.h"
#include "model/drawdown.h"
#include "ratio_reporter.h"

using namespace hm;

namespace {

// A full draft with both ground groups and the pattern level in use.
std::unique_ptr<Draft> FullDraft() {
    auto d = std::make_unique<Draft>();
    std::mt19937 rng(7);
    d->Ends = d->Picks = MaxEnds;
    d->ShaftsA = 8;
    d->ShaftsB = 4;
    d->TreadlesA = 8;
    d->TreadlesB = 4;
    d->PatternShafts = d->LiftplanWidth = 128;
    for (int e = 1; e <= MaxEnds; ++e) {
        d->ThreadingA[e] = static_cast<uint8_t>((e - 1) % 8 + 1);
        d->ThreadingB[e] = static_cast<uint8_t>(e % 3 == 0 ? (e / 3) % 4 + 1 : 0);
        d->PatternThreading[e] = static_cast<uint8_t>((e - 1) / 4 % 128 + 1);
    }
    for (int p = 1; p <= MaxPicks; ++p) {
        d->TreadlingA[p] = static_cast<uint8_t>((p - 1) % 8 + 1);
        d->TreadlingB[p] = static_cast<uint8_t>(p % 2 ? (p / 2) % 4 + 1 : 0);
        for (int c = 1; c <= 128; ++c) d->SetLiftplan(p, c, rng() % 2);
    }
    for (int s = 1; s <= 8; ++s)
        for (int t = 1; t <= 8; ++t)
            for (TieupKind k : {TieupKind::AA, TieupKind::AB, TieupKind::BA, TieupKind::BB})
                d->SetTieup(k, s, t, static_cast<uint8_t>(rng() % 3));
    return d;
}

void BM_FillImage4800(benchmark::State& state) {
    QImage image(MaxEnds, MaxPicks, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(0xFF336699u);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_FillImage4800)->Unit(benchmark::kMillisecond);

void BM_DrawdownRows4800(benchmark::State& state) {
    auto d = FullDraft();
    std::vector<uint8_t> cells(static_cast<size_t>(MaxEnds) * MaxPicks);
    for (auto _ : state) {
        DrawdownRows rows(*d);
        for (int p = 1; p <= MaxPicks; ++p)
            rows.WarpOnTopRow(p, 1, MaxEnds, cells.data() + static_cast<size_t>(p - 1) * MaxEnds);
        benchmark::DoNotOptimize(cells.data());
    }
}
BENCHMARK(BM_DrawdownRows4800)->Unit(benchmark::kMillisecond);

// The same rows as bit masks, as the painters use them.
void BM_DrawdownBits4800(benchmark::State& state) {
    auto d = FullDraft();
    constexpr int words = (MaxEnds + 63) / 64;
    std::vector<uint64_t> bits(static_cast<size_t>(words) * MaxPicks);
    for (auto _ : state) {
        DrawdownRows rows(*d);
        for (int p = 1; p <= MaxPicks; ++p)
            rows.WarpOnTopBits(p, 1, MaxEnds, bits.data() + static_cast<size_t>(p - 1) * words);
        benchmark::DoNotOptimize(bits.data());
    }
}
BENCHMARK(BM_DrawdownBits4800)->Unit(benchmark::kMillisecond);

void BM_WeftOnTopCellByCell4800(benchmark::State& state) {
    auto d = FullDraft();
    std::vector<uint8_t> cells(static_cast<size_t>(MaxEnds) * MaxPicks);
    for (auto _ : state) {
        size_t i = 0;
        for (int p = 1; p <= MaxPicks; ++p)
            for (int e = 1; e <= MaxEnds; ++e) cells[i++] = WeftOnTop(*d, p, e) ? 0 : 1;
        benchmark::DoNotOptimize(cells.data());
    }
}
BENCHMARK(BM_WeftOnTopCellByCell4800)->Unit(benchmark::kMillisecond)->Iterations(2);

// A 2400 x 2400 picture with 128 distinct columns.
void BM_NumberColumns2400(benchmark::State& state) {
    auto d = std::make_unique<Draft>();
    std::mt19937 rng(11);
    std::vector<std::vector<bool>> patterns(128, std::vector<bool>(DesignSize));
    for (auto& p : patterns)
        for (int r = 0; r < DesignSize; ++r) p[static_cast<size_t>(r)] = rng() % 2;
    for (int c = 1; c <= DesignSize; ++c) {
        const auto& p = patterns[static_cast<size_t>((c - 1) % 128)];
        for (int r = 1; r <= DesignSize; ++r) d->SetDesignCell(r, c, p[static_cast<size_t>(r - 1)]);
    }
    int count = 0;
    for (auto _ : state) {
        count = NumberColumns(*d, DesignSize, DesignSize, false);
        benchmark::DoNotOptimize(count);
    }
    state.counters["columns"] = count;
}
BENCHMARK(BM_NumberColumns2400)->Unit(benchmark::kMillisecond);

// Baseline for the picture: filling a 2400 x 2400 image.
void BM_FillImage2400(benchmark::State& state) {
    QImage image(DesignSize, DesignSize, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(0xFF336699u);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_FillImage2400)->Unit(benchmark::kMillisecond);

} // namespace

HM_BENCHMARK_MAIN_WITH_RATIOS({"BM_DrawdownRows4800", "BM_FillImage4800"},
                              {"BM_DrawdownBits4800", "BM_FillImage4800"},
                              {"BM_WeftOnTopCellByCell4800/iterations:2", "BM_FillImage4800"},
                              {"BM_NumberColumns2400", "BM_FillImage2400"})
