#pragma once
// A console reporter that also remembers each benchmark's mean real time per
// iteration, so that a benchmark program can print ratios against a baseline
// measured in the same run.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const auto& run : runs)
            if (run.run_type == Run::RT_Iteration && run.iterations > 0)
                seconds_[run.benchmark_name()] =
                    run.real_accumulated_time / static_cast<double>(run.iterations);
        ConsoleReporter::ReportRuns(runs);
    }
    double Seconds(const std::string& name) const {
        auto it = seconds_.find(name);
        return it == seconds_.end() ? 0.0 : it->second;
    }
    // Prints "name: X ms, N x baseline" for each (name, baseline) pair.
    void PrintRatios(const std::vector<std::pair<std::string, std::string>>& pairs) const {
        std::printf("\nRatios against baselines measured in this run:\n");
        for (const auto& [name, base] : pairs) {
            const double t = Seconds(name), b = Seconds(base);
            if (t > 0 && b > 0)
                std::printf("  %-40s %9.2f ms = %6.2f x %s (%.2f ms)\n", name.c_str(), t * 1e3,
                            t / b, base.c_str(), b * 1e3);
        }
    }

  private:
    std::map<std::string, double> seconds_;
};

// Runs all benchmarks with the ratio reporter, then prints the given ratios.
#define HM_BENCHMARK_MAIN_WITH_RATIOS(...)                                                         \
    int main(int argc, char** argv) {                                                              \
        benchmark::Initialize(&argc, argv);                                                        \
        RatioReporter reporter;                                                                    \
        benchmark::RunSpecifiedBenchmarks(&reporter);                                              \
        reporter.PrintRatios({__VA_ARGS__});                                                       \
        benchmark::Shutdown();                                                                     \
        return 0;                                                                                  \
    }
