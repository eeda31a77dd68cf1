// Drawdown over the full 4800 x 4800 draft and the design analysis, each against
// a baseline measured in the same run.
#include <vector>

#include "benchdrafts.h"
#include "model/design.h"
#include "model/drawdown.h"
#include "ratio_reporter.h"

using namespace hm;

namespace {

void BM_FillImage4800(benchmark::State& state) {
    hmbench::FillSquareImage(state, MaxEnds);
}
BENCHMARK(BM_FillImage4800)->Unit(benchmark::kMillisecond);

void BM_DrawdownRows4800(benchmark::State& state) {
    auto d = hmbench::FullDraft();
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
    auto d = hmbench::FullDraft();
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
    auto d = hmbench::FullDraft();
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
    auto d = hmbench::Picture128();
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
    hmbench::FillSquareImage(state, DesignSize);
}
BENCHMARK(BM_FillImage2400)->Unit(benchmark::kMillisecond);

} // namespace

HM_BENCHMARK_MAIN_WITH_RATIOS({"BM_DrawdownRows4800", "BM_FillImage4800"},
                              {"BM_DrawdownBits4800", "BM_FillImage4800"},
                              {"BM_WeftOnTopCellByCell4800/iterations:2", "BM_FillImage4800"},
                              {"BM_NumberColumns2400", "BM_FillImage2400"})
