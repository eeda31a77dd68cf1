#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "ops/reducerepeat.h"
#include "ops/switchshafts.h"

using namespace hm;

namespace {

std::unique_ptr<Draft> WithThreading(const std::vector<int>& shafts, int ends = 40) {
    auto d = std::make_unique<Draft>();
    d->Ends = d->Picks = ends;
    for (size_t i = 0; i < shafts.size(); ++i)
        d->PatternThreading[static_cast<int>(i) + 1] = static_cast<uint8_t>(shafts[i]);
    return d;
}

std::vector<int> Threading(const Draft& d, int n) {
    std::vector<int> v;
    for (int e = 1; e <= n; ++e) v.push_back(d.PatternThreading[e]);
    return v;
}

std::vector<int> Repeated(const std::vector<int>& unit, int times) {
    std::vector<int> v;
    for (int i = 0; i < times; ++i) v.insert(v.end(), unit.begin(), unit.end());
    return v;
}

} // namespace

TEST(SwitchShafts, ExchangesThreadingAndLiftplanColumnsOrTieupRows) {
    auto d = WithThreading({1, 2, 3, 1, 2, 3});
    d->SetLiftplan(1, 1, true);
    d->SetLiftplan(2, 3, true);
    EXPECT_TRUE(SwitchShafts(*d, 1, 3).changed);
    EXPECT_EQ(Threading(*d, 6), (std::vector<int>{3, 2, 1, 3, 2, 1}));
    EXPECT_TRUE(d->GetLiftplan(1, 3));
    EXPECT_FALSE(d->GetLiftplan(1, 1));
    EXPECT_TRUE(d->GetLiftplan(2, 1));

    d->PatternTieupOn = true;
    d->PatternTieup(1, 4) = 1;
    SwitchShafts(*d, 1, 2);
    EXPECT_EQ(d->PatternTieup(2, 4), 1);
    EXPECT_EQ(d->PatternTieup(1, 4), 0);
    EXPECT_TRUE(d->GetLiftplan(1, 3)) << "with the tie-up the liftplan columns are treadles";

    // Nothing for the same shaft or one beyond the count.
    const Draft before = *d;
    EXPECT_FALSE(SwitchShafts(*d, 2, 2).changed);
    EXPECT_FALSE(SwitchShafts(*d, 1, 9).changed);
    EXPECT_FALSE(SwitchShafts(*d, 0, 1).changed);
    EXPECT_EQ(Threading(*d, 6), Threading(before, 6));
}

TEST(SwitchTreadles, LiftplanColumnsOrPatternTreadlingThenTieupColumns) {
    auto d = WithThreading({1});
    d->PatternTieupOn = true;
    d->PatternTreadling[1] = 2;
    d->PatternTreadling[2] = 5;
    d->SetLiftplan(1, 2, true);
    d->PatternTieup(3, 2) = 1;
    SwitchTreadles(*d, 2, 5);
    EXPECT_EQ(d->PatternTreadling[1], 5);
    EXPECT_EQ(d->PatternTreadling[2], 2);
    EXPECT_TRUE(d->GetLiftplan(1, 2)) << "single treadles are held in the pattern treadling";
    EXPECT_EQ(d->PatternTieup(3, 5), 1);

    d->MultipleTreadles = true;
    SwitchTreadles(*d, 2, 5);
    EXPECT_TRUE(d->GetLiftplan(1, 5));
    EXPECT_EQ(d->PatternTreadling[1], 5);
    EXPECT_EQ(d->PatternTieup(3, 2), 1);
    EXPECT_FALSE(SwitchTreadles(*d, 1, 9).changed);
}

