#pragma once
// Ratios against a baseline that is timed in the same loop as the work: every
// iteration times one run of the work and one run of the baseline back to back,
// so that a machine shared with other jobs slows both alike. The counter
// "x_base" is the total work time over the total baseline time.

#include <benchmark/benchmark.h>

#include <chrono>
#include <functional>
#include <map>
#include <string>

namespace hmbench {

inline std::map<std::string, double>& Ratios() {
    static std::map<std::string, double> ratios;
    return ratios;
}

// Runs `work` and `baseline` alternately; the benchmark's own time is the work's.
inline void RunInterleaved(benchmark::State& state, const std::string& name,
                           const std::function<void()>& work,
                           const std::function<void()>& baseline) {
    using Clock = std::chrono::steady_clock;
    double workSeconds = 0, baseSeconds = 0;
    work(); // warm caches and allocations outside the timing
    baseline();
    for (auto _ : state) {
        auto t0 = Clock::now();
        work();
        auto t1 = Clock::now();
        baseline();
        auto t2 = Clock::now();
        const double w = std::chrono::duration<double>(t1 - t0).count();
        workSeconds += w;
        baseSeconds += std::chrono::duration<double>(t2 - t1).count();
        state.SetIterationTime(w);
    }
    const double ratio = baseSeconds > 0 ? workSeconds / baseSeconds : 0;
    state.counters["x_base"] = ratio;
    state.counters["ms"] = workSeconds * 1000.0 / static_cast<double>(state.iterations());
    Ratios()[name] = ratio;
}

// Prints every ratio recorded in this run.
inline void PrintRatios(const char* title) {
    std::printf("\n%s\n", title);
    for (const auto& [name, ratio] : Ratios())
        std::printf("  %-52s %7.1f x\n", name.c_str(), ratio);
}

} // namespace hmbench
