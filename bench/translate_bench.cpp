// Looking up a message text, as the status line does on every mouse move,
// against a baseline of one hash lookup of the same key in a plain QHash.
#include <benchmark/benchmark.h>

#include <QHash>
#include <cstdio>

#include "settings/messages.h"

namespace {

const QString kKeys[] = {QStringLiteral("@idshaft"), QStringLiteral("@IDTREADLE"),
                         QStringLiteral("@monsolv"), QStringLiteral("@nosuchkey")};

void BM_BaselineHashLookup(benchmark::State& state) {
    QHash<QString, QString> table;
    for (const QString& k : kKeys) table.insert(k.toLower(), k);
    size_t i = 0;
    for (auto _ : state) {
        const QString& k = kKeys[i++ % 4];
        benchmark::DoNotOptimize(table.value(k.toLower()));
    }
}

void BM_Tr(benchmark::State& state) {
    hm::Tr("@idshaft"); // create the components outside the timing
    size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(hm::Tr(kKeys[i++ % 4]));
}

} // namespace

BENCHMARK(BM_BaselineHashLookup);
BENCHMARK(BM_Tr);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    // Time both and print the ratio, so the figure does not depend on the machine.
    struct Collect : benchmark::ConsoleReporter {
        double base = 0, tr = 0;
        void ReportRuns(const std::vector<Run>& runs) override {
            ConsoleReporter::ReportRuns(runs);
            for (const Run& r : runs) {
                const double ns = r.GetAdjustedRealTime();
                if (r.benchmark_name().find("Baseline") != std::string::npos)
                    base = ns;
                else
                    tr = ns;
            }
        }
    } reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    if (reporter.base > 0)
        std::printf("Tr / hash lookup baseline: %.2f\n", reporter.tr / reporter.base);
    benchmark::Shutdown();
    return 0;
}
