// Reading and writing a full 4800 x 4800 .hdx draft. Each benchmark reports its
// time as a ratio to a plain file operation on the same bytes measured in the
// same run: reading against QFile::readAll of the file, encoding against a
// memcpy of the file's bytes, saving against a plain QFile write of them.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <cstring>
#include <memory>
#include <random>

#include "files/hdxfile.h"

namespace {

std::unique_ptr<hm::Draft> FullDraft() {
    auto d = std::make_unique<hm::Draft>();
    std::mt19937 rng(7);
    d->Ends = d->Picks = 4800;
    d->PatternShafts = d->LiftplanWidth = 128;
    d->ShaftsA = d->ShaftsB = d->TreadlesA = d->TreadlesB = 32;
    for (int i = 1; i <= 4800; ++i) {
        d->PatternThreading[i] = static_cast<uint8_t>(1 + rng() % 128);
        d->ThreadingA[i] = static_cast<uint8_t>(1 + rng() % 32);
        d->ThreadingB[i] = static_cast<uint8_t>(1 + rng() % 32);
        d->TreadlingA[i] = static_cast<uint8_t>(1 + rng() % 32);
        d->TreadlingB[i] = static_cast<uint8_t>(1 + rng() % 32);
        d->WarpColors[i] = static_cast<uint8_t>(rng());
        d->WeftColors[i] = static_cast<uint8_t>(rng());
    }
    for (auto& b : d->Liftplan) b = static_cast<uint8_t>(rng());
    for (auto& c : d->TieupAA.cells) c = static_cast<uint8_t>(rng() % 3);
    return d;
}

// Seconds per call of f, averaged over enough calls to take about 0.2 s.
template <typename F> double TimePerCall(F f) {
    using Clock = std::chrono::steady_clock;
    int calls = 0;
    const auto start = Clock::now();
    auto now = start;
    do {
        f();
        ++calls;
        now = Clock::now();
    } while (now - start < std::chrono::milliseconds(200));
    return std::chrono::duration<double>(now - start).count() / calls;
}

// Time per iteration divided by the baseline time (both wall-clock).
void Report(benchmark::State& state, double baseline) {
    state.counters["baseline_us"] = baseline * 1e6;
    state.counters["ratio_to_baseline"] = benchmark::Counter(
        baseline, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_ReadFullHdx(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath("full.hdx");
    const auto source = FullDraft();
    hm::WriteCdPatternFile(*source, path, true);
    const double baseline = TimePerCall([&] {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(f.readAll());
    });
    auto d = std::make_unique<hm::Draft>();
    for (auto _ : state) {
        d->ClearDraft();
        benchmark::DoNotOptimize(hm::ReadCdPatternFile(*d, path, hm::HdxComponents::All()));
    }
    Report(state, baseline);
}

void BM_EncodeFullHdx(benchmark::State& state) {
    const auto source = FullDraft();
    const QByteArray reference = hm::CdPatternFileBytes(*source, true);
    QByteArray copy(reference.size(), '\0');
    const double baseline = TimePerCall([&] {
        std::memcpy(copy.data(), reference.constData(), static_cast<size_t>(reference.size()));
        benchmark::DoNotOptimize(copy.data());
    });
    for (auto _ : state) benchmark::DoNotOptimize(hm::CdPatternFileBytes(*source, true));
    state.counters["file_bytes"] = static_cast<double>(reference.size());
    Report(state, baseline);
}

void BM_SaveFullHdx(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath("full.hdx");
    const auto source = FullDraft();
    const QByteArray bytes = hm::CdPatternFileBytes(*source, true);
    const double baseline = TimePerCall([&] {
        QFile f(dir.filePath("plain.hdx"));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    });
    for (auto _ : state) benchmark::DoNotOptimize(hm::WriteCdPatternFile(*source, path, true));
    Report(state, baseline);
}

} // namespace

BENCHMARK(BM_ReadFullHdx)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_EncodeFullHdx)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SaveFullHdx)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
