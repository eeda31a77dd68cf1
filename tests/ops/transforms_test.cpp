#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "ops/mirror.h"
#include "ops/reversals.h"
#include "ops/tieupspecial.h"
#include "ops/trompaswrit.h"
#include "ops/wrapliftplan.h"

using namespace hm;

namespace {

std::unique_ptr<Draft> Small(int ends = 20, int picks = 20) {
    auto d = std::make_unique<Draft>();
    d->Ends = ends;
    d->Picks = picks;
    return d;
}

template <typename Sequence> std::vector<int> First(const Sequence& s, int n) {
    std::vector<int> v;
    for (int i = 1; i <= n; ++i) v.push_back(s[i]);
    return v;
}

std::vector<int> LiftplanRow(const Draft& d, int pick, int columns) {
    std::vector<int> v;
    for (int c = 1; c <= columns; ++c) v.push_back(d.GetLiftplan(pick, c));
    return v;
}

// The set cells of the pattern tie-up's first n x n corner as (row, column) pairs.
std::vector<std::pair<int, int>> Ties(const Draft& d, int n) {
    std::vector<std::pair<int, int>> v;
    for (int s = 1; s <= n; ++s)
        for (int t = 1; t <= n; ++t)
            if (d.PatternTieup(s, t)) v.emplace_back(s, t);
    return v;
}

} // namespace

TEST(TrompAsWrit, CopiesSequencesAndRaisesCounts) {
    auto d = Small();
    d->ShaftsA = 4;
    d->TreadlesA = 2;
    d->ShaftsB = 3;
    d->TreadlesB = 5;
    for (int i = 1; i <= 4800; ++i) {
        d->ThreadingA[i] = static_cast<uint8_t>(i % 4 + 1);
        d->TreadlingB[i] = static_cast<uint8_t>(i % 5 + 1);
        d->WarpColors[i] = 9;
        d->WeftColors[i] = 3;
    }
    StructureChange r = TrompAsWrit(*d, TrompKind::ThreadingAToTreadlingA);
    EXPECT_TRUE(r.layout);
    EXPECT_EQ(d->TreadlesA, 4);
    EXPECT_EQ(d->TreadlingA[4800], d->ThreadingA[4800]) << "all 4800 places";

    r = TrompAsWrit(*d, TrompKind::TreadlingBToThreadingB);
    EXPECT_EQ(d->ShaftsB, 5);
    r = TrompAsWrit(*d, TrompKind::ThreadingBToTreadlingB);
    EXPECT_FALSE(r.layout) << "treadles B are already as many as shafts B";

    TrompAsWrit(*d, TrompKind::SwitchColors);
    EXPECT_EQ(d->WarpColors[7], 3);
    EXPECT_EQ(d->WeftColors[4800], 9);

    d->ThreadingBOn = false;
    EXPECT_FALSE(TrompKindEnabled(*d, TrompKind::ThreadingBToTreadlingB));
    EXPECT_TRUE(TrompKindEnabled(*d, TrompKind::SwitchColors));
}

TEST(WrapLiftplan, ShiftsCyclicallyAcrossTheShafts) {
    struct Case {
        bool right;
        int steps;
        std::vector<int> expected; // pick 1 after the wrap; before it lifts shafts 1 and 4 of 4
    };
    for (const Case& c : {Case{true, 1, {1, 1, 0, 0}}, Case{false, 1, {0, 0, 1, 1}},
                          Case{true, 3, {0, 0, 1, 1}}, Case{true, 9, {0, 0, 1, 1}}}) {
        auto d = Small();
        d->PatternShafts = d->LiftplanWidth = 4;
        d->SetLiftplan(1, 1, true);
        d->SetLiftplan(1, 4, true);
        d->SetLiftplan(20, 4, true);
        d->SetLiftplan(1, 5, true); // beyond the shafts: stays
        WrapLiftplan(*d, c.right, c.steps);
        EXPECT_EQ(LiftplanRow(*d, 1, 4), c.expected) << c.right << " " << c.steps;
        EXPECT_TRUE(d->GetLiftplan(1, 5));
        EXPECT_EQ(d->UsedPicks, 20);
    }
}

TEST(WrapLiftplan, WithinASelection) {
    auto d = Small();
    for (int p = 1; p <= 3; ++p) d->SetLiftplan(p, 3, true);
    const LiftplanArea area{5, 3, 2, 3}; // shafts 3..5 of picks 2..3
    WrapLiftplanArea(*d, false, 1, area);
    EXPECT_EQ(LiftplanRow(*d, 1, 6), (std::vector<int>{0, 0, 1, 0, 0, 0})) << "not selected";
    EXPECT_EQ(LiftplanRow(*d, 2, 6), (std::vector<int>{0, 0, 0, 0, 1, 0}));
    WrapLiftplanArea(*d, true, 4, area); // cut to 2 steps
    EXPECT_EQ(LiftplanRow(*d, 3, 6), (std::vector<int>{0, 0, 0, 1, 0, 0}))
        << "pick 3 moved left by 1, then right by 2 within 3..5";
    EXPECT_FALSE(WrapLiftplanArea(*d, true, 1, {4, 4, 1, 9}).changed) << "one column";
}

