#pragma once
// Drafts and baselines that several benchmark programs share.

#include <benchmark/benchmark.h>

#include <QImage>
#include <memory>
#include <random>
#include <vector>

#include "model/draft.h"
#include "view/canvas.h"

namespace hmbench {

// Every part of a 4800 x 4800 draft in use: both ground groups, the pattern
// level with 128 shafts and a random liftplan, random tie-ups with ground and
// pattern ties.
inline std::unique_ptr<hm::Draft> FullDraft() {
    using namespace hm;
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
            for (TieupKind k : AllTieupKinds) d->SetTieup(k, s, t, static_cast<uint8_t>(rng() % 3));
    return d;
}

// A 4800 x 4800 draft with both ground groups and a 16-shaft pattern level, all
// regular, with colour stripes in warp and weft: what the view and the fabric
// pictures paint.
inline std::unique_ptr<hm::Draft> StripedDraft() {
    using namespace hm;
    auto d = std::make_unique<Draft>();
    d->Ends = MaxEnds;
    d->Picks = MaxPicks;
    d->PatternShafts = d->LiftplanWidth = 16;
    d->ShaftsA = 8;
    d->ShaftsB = 4;
    d->TreadlesA = 8;
    d->TreadlesB = 4;
    for (int e = 1; e <= MaxEnds; ++e) {
        d->PatternThreading[e] = static_cast<uint8_t>((e - 1) / 4 % 16 + 1);
        d->ThreadingA[e] = static_cast<uint8_t>((e - 1) % 8 + 1);
        d->ThreadingB[e] = static_cast<uint8_t>((e - 1) % 4 + 1);
        d->WarpColors[e] = static_cast<uint8_t>(e / 40 % 5 + 1);
    }
    for (int p = 1; p <= MaxPicks; ++p) {
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

// Design mode with a full 2400 x 2400 picture: 128 distinct random columns,
// repeated across all ends.
inline std::unique_ptr<hm::Draft> Picture128() {
    using namespace hm;
    auto d = std::make_unique<Draft>();
    d->DesignMode = true;
    std::mt19937 rng(11);
    std::vector<std::vector<bool>> columns(128);
    for (auto& c : columns)
        for (int r = 0; r < DesignSize; ++r) c.push_back(rng() % 2);
    for (int e = 1; e <= DesignSize; ++e)
        for (int r = 1; r <= DesignSize; ++r)
            d->SetDesignCell(r, e, columns[static_cast<size_t>((e - 1) % 128)][r - 1]);
    return d;
}

// Baseline: filling a side x side image with one colour.
inline void FillSquareImage(benchmark::State& state, int side) {
    QImage image(side, side, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(0xFF336699u);
        benchmark::DoNotOptimize(image.constBits());
    }
}

// Baseline of the interleaved ratios: filling the whole image through a
// canvas, in a colour that changes every call.
inline void FillBaseline(QImage& image, int& shade) {
    hm::ImageCanvas canvas(image);
    canvas.Fill(0, 0, image.width(), image.height(), qRgb(255, 255, 254 + (++shade & 1)));
    benchmark::DoNotOptimize(image.constBits());
}

} // namespace hmbench
