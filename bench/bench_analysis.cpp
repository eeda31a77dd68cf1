// The floats report over a full 4800 x 4800 draft against the drawdown of the
// same extent, both measured in this run. The report asks every cell once and
// follows each cell's run along its end and along its pick.
#include <memory>
#include <vector>

#include "analysis/reports.h"
#include "benchdrafts.h"
#include "model/drawdown.h"
#include "ratio_reporter.h"

using namespace hm;

namespace {

// A regular cloth: a 3/1 twill on four pattern shafts. Every float is as long
// as the longest, which the report must count one by one.
std::unique_ptr<Draft> TwillDraft() {
    auto d = std::make_unique<Draft>();
    d->Ends = d->Picks = MaxEnds;
    d->PatternShafts = d->LiftplanWidth = 4;
    for (int e = 1; e <= MaxEnds; ++e)
        d->PatternThreading[e] = static_cast<uint8_t>((e - 1) % 4 + 1);
    for (int p = 1; p <= MaxPicks; ++p)
        for (int s = 1; s <= 4; ++s) d->SetLiftplan(p, s, (s + p) % 4 != 0);
    return d;
}

std::unique_ptr<Draft> DraftFor(int kind) {
    return kind == 0 ? hmbench::FullDraft() : TwillDraft();
}

void BM_Drawdown4800(benchmark::State& state) {
    auto d = DraftFor(static_cast<int>(state.range(0)));
    std::vector<uint8_t> row(MaxEnds);
    for (auto _ : state) {
        DrawdownRows rows(*d);
        for (int p = 1; p <= MaxPicks; ++p) {
            rows.WarpOnTopRow(p, 1, MaxEnds, row.data());
            benchmark::DoNotOptimize(row.data());
        }
    }
}
BENCHMARK(BM_Drawdown4800)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_FloatsReport4800(benchmark::State& state) {
    auto d = DraftFor(static_cast<int>(state.range(0)));
    int lines = 0;
    for (auto _ : state) {
        const Report r = FloatsReport(*d, ReportContext{});
        lines = static_cast<int>(r.lines.size());
        benchmark::DoNotOptimize(lines);
    }
    state.counters["lines"] = lines;
}
BENCHMARK(BM_FloatsReport4800)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

// Argument 0: every part of the draft in use, random liftplan; 1: a 3/1 twill.
HM_BENCHMARK_MAIN_WITH_RATIOS({"BM_FloatsReport4800/0", "BM_Drawdown4800/0"},
                              {"BM_FloatsReport4800/1", "BM_Drawdown4800/1"})