TEST(ArrangeShaftsByRepeat, SortsShaftsByTheirRepeatDistance) {
    // Shaft 2 recurs every 2 ends, shafts 1 and 3 every 4: shaft 2 becomes shaft 1.
    auto d = WithThreading(Repeated({2, 1, 2, 3}, 6));
    d->PatternShafts = 3;
    d->SetLiftplan(1, 2, true);
    EXPECT_TRUE(ArrangeShaftsByRepeat(*d).changed);
    EXPECT_EQ(Threading(*d, 8), (std::vector<int>{1, 2, 1, 3, 1, 2, 1, 3}));
    EXPECT_TRUE(d->GetLiftplan(1, 1)) << "the liftplan follows the shafts";

    struct Case {
        std::vector<int> threading;
        int shafts;
        const char* why;
    };
    for (const Case& c : {
             Case{Repeated({1, 2, 3, 4, 3, 2}, 4), 4, "a straight rise with its point return"},
             Case{Repeated({1, 2}, 10), 2, "a straight rise"},
             Case{{3, 1, 2, 5, 4, 1}, 5, "fewer than two shafts recur evenly"},
         }) {
        auto u = WithThreading(c.threading);
        u->PatternShafts = c.shafts;
        EXPECT_FALSE(ArrangeShaftsByRepeat(*u).changed) << c.why;
        EXPECT_EQ(Threading(*u, 20), Threading(*WithThreading(c.threading), 20)) << c.why;
    }
}

TEST(ReduceToOneRepeat, CutsWarpAndWeftEachOnItsOwn) {
    auto d = WithThreading(Repeated({1, 2, 3, 4}, 5));
    for (int p = 1; p <= 8; ++p) d->SetLiftplan(p, p, true); // no repeat
    const StructureChange r = ReduceToOneRepeat(*d, false);
    EXPECT_TRUE(r.changed);
    EXPECT_EQ(d->LastPatternEnd(MaxEnds), 4);
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0].text, "@weftnot");
    EXPECT_EQ(d->LastLiftplanPick(MaxPicks), 8) << "the weft stays";

    // No shorter repeat: "Warp repeat not found."
    d = WithThreading({1, 2, 3, 4, 5, 6, 7, 8});
    EXPECT_EQ(ReduceToOneRepeat(*d, false).messages.at(0).text, "@warpnot");
    EXPECT_EQ(d->LastPatternEnd(MaxEnds), 8);
}

TEST(ReduceToOneRepeat, ALongerColourRepeatDecidesWithYes) {
    // Threading repeat 4, warp colour repeat 8 over 24 ends.
    auto d = WithThreading(Repeated({1, 2, 3, 4}, 6));
    for (int e = 1; e <= 40; ++e) d->WarpColors[e] = static_cast<uint8_t>((e - 1) % 8 < 4 ? 1 : 2);
    for (int p = 1; p <= 12; ++p) d->SetLiftplan(p, (p - 1) % 2 + 1, true);
    ReduceToOneRepeat(*d, true);
    EXPECT_EQ(d->LastPatternEnd(MaxEnds), 8);
    EXPECT_EQ(d->LastLiftplanPick(MaxPicks), 2) << "the weft colours repeat at once";

    auto no = WithThreading(Repeated({1, 2, 3, 4}, 6));
    for (int e = 1; e <= 40; ++e) no->WarpColors[e] = static_cast<uint8_t>((e - 1) % 8 < 4 ? 1 : 2);
    ReduceToOneRepeat(*no, false);
    EXPECT_EQ(no->LastPatternEnd(MaxEnds), 4);

    // Colours without a shorter repeat: "Warp Colors repeat not found", nothing cut.
    auto odd = WithThreading(Repeated({1, 2, 3, 4}, 6));
    for (int e = 1; e <= 40; ++e) odd->WarpColors[e] = static_cast<uint8_t>(e);
    const StructureChange r = ReduceToOneRepeat(*odd, true);
    EXPECT_EQ(r.messages.at(0).text, "@warpcolnot");
    EXPECT_EQ(odd->LastPatternEnd(MaxEnds), 24);
}

TEST(ReduceToOneRepeat, CheckReportsNoPattern) {
    auto d = WithThreading({});
    EXPECT_EQ(ReduceToOneRepeatCheck(*d, MaxEnds, MaxPicks).text, "@globnopat");
    d->TreadlingA[30] = 1;
    EXPECT_EQ(ReduceToOneRepeatCheck(*d, 40, 20).text, "@globnopat") << "beyond the view";
    EXPECT_TRUE(ReduceToOneRepeatCheck(*d, 40, 30).empty()) << "a treadling alone suffices";
}
