// Reanalyze Pattern.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <vector>

#include "drawdowncompare.h"
#include "ops/reanalyze.h"

namespace hm::test {
namespace {

void SetColumn(Draft& d, int shaft, const std::vector<int>& picks) {
    for (int p : picks) d.SetLiftplan(p, shaft, true);
}

TEST(ReanalyzePattern, MergesShaftsThatLiftAlikeAndKeepsTheDrawdown) {
    struct Case {
        bool sinking;
        std::vector<int> expected;
        int shafts;
    };
    // Shafts 1 and 5 lift on the same picks; shaft 7 never lifts, which only
    // a sinking shed needs (the end stays up there).
    const Case cases[] = {
        {false, {1, 2, 1, 0, 3, 1, 2, 1}, 3},
        {true, {1, 2, 1, 3, 4, 1, 2, 1}, 4},
    };
    for (const Case& c : cases) {
        auto d = std::make_unique<Draft>();
        d->Ends = d->Picks = 40;
        d->SinkingShed = c.sinking;
        const std::vector<int> threading{5, 2, 1, 7, 3, 5, 2, 1};
        for (int e = 1; e <= 8; ++e)
            d->PatternThreading[e] = static_cast<uint8_t>(threading[e - 1]);
        SetColumn(*d, 1, {1, 3});
        SetColumn(*d, 5, {1, 3});
        SetColumn(*d, 2, {2});
        SetColumn(*d, 3, {1, 2, 4});
        SetColumn(*d, 6, {4}); // no end on it
        d->ThreadingA[4] = 1;
        d->TreadlingA[1] = 1;
        d->TieupAA(1, 1) = 2;
        d->FirstEnd = 3;
        const auto before = std::make_unique<Draft>(*d);

        ASSERT_TRUE(CanReanalyze(*d, 10, 10));
        ASSERT_TRUE(ReanalyzePattern(*d).changed);
        for (int e = 1; e <= 8; ++e)
            EXPECT_EQ(d->PatternThreading[e], c.expected[e - 1]) << c.sinking << " " << e;
        EXPECT_EQ(d->PatternShafts, c.shafts);
        EXPECT_EQ(d->LiftplanWidth, c.shafts);
        EXPECT_FALSE(d->GetLiftplan(4, 6)) << "a column without ends goes";
        EXPECT_EQ(d->FirstEnd, 0);
        EXPECT_EQ(DrawdownDifference(*before, *d, 10, 10), "");
    }
}

// Longer than the design picture both ways and without a repeat: the
// pattern beyond end and pick 2400 keeps weaving as before.
TEST(ReanalyzePattern, KeepsThePatternBeyondThePictureSize) {
    auto d = std::make_unique<Draft>();
    d->Ends = d->Picks = 3000;
    std::mt19937 rng(5);
    for (int e = 1; e <= 3000; ++e) d->PatternThreading[e] = static_cast<uint8_t>(rng() % 40 + 1);
    for (int p = 1; p <= 3000; ++p)
        for (int s = 1; s <= 40; ++s) d->SetLiftplan(p, s, rng() % 2);
    // Shafts 20 and 30 differ only on pick 2900.
    for (int p = 1; p <= 3000; ++p) d->SetLiftplan(p, 30, d->GetLiftplan(p, 20) != (p == 2900));
    const auto before = std::make_unique<Draft>(*d);
    ASSERT_TRUE(ReanalyzePattern(*d).changed);
    EXPECT_EQ(d->PatternShafts, 40);
    EXPECT_EQ(DrawdownDifference(*before, *d, 3000, 3000), "");
}

TEST(ReanalyzePattern, NumbersShaftsInOrderOfFirstUse) {
    auto d = std::make_unique<Draft>();
    for (int e = 1; e <= 12; ++e) d->PatternThreading[e] = e % 2 ? 7 : 3;
    SetColumn(*d, 7, {1});
    SetColumn(*d, 3, {2});
    ASSERT_TRUE(ReanalyzePattern(*d).changed);
    EXPECT_EQ(d->PatternThreading[1], 1);
    EXPECT_EQ(d->PatternThreading[2], 2);
    EXPECT_TRUE(d->GetLiftplan(1, 1));
    EXPECT_TRUE(d->GetLiftplan(2, 2));
    EXPECT_EQ(d->PatternShafts, 2);
}

TEST(ReanalyzePattern, DoesNothingWithoutALiftplanOrInDesignMode) {
    auto d = std::make_unique<Draft>();
    d->PatternThreading[1] = 4;
    d->TreadlingA[1] = 1;
    EXPECT_TRUE(CanReanalyze(*d, 10, 10));
    EXPECT_FALSE(ReanalyzePattern(*d).changed) << "an empty liftplan";
    EXPECT_EQ(d->PatternThreading[1], 4);
    EXPECT_FALSE(CanReanalyze(*d, 10, 0));

    d->SetLiftplan(1, 4, true);
    d->DesignMode = true;
    EXPECT_FALSE(CanReanalyze(*d, 10, 10));
    EXPECT_FALSE(ReanalyzePattern(*d).changed);
}

} // namespace
} // namespace hm::test
