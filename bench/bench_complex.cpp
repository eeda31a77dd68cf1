// Expand Pattern in Design mode and Reanalyze Pattern, each against filling a
// 2400 x 2400 32-bit image in the same loop.
#include <QImage>
#include <chrono>
#include <cstring>
#include <functional>
#include <memory>
#include <random>
#include <vector>

#include "benchdrafts.h"
#include "model/design.h"
#include "ops/expand.h"
#include "ops/reanalyze.h"
#include "ratio_reporter.h"

using namespace hm;

namespace {

// A 4800 x 4800 pattern level that repeats after 2400 ends and 2400 picks; of
// its 128 pattern shafts, pairs lift alike, so the analysis has work to do.
std::unique_ptr<Draft> Draft4800() {
    auto d = std::make_unique<Draft>();
    std::mt19937 rng(13);
    d->Ends = d->Picks = MaxEnds;
    d->PatternShafts = d->LiftplanWidth = 128;
    for (int e = 1; e <= DesignSize; ++e)
        d->PatternThreading[e] = d->PatternThreading[e + DesignSize] =
            static_cast<uint8_t>(rng() % 128 + 1);
    for (int p = 1; p <= DesignSize; ++p) {
        for (int s = 1; s <= 64; ++s) {
            const bool lift = rng() % 2;
            d->SetLiftplan(p, s, lift);
            d->SetLiftplan(p, s + 64, lift);
        }
        std::memcpy(d->LiftplanRow(p + DesignSize), d->LiftplanRow(p), LiftplanRowBytes);
    }
    return d;
}

// Times `work` on a fresh copy of `start` and the baseline, back to back in
// every iteration, so that a busy machine slows both alike; the copy is not
// timed. The counter x_base is the total work time over the baseline's.
void RunAgainstFill(benchmark::State& state, const Draft& start,
                    const std::function<void(Draft&)>& work) {
    using Clock = std::chrono::steady_clock;
    auto d = std::make_unique<Draft>(start);
    QImage image(DesignSize, DesignSize, QImage::Format_RGB32);
    uint32_t shade = 0;
    double workSeconds = 0, baseSeconds = 0;
    for (auto _ : state) {
        *d = start;
        const auto t0 = Clock::now();
        work(*d);
        benchmark::ClobberMemory();
        const auto t1 = Clock::now();
        image.fill(0xFF336600u + (++shade & 1));
        benchmark::DoNotOptimize(image.constBits());
        const auto t2 = Clock::now();
        const double w = std::chrono::duration<double>(t1 - t0).count();
        workSeconds += w;
        baseSeconds += std::chrono::duration<double>(t2 - t1).count();
        state.SetIterationTime(w);
    }
    state.counters["x_fill2400"] = baseSeconds > 0 ? workSeconds / baseSeconds : 0;
    state.counters["fill_ms"] = baseSeconds * 1e3 / static_cast<double>(state.iterations());
}

void BM_DesignExpand4x4(benchmark::State& state) {
    const auto start = hmbench::Picture128();
    RunAgainstFill(state, *start, [](Draft& d) { ExpandPattern(d, 4, 4); });
}
BENCHMARK(BM_DesignExpand4x4)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_Reanalyze4800(benchmark::State& state) {
    const auto start = Draft4800();
    RunAgainstFill(state, *start, [](Draft& d) { ReanalyzePattern(d); });
}
BENCHMARK(BM_Reanalyze4800)->UseManualTime()->Unit(benchmark::kMillisecond);

// Where the time of the Design-mode expansion goes: its analysis of the old
// picture alone.
void BM_AnalyzeDesignFull(benchmark::State& state) {
    const auto start = hmbench::Picture128();
    RunAgainstFill(state, *start, [](Draft& d) { AnalyzeDesignFull(d); });
}
BENCHMARK(BM_AnalyzeDesignFull)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_FillImage2400(benchmark::State& state) {
    hmbench::FillSquareImage(state, DesignSize);
}
BENCHMARK(BM_FillImage2400)->Unit(benchmark::kMillisecond);

} // namespace

HM_BENCHMARK_MAIN_WITH_RATIOS({"BM_DesignExpand4x4/manual_time", "BM_FillImage2400"},
                              {"BM_Reanalyze4800/manual_time", "BM_FillImage2400"},
                              {"BM_AnalyzeDesignFull/manual_time", "BM_FillImage2400"})