TEST(ReverseLiftplan, InvertsTheLiftplanOrExchangesPatternTies) {
    auto d = Small();
    d->PatternShafts = 3;
    d->SetLiftplan(2, 2, true);
    d->SetLiftplan(2, 4, true);
    ReverseLiftplan(*d);
    EXPECT_EQ(LiftplanRow(*d, 2, 4), (std::vector<int>{1, 0, 1, 1}));
    EXPECT_EQ(LiftplanRow(*d, 20, 3), (std::vector<int>{1, 1, 1}));
    EXPECT_FALSE(d->GetLiftplan(21, 1)) << "picks after Picks stay";

    d = Small();
    d->PatternTieupOn = true;
    d->PatternShafts = 2;
    d->LiftplanWidth = 3;
    d->PatternTieup(1, 1) = 1;
    d->PatternTieup(2, 2) = 2;
    ReverseLiftplan(*d);
    EXPECT_EQ(d->PatternTieup(1, 1), 0);
    EXPECT_EQ(d->PatternTieup(2, 3), 1);
    EXPECT_EQ(d->PatternTieup(2, 2), 2);
    EXPECT_EQ(d->PatternTieup(3, 1), 0) << "outside the shafts in use";
    EXPECT_FALSE(d->GetLiftplan(1, 1));
}

TEST(ReverseLiftplan, DesignModeInvertsTheUsedAreaOfThePicture) {
    auto d = Small();
    d->DesignMode = true;
    d->PatternShafts = 2;
    d->SetDesignCell(3, 10, true);
    d->SetDesignCell(5, 2, true);
    ReverseLiftplan(*d);
    EXPECT_FALSE(d->GetDesignCell(3, 10));
    EXPECT_FALSE(d->GetDesignCell(5, 2));
    EXPECT_TRUE(d->GetDesignCell(1, 1));
    EXPECT_TRUE(d->GetDesignCell(5, 10));
    EXPECT_FALSE(d->GetDesignCell(6, 1)) << "below the last used row";
    EXPECT_FALSE(d->GetDesignCell(1, 11)) << "beyond the last used column";
    EXPECT_TRUE(d->GetLiftplan(20, 2)) << "the liftplan is inverted as well";

    auto empty = Small();
    empty->DesignMode = true;
    ReverseLiftplan(*empty);
    EXPECT_FALSE(empty->GetDesignCell(1, 1)) << "an empty picture has no used area";
}

TEST(ReverseWeftOrder, ExchangesPicksAroundTheMiddleOfTheUsedPicks) {
    auto d = Small();
    for (int p = 1; p <= 5; ++p) {
        d->TreadlingA[p] = static_cast<uint8_t>(p);
        d->WeftColors[p] = static_cast<uint8_t>(10 + p);
    }
    d->TreadlingB[2] = 7;
    d->SetLiftplan(1, 3, true);
    d->WeftColors[6] = 99;
    ReverseWeftOrder(*d);
    EXPECT_EQ(First(d->TreadlingA, 6), (std::vector<int>{5, 4, 3, 2, 1, 0}));
    EXPECT_EQ(First(d->WeftColors, 6), (std::vector<int>{15, 14, 13, 12, 11, 99}));
    EXPECT_EQ(d->TreadlingB[4], 7);
    EXPECT_TRUE(d->GetLiftplan(5, 3));
    EXPECT_FALSE(d->GetLiftplan(1, 3));
}

TEST(ReverseTieups, ExchangesTiesWithinTheCountsAndKeepsPatternTies) {
    auto d = Small();
    d->ShaftsA = 2;
    d->TreadlesA = 3;
    d->ShaftsB = 2;
    d->TreadlesB = 2;
    d->TieupAA(1, 1) = 1;
    d->TieupAA(2, 2) = 2;
    d->TieupAB(1, 2) = 1;
    ReverseTieups(*d);
    EXPECT_EQ(d->TieupAA(1, 1), 0);
    EXPECT_EQ(d->TieupAA(2, 2), 2);
    EXPECT_EQ(d->TieupAA(2, 3), 1);
    EXPECT_EQ(d->TieupAA(3, 1), 0) << "beyond shafts A";
    EXPECT_EQ(d->TieupAB(1, 2), 0);
    EXPECT_EQ(d->TieupAB(2, 2), 1);
    EXPECT_EQ(d->TieupBA(2, 3), 1) << "BA is shafts B by treadles A";
    EXPECT_EQ(d->TieupBB(2, 3), 0);
}

