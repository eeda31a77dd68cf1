#pragma once
// A small draft with both ground groups and the pattern level, used by the view tests.

#include <memory>

#include "model/draft.h"

namespace hm::test {

inline std::unique_ptr<Draft> MakeSampleDraft() {
    auto d = std::make_unique<Draft>();
    d->Ends = 300;
    d->Picks = 300;
    d->PatternShafts = d->LiftplanWidth = 4;
    d->ShaftsA = 4;
    d->ShaftsB = 2;
    d->TreadlesA = 4;
    d->TreadlesB = 2;
    d->PatternThreadingOn = d->ShowPatternThreading = d->ThreadingBOn = d->TreadlingBOn = true;
    d->ShowThreading = true;
    for (int e = 1; e <= MaxEnds; ++e) {
        d->PatternThreading[e] = static_cast<uint8_t>((e - 1) / 2 % 4 + 1);
        d->ThreadingA[e] = static_cast<uint8_t>((e - 1) % 4 + 1);
        d->ThreadingB[e] = static_cast<uint8_t>((e - 1) % 2 + 1);
        d->WarpColors[e] = static_cast<uint8_t>(e % 3 == 0 ? 2 : 6);
    }
    for (int p = 1; p <= MaxPicks; ++p) {
        d->TreadlingA[p] = static_cast<uint8_t>((p - 1) % 4 + 1);
        d->TreadlingB[p] = static_cast<uint8_t>((p - 1) % 2 + 1);
        d->SetLiftplan(p, (p - 1) / 3 % 4 + 1, true);
        d->WeftColors[p] = static_cast<uint8_t>(p % 4 == 0 ? 4 : 0);
    }
    // A 2/2 twill on the A groups, pattern ties elsewhere.
    for (int s = 1; s <= 4; ++s)
        for (int t = 1; t <= 4; ++t)
            d->TieupAA(s, t) = (s == t || s == t % 4 + 1) ? TieGround : TieNone;
    d->TieupAB(1, 1) = TiePattern;
    d->TieupAB(3, 2) = TiePattern;
    d->TieupBA(2, 3) = TieGround;
    d->TieupBB(1, 2) = TiePattern;
    // Distinct, non-background colours for the indices used.
    d->Palette[0] = MakeColor(20, 40, 160);
    d->Palette[2] = MakeColor(200, 30, 30);
    d->Palette[4] = MakeColor(240, 200, 0);
    d->Palette[6] = MakeColor(250, 250, 230);
    return d;
}

} // namespace hm::test
