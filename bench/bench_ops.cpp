// Design-mode insert and delete of 1,200 ends and 1,200 picks in a full
// 2400 x 2400 picture, each against one copy of the picture in the same run.
#include <cstring>
#include <memory>
#include <random>

#include "ops/insertdelete.h"
#include "ratio_reporter.h"

using namespace hm;

namespace {

constexpr int Moved = 1200;

std::unique_ptr<Draft> FullPicture() {
    auto d = std::make_unique<Draft>();
    std::mt19937 rng(3);
    for (auto& byte : d->DesignGrid) byte = static_cast<uint8_t>(rng());
    return d;
}

void BM_CopyPicture(benchmark::State& state) {
    auto d = FullPicture();
    auto copy = std::make_unique<Draft>();
    for (auto _ : state) {
        std::memcpy(copy->DesignGrid.data(), d->DesignGrid.data(), d->DesignGrid.size());
        benchmark::DoNotOptimize(copy->DesignGrid.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_CopyPicture)->Unit(benchmark::kMicrosecond);

// The work does not depend on the picture's content, so one picture serves
// every iteration.
template <StructureChange (*Operation)(Draft&, int, int), int First, int Second>
void BM_Design(benchmark::State& state) {
    auto d = FullPicture();
    for (auto _ : state) {
        benchmark::DoNotOptimize(Operation(*d, First, Second));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Design<DesignInsertEnds, 600, Moved>)
    ->Name("BM_DesignInsertEnds1200")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Design<DesignDeleteEnds, 600, 600 + Moved - 1>)
    ->Name("BM_DesignDeleteEnds1200")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Design<DesignInsertPicks, 600, Moved>)
    ->Name("BM_DesignInsertPicks1200")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Design<DesignDeletePicks, 600, 600 + Moved - 1>)
    ->Name("BM_DesignDeletePicks1200")
    ->Unit(benchmark::kMicrosecond);

} // namespace

HM_BENCHMARK_MAIN_WITH_RATIOS({"BM_DesignInsertEnds1200", "BM_CopyPicture"},
                              {"BM_DesignDeleteEnds1200", "BM_CopyPicture"},
                              {"BM_DesignInsertPicks1200", "BM_CopyPicture"},
                              {"BM_DesignDeletePicks1200", "BM_CopyPicture"})
