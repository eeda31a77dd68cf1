#include <gtest/gtest.h>

#include <memory>

#include "ops/shaftstreadles.h"

using namespace hm;

namespace {

// 16 ends on a straight pattern threading 1..8 twice; pick p lifts shaft p
// (picks 1..8); the pattern tie-up has cell (s, s) tied.
std::unique_ptr<Draft> Straight8() {
    auto d = std::make_unique<Draft>();
    d->Ends = d->Picks = 16;
    for (int e = 1; e <= 16; ++e) d->PatternThreading[e] = static_cast<uint8_t>((e - 1) % 8 + 1);
    for (int p = 1; p <= 8; ++p) d->SetLiftplan(p, p, true);
    for (int s = 1; s <= 8; ++s) d->PatternTieup(s, s) = 1;
    return d;
}

std::vector<int> Threading(const Draft& d, int n) {
    std::vector<int> v;
    for (int e = 1; e <= n; ++e) v.push_back(d.PatternThreading[e]);
    return v;
}

// The liftplan column each of picks 1..n lifts (0 none).
std::vector<int> Lifted(const Draft& d, int n) {
    std::vector<int> v;
    for (int p = 1; p <= n; ++p) {
        int lifted = 0;
        for (int c = 1; c <= 128; ++c)
            if (d.GetLiftplan(p, c)) lifted = c;
        v.push_back(lifted);
    }
    return v;
}

} // namespace