TEST(MirrorRepeat, MirrorsAroundTheLastUsedElement) {
    auto d = Small();
    for (int e = 1; e <= 4; ++e) {
        d->PatternThreading[e] = static_cast<uint8_t>(e);
        d->ThreadingA[e] = static_cast<uint8_t>(e);
        d->WarpColors[e] = static_cast<uint8_t>(20 + e);
    }
    EXPECT_TRUE(MirrorRepeat(*d, MirrorTarget::Warp).changed);
    EXPECT_EQ(First(d->PatternThreading, 8), (std::vector<int>{1, 2, 3, 4, 3, 2, 1, 0}));
    EXPECT_EQ(d->WarpColors[7], 21);
    MirrorRepeat(*d, MirrorTarget::ThreadingA);
    EXPECT_EQ(d->ThreadingA[7], 1);
    EXPECT_EQ(d->WarpColors[8], 6) << "A and B move no colours";

    // The last used end at 15 of 20: only 5 ends are copied.
    d = Small();
    for (int e = 1; e <= 15; ++e) d->ThreadingB[e] = static_cast<uint8_t>(e);
    MirrorRepeat(*d, MirrorTarget::ThreadingB);
    EXPECT_EQ(First(d->ThreadingB, 20), (std::vector<int>{1,  2,  3,  4,  5,  6,  7,  8,  9,  10,
                                                          11, 12, 13, 14, 15, 14, 13, 12, 11, 10}));

    // The weft: whole liftplan rows with the weft colours, or a treadling.
    d = Small();
    d->SetLiftplan(1, 1, true);
    d->SetLiftplan(2, 2, true);
    d->SetLiftplan(2, 100, true);
    d->WeftColors[1] = 4;
    d->TreadlingA[3] = 2;
    MirrorRepeat(*d, MirrorTarget::Weft);
    EXPECT_TRUE(d->GetLiftplan(3, 1));
    EXPECT_TRUE(d->GetLiftplan(2, 100));
    EXPECT_EQ(d->WeftColors[3], 4);
    MirrorRepeat(*d, MirrorTarget::TreadlingA);
    EXPECT_EQ(d->TreadlingA[5], 0);
    EXPECT_EQ(d->TreadlingA[4], 0);
}

TEST(MirrorRepeat, ReportsNoPatternAndNoRoom) {
    struct Case {
        MirrorTarget target;
        int lastUsed;
        const char* message;
    };
    for (const Case& c : {Case{MirrorTarget::Warp, 0, "@globnopat"},
                          Case{MirrorTarget::ThreadingA, 1, "@globnopat"},
                          Case{MirrorTarget::ThreadingB, 20, "@noroomthreading"},
                          Case{MirrorTarget::Weft, 12, "@noroomweft"},
                          Case{MirrorTarget::TreadlingB, 1, "@globnopat"},
                          Case{MirrorTarget::TreadlingA, 12, "@noroomweft"}}) {
        auto d = Small(20, 12);
        if (c.lastUsed) {
            d->ThreadingA[c.lastUsed] = d->ThreadingB[c.lastUsed] = 1;
            d->TreadlingA[c.lastUsed] = d->TreadlingB[c.lastUsed] = 1;
            d->SetLiftplan(c.lastUsed, 1, true);
        }
        const Draft before = *d;
        const StructureChange r = MirrorRepeat(*d, c.target);
        EXPECT_FALSE(r.changed);
        ASSERT_EQ(r.messages.size(), 1u);
        EXPECT_EQ(r.messages[0].text, c.message);
        EXPECT_EQ(r.messages[0].kind, MessageKind::Information);
        EXPECT_EQ(d->ThreadingA.bytes, before.ThreadingA.bytes);
        EXPECT_EQ(d->Liftplan, before.Liftplan);
    }
}

TEST(TieupSpecial, TwillsFlipsAndRotation) {
    auto d = Small();
    d->PatternShafts = d->LiftplanWidth = 4;
    TieupSpecialChoice rotate;
    rotate.rotate = true;
    d->PatternTieup(1, 1) = 1;
    TieupSpecial(*d, rotate);
    EXPECT_EQ(Ties(*d, 4), (std::vector<std::pair<int, int>>{{1, 4}}));

    d->PatternTieup.Clear();
    d->PatternTieup(1, 1) = d->PatternTieup(1, 2) = 1;
    TieupSpecialChoice twill;
    twill.twill1 = true;
    TieupSpecial(*d, twill);
    EXPECT_EQ(Ties(*d, 4), (std::vector<std::pair<int, int>>{
                               {1, 1}, {1, 2}, {2, 2}, {2, 3}, {3, 3}, {3, 4}, {4, 1}, {4, 4}}));

    // Twill from row 1 and column 1: constant along the diagonals, no wrapping;
    // then the flips run in order.
    d->PatternTieup.Clear();
    d->PatternTieup(1, 2) = 1;
    d->PatternTieup(3, 1) = 1;
    TieupSpecialChoice diagonal;
    diagonal.twill2 = diagonal.flipH = diagonal.flipV = true;
    TieupSpecial(*d, diagonal);
    // Before the flips: (1,2) (2,3) (3,4) and (3,1) (4,2).
    EXPECT_EQ(Ties(*d, 4),
              (std::vector<std::pair<int, int>>{{1, 3}, {2, 1}, {2, 4}, {3, 2}, {4, 3}}));
    EXPECT_FALSE(TieupSpecial(*d, TieupSpecialChoice{}).changed);
}
