#pragma once
// Drafts and pixel helpers for the fabric tests.

#include <QImage>
#include <memory>
#include <random>

#include "model/draft.h"
#include "view/canvas.h"

namespace hm::test {

inline QRgb Px(const QImage& img, int x, int y) {
    return img.pixel(x, y) | 0xFF000000u;
}

inline QRgb Palette(const Draft& d, int index) {
    return ToRgb(d.Palette[static_cast<size_t>(index)]);
}

// Plain weave on two shafts: end e on shaft (e - 1) % 2 + 1, pick p on treadle
// (p - 1) % 2 + 1, each treadle lifting its own shaft.
inline std::unique_ptr<Draft> PlainWeave(int ends, int picks) {
    auto d = std::make_unique<Draft>();
    d->Ends = ends;
    d->Picks = picks;
    for (int e = 1; e <= ends; ++e) d->ThreadingA[e] = static_cast<uint8_t>((e - 1) % 2 + 1);
    for (int p = 1; p <= picks; ++p) d->TreadlingA[p] = static_cast<uint8_t>((p - 1) % 2 + 1);
    d->TieupAA(1, 1) = TieGround;
    d->TieupAA(2, 2) = TieGround;
    for (int i = 0; i < 16; ++i)
        d->Palette[static_cast<size_t>(i)] = MakeColor(10 * i, 255 - 10 * i, 7 * i);
    return d;
}

// Both ground groups and the pattern level, random entries and colours over
// `ends` x `picks`, with a few unthreaded ends.
inline std::unique_ptr<Draft> RandomDraft(unsigned seed, int ends, int picks) {
    std::mt19937 rng(seed);
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    auto d = std::make_unique<Draft>();
    d->Ends = ends;
    d->Picks = picks;
    d->SinkingShed = seed & 1;
    for (int e = 1; e <= ends; ++e) {
        const bool threaded = pick(10) != 0;
        d->ThreadingA[e] = static_cast<uint8_t>(threaded ? pick(5) : 0);
        d->ThreadingB[e] = static_cast<uint8_t>(threaded ? pick(3) : 0);
        d->PatternThreading[e] = static_cast<uint8_t>(threaded ? pick(9) : 0);
        d->WarpColors[e] = static_cast<uint8_t>(pick(8));
    }
    for (int p = 1; p <= picks; ++p) {
        d->TreadlingA[p] = static_cast<uint8_t>(pick(5));
        d->TreadlingB[p] = static_cast<uint8_t>(pick(3));
        for (int c = 1; c <= 8; ++c) d->SetLiftplan(p, c, pick(2));
        d->WeftColors[p] = static_cast<uint8_t>(8 + pick(8));
    }
    for (int s = 1; s <= 4; ++s)
        for (int t = 1; t <= 4; ++t)
            for (TieupKind k : {TieupKind::AA, TieupKind::AB, TieupKind::BA, TieupKind::BB})
                d->SetTieup(k, s, t, static_cast<uint8_t>(pick(3)));
    for (int i = 0; i < 16; ++i)
        d->Palette[static_cast<size_t>(i)] = MakeColor(pick(200), pick(200), 16 * i);
    return d;
}

} // namespace hm::test