TEST(InsertShafts, RaisesHigherShaftsAndOpensLiftplanColumns) {
    auto d = Straight8();
    const StructureChange r = InsertShafts(*d, 3, 2);
    EXPECT_TRUE(r.changed);
    EXPECT_TRUE(r.layout);
    EXPECT_EQ(d->PatternShafts, 10);
    EXPECT_EQ(d->LiftplanWidth, 10);
    EXPECT_EQ(Threading(*d, 8), (std::vector<int>{1, 2, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(Lifted(*d, 8), (std::vector<int>{1, 2, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(d->PatternTieup(3, 3), 1) << "the tie-up is not in use and stays";

    // With the pattern tie-up its rows move; the liftplan columns are treadles.
    d = Straight8();
    d->PatternTieupOn = true;
    InsertShafts(*d, 2, 1);
    EXPECT_EQ(d->PatternTieup(1, 1), 1);
    EXPECT_EQ(d->PatternTieup(2, 2), 0);
    EXPECT_EQ(d->PatternTieup(3, 2), 1);
    EXPECT_EQ(d->PatternTieup(9, 8), 1);
    EXPECT_EQ(d->LiftplanWidth, 8);
    EXPECT_EQ(Lifted(*d, 3), (std::vector<int>{1, 2, 3}));
}

TEST(InsertShafts, StopsAt128AndOutsideTheShafts) {
    auto d = Straight8();
    d->PatternShafts = d->LiftplanWidth = 126;
    EXPECT_TRUE(InsertShafts(*d, 1, 5).changed);
    EXPECT_EQ(d->PatternShafts, 128) << "only two fit";
    EXPECT_EQ(d->PatternThreading[1], 3);
    EXPECT_FALSE(InsertShafts(*d, 1, 1).changed) << "128 in use";

    d = Straight8();
    d->PatternShafts = d->LiftplanWidth = 127;
    EXPECT_FALSE(InsertShafts(*d, 128, 1).changed) << "nothing is inserted at place 128";
    EXPECT_FALSE(InsertShafts(*d, 0, 1).changed);
    EXPECT_FALSE(InsertShafts(*d, 129, 1).changed);
    EXPECT_EQ(d->PatternShafts, 127);
}

TEST(DeleteShafts, RemovesTheirEndsAndClosesUp) {
    auto d = Straight8();
    d->ThreadingA[4] = 3;
    const StructureChange r = DeleteShafts(*d, 3, 2);
    EXPECT_TRUE(r.layout);
    EXPECT_EQ(d->PatternShafts, 6);
    EXPECT_EQ(d->LiftplanWidth, 6);
    // Ends on shafts 2 and 3 leave; 4..8 become 2..6; the last end is examined too.
    EXPECT_EQ(Threading(*d, 16),
              (std::vector<int>{1, 2, 3, 4, 5, 6, 1, 2, 3, 4, 5, 6, 0, 0, 0, 0}));
    EXPECT_EQ(d->ThreadingA[4], 3) << "the ground threadings do not move";
    EXPECT_EQ(Lifted(*d, 8), (std::vector<int>{1, 0, 0, 2, 3, 4, 5, 6}));
    EXPECT_FALSE(d->GetLiftplan(8, 8)) << "the freed columns clear";

    // With the pattern tie-up the rows close up and the liftplan stays.
    d = Straight8();
    d->PatternTieupOn = true;
    DeleteShafts(*d, 1, 1);
    EXPECT_EQ(d->PatternTieup(1, 2), 1);
    EXPECT_EQ(d->PatternTieup(7, 8), 1);
    EXPECT_EQ(d->PatternTieup(8, 8), 0);
    EXPECT_EQ(d->LiftplanWidth, 8);
    EXPECT_TRUE(d->GetLiftplan(1, 1));
}

TEST(DeleteShafts, KeepsTwoShaftsAndIgnoresPlacesBeyondTheCount) {
    auto d = Straight8();
    DeleteShafts(*d, 1, 8);
    EXPECT_EQ(d->PatternShafts, 2);
    EXPECT_EQ(d->LastPatternEnd(MaxEnds), 0);
    EXPECT_EQ(d->LastLiftplanPick(MaxPicks), 0);

    d = Straight8();
    DeleteShafts(*d, 7, 500);
    EXPECT_EQ(d->PatternShafts, 6);
    EXPECT_EQ(Threading(*d, 8), (std::vector<int>{1, 2, 3, 4, 5, 6, 1, 2}));
    EXPECT_FALSE(DeleteShafts(*d, 9, 12).changed);
}

TEST(PatternTieupLines, ShaftsAndTreadlesBeyond32StayOutsideTheTieup) {
    // Forty pattern shafts and treadles with the tie-up in use: only 32 rows and
    // columns exist, and the arrays after the tie-up are not touched.
    auto d = Straight8();
    d->PatternTieupOn = d->MultipleTreadles = true;
    d->PatternShafts = d->LiftplanWidth = 40;
    for (int p = 1; p <= MaxPicks; ++p) d->PatternTreadling[p] = 7;
    d->PatternTieup(32, 32) = 1;
    InsertShafts(*d, 30, 5);
    InsertTreadles(*d, 1, 3);
    DeleteShafts(*d, 31, 44);
    DeleteTreadles(*d, 1, 50);
    for (int p = 1; p <= MaxPicks; ++p) ASSERT_EQ(d->PatternTreadling[p], 7) << p;
    EXPECT_EQ(d->PatternShafts, 31);
    EXPECT_EQ(d->LiftplanWidth, 1);
}

TEST(Treadles, MoveTieupColumnsAndWithMultipleTreadlesTheLiftplan) {
    struct Case {
        bool tieup, multiple;
        bool inserts, liftplanMoves, deletes;
    };
    for (const Case& c :
         {Case{false, false, false, false, false}, Case{false, true, false, false, false},
          Case{true, false, false, false, true}, Case{true, true, true, true, true}}) {
        SCOPED_TRACE(testing::Message() << "tie-up " << c.tieup << " multiple " << c.multiple);
        auto d = Straight8();
        d->PatternTieupOn = c.tieup;
        d->MultipleTreadles = c.multiple;
        EXPECT_EQ(InsertTreadles(*d, 2, 1).changed, c.inserts);
        EXPECT_EQ(d->LiftplanWidth, c.inserts ? 9 : 8);
        EXPECT_EQ(d->PatternTieup(2, 3), c.inserts ? 1 : 0);
        EXPECT_EQ(d->GetLiftplan(2, 3), c.liftplanMoves);
        EXPECT_EQ(d->PatternShafts, 8);

        d = Straight8();
        d->PatternTieupOn = c.tieup;
        d->MultipleTreadles = c.multiple;
        EXPECT_EQ(DeleteTreadles(*d, 1, 2).changed, c.deletes);
        EXPECT_EQ(d->LiftplanWidth, c.deletes ? 6 : 8);
        EXPECT_EQ(d->PatternTieup(3, 1), c.deletes ? 1 : 0);
        EXPECT_EQ(d->GetLiftplan(3, 1), c.deletes && c.multiple);
        EXPECT_EQ(d->GetLiftplan(3, 3), !(c.deletes && c.multiple));
    }
}
