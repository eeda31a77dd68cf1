#include "testsupport.h"

#include <cstring>

namespace hm::test {

namespace {

uint8_t Pseudo(int seed, int i, int modulo) {
    const auto s = static_cast<unsigned>(seed), n = static_cast<unsigned>(i);
    const unsigned v = s * 7919u + n * 104729u + (n * n) % 977u;
    return static_cast<uint8_t>(v % static_cast<unsigned>(modulo));
}

} // namespace

std::unique_ptr<Draft> MakeComplexDraft(int seed) {
    auto d = std::make_unique<Draft>();
    d->Ends = 200 + seed * 37;
    d->Picks = 180 + seed * 41;
    d->PatternShafts = d->LiftplanWidth = 12 + seed;
    d->ShaftsA = 4 + seed % 3;
    d->ShaftsB = 2 + seed % 2;
    d->TreadlesA = 6;
    d->TreadlesB = 3;
    d->PatternThreadingOn = true;
    d->ThreadingBOn = seed % 2 == 0;
    d->TreadlingBOn = seed % 3 != 1;
    d->SinkingShed = seed % 2 == 1;
    d->ClearWarpColors(1); // the default colours follow the shed
    d->ClearWeftColors(1);
    d->Epi = 20 + seed;
    d->Ppi = 18 + seed;
    for (int e = 1; e <= d->Ends; ++e) {
        d->PatternThreading[e] = static_cast<uint8_t>(Pseudo(seed, e, d->PatternShafts) + 1);
        d->ThreadingA[e] = static_cast<uint8_t>(Pseudo(seed + 1, e, d->ShaftsA) + 1);
        if (d->ThreadingBOn)
            d->ThreadingB[e] = static_cast<uint8_t>(Pseudo(seed + 2, e, d->ShaftsB + 1));
        d->WarpColors[e] = Pseudo(seed + 3, e, 30);
    }
    for (int p = 1; p <= d->Picks; ++p) {
        d->TreadlingA[p] = static_cast<uint8_t>(Pseudo(seed + 4, p, d->TreadlesA) + 1);
        if (d->TreadlingBOn)
            d->TreadlingB[p] = static_cast<uint8_t>(Pseudo(seed + 5, p, d->TreadlesB + 1));
        for (int s = 1; s <= d->PatternShafts; ++s)
            if (Pseudo(seed + 6, p * 131 + s, 3) == 0) d->SetLiftplan(p, s, true);
        d->WeftColors[p] = Pseudo(seed + 7, p, 30);
    }
    for (int s = 1; s <= d->ShaftsA; ++s)
        for (int t = 1; t <= d->TreadlesA; ++t) d->TieupAA(s, t) = Pseudo(seed, s * 40 + t, 3);
    if (d->TreadlingBOn)
        for (int s = 1; s <= d->ShaftsA; ++s)
            for (int t = 1; t <= d->TreadlesB; ++t)
                d->TieupAB(s, t) = Pseudo(seed + 1, s * 40 + t, 3);
    if (d->ThreadingBOn) {
        for (int s = 1; s <= d->ShaftsB; ++s)
            for (int t = 1; t <= d->TreadlesA; ++t)
                d->TieupBA(s, t) = Pseudo(seed + 2, s * 40 + t, 3);
        if (d->TreadlingBOn)
            for (int s = 1; s <= d->ShaftsB; ++s)
                for (int t = 1; t <= d->TreadlesB; ++t)
                    d->TieupBB(s, t) = Pseudo(seed + 3, s * 40 + t, 3);
    }
    d->PaletteRGB[3] = {12, 34, static_cast<uint8_t>(56 + seed)};
    d->RebuildPaletteFromRGB();
    d->Note = "Note of draft " + std::to_string(seed) + "\r\nsecond line";
    d->UpdateExtents();
    return d;
}

std::unique_ptr<Draft> MakeLiftplanDraft(int seed) {
    auto d = std::make_unique<Draft>();
    d->Ends = 120 + seed * 13;
    d->Picks = 140 + seed * 11;
    d->PatternShafts = d->LiftplanWidth = 9 + seed * 3;
    d->PatternThreadingOn = true;
    d->SinkingShed = seed % 2 == 0;
    d->ClearWarpColors(1);
    d->ClearWeftColors(1);
    for (int e = 1; e <= d->Ends; ++e) {
        d->PatternThreading[e] = static_cast<uint8_t>(Pseudo(seed, e, d->PatternShafts) + 1);
        d->WarpColors[e] = Pseudo(seed + 3, e, 20);
    }
    for (int p = 1; p <= d->Picks; ++p) {
        for (int s = 1; s <= d->PatternShafts; ++s)
            if (Pseudo(seed + 6, p * 131 + s, 2) == 0) d->SetLiftplan(p, s, true);
        d->WeftColors[p] = Pseudo(seed + 7, p, 20);
    }
    d->PaletteRGB[5] = {200, static_cast<uint8_t>(10 + seed), 30};
    d->RebuildPaletteFromRGB();
    d->Note = "liftplan " + std::to_string(seed);
    d->UpdateExtents();
    return d;
}

void ExpectSamePatternLevel(const Draft& e, const Draft& a) {
    EXPECT_EQ(e.Ends, a.Ends);
    EXPECT_EQ(e.Picks, a.Picks);
    EXPECT_EQ(e.PatternShafts, a.PatternShafts);
    EXPECT_EQ(e.SinkingShed, a.SinkingShed);
    EXPECT_EQ(e.DesignMode, a.DesignMode);
    EXPECT_EQ(e.Epi, a.Epi);
    EXPECT_EQ(e.Ppi, a.Ppi);
    EXPECT_EQ(e.Note, a.Note);
    for (int i = 1; i <= MaxEnds; ++i) {
        ASSERT_EQ(e.PatternThreading[i], a.PatternThreading[i]) << "end " << i;
        ASSERT_EQ(e.WarpColors[i], a.WarpColors[i]) << "end " << i;
    }
    for (int p = 1; p <= MaxPicks; ++p) {
        ASSERT_EQ(0, std::memcmp(e.LiftplanRow(p), a.LiftplanRow(p), LiftplanRowBytes))
            << "pick " << p;
        ASSERT_EQ(e.WeftColors[p], a.WeftColors[p]) << "pick " << p;
    }
    EXPECT_TRUE(e.PaletteRGB == a.PaletteRGB);
}

void ExpectSameCdDraft(const Draft& e, const Draft& a) {
    ExpectSamePatternLevel(e, a);
    EXPECT_EQ(e.ShaftsA, a.ShaftsA);
    EXPECT_EQ(e.TreadlesA, a.TreadlesA);
    EXPECT_EQ(e.PatternThreadingOn, a.PatternThreadingOn);
    EXPECT_EQ(e.ThreadingBOn, a.ThreadingBOn);
    EXPECT_EQ(e.TreadlingBOn, a.TreadlingBOn);
    for (int i = 1; i <= MaxEnds; ++i) {
        ASSERT_EQ(e.ThreadingA[i], a.ThreadingA[i]) << "end " << i;
        ASSERT_EQ(e.ThreadingB[i], a.ThreadingB[i]) << "end " << i;
    }
    for (int p = 1; p <= MaxPicks; ++p) {
        ASSERT_EQ(e.TreadlingA[p], a.TreadlingA[p]) << "pick " << p;
        ASSERT_EQ(e.TreadlingB[p], a.TreadlingB[p]) << "pick " << p;
    }
    EXPECT_TRUE(e.TieupAA.cells == a.TieupAA.cells);
    EXPECT_TRUE(e.TieupAB.cells == a.TieupAB.cells);
    EXPECT_TRUE(e.TieupBA.cells == a.TieupBA.cells);
    EXPECT_TRUE(e.TieupBB.cells == a.TieupBB.cells);
    EXPECT_TRUE(e.DesignGrid == a.DesignGrid);
}

const QTemporaryDir& TestHome() {
    static QTemporaryDir home;
    return home;
}

// Point the configuration and data folders at the temporary home before main().
static const bool homeSet = [] {
    qputenv("XDG_CONFIG_HOME", (TestHome().path() + "/config").toUtf8());
    qputenv("XDG_DATA_HOME", (TestHome().path() + "/data").toUtf8());
    return true;
}();

} // namespace hm::test
