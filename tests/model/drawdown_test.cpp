#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <vector>

#include "model/drawdown.h"

using namespace hm;

namespace {

std::unique_ptr<Draft> NewDraft() {
    return std::make_unique<Draft>();
}

// End 1 on shaft A 1, pick 1 on treadle A 1.
std::unique_ptr<Draft> SingleCrossing(uint8_t cell, bool sinking) {
    auto d = NewDraft();
    d->SinkingShed = sinking;
    d->ThreadingA[1] = 1;
    d->TreadlingA[1] = 1;
    d->TieupAA(1, 1) = cell;
    return d;
}

} // namespace

TEST(Drawdown, RisingShedGroundAndPatternTies) {
    auto d = SingleCrossing(TieGround, false);
    EXPECT_TRUE(WarpOnTop(*d, 1, 1));

    d = SingleCrossing(TiePattern, false);
    d->PatternThreading[1] = 3;
    EXPECT_FALSE(WarpOnTop(*d, 1, 1)) << "pattern tie without lift";
    d->SetLiftplan(1, 3, true);
    EXPECT_TRUE(WarpOnTop(*d, 1, 1)) << "pattern tie with its shaft lifted";
    d->PatternThreadingOn = false;
    EXPECT_FALSE(WarpOnTop(*d, 1, 1)) << "the pattern level counts only while on";

    d = SingleCrossing(TieNone, false);
    EXPECT_FALSE(WarpOnTop(*d, 1, 1));
}

TEST(Drawdown, SinkingShedInvertsGroundCells) {
    EXPECT_FALSE(WarpOnTop(*SingleCrossing(TieGround, true), 1, 1));
    EXPECT_TRUE(WarpOnTop(*SingleCrossing(TieNone, true), 1, 1));

    // A pattern tie sinks the end only when its pattern shaft is marked.
    auto d = SingleCrossing(TiePattern, true);
    d->PatternThreading[1] = 2;
    EXPECT_TRUE(WarpOnTop(*d, 1, 1));
    d->SetLiftplan(1, 2, true);
    EXPECT_FALSE(WarpOnTop(*d, 1, 1));
}

TEST(Drawdown, EndWithoutGroundFollowsItsPatternShaft) {
    for (bool sinking : {false, true}) {
        auto d = NewDraft();
        d->SinkingShed = sinking;
        d->PatternThreading[5] = 3;
        d->TreadlingA[1] = d->TreadlingA[2] = 1;
        d->TieupAA(1, 1) = TieGround;
        d->SetLiftplan(2, 3, true);
        // Rising: up exactly where the bit is set; sinking: exactly where it is clear.
        EXPECT_EQ(WarpOnTop(*d, 1, 5), sinking);
        EXPECT_EQ(WarpOnTop(*d, 2, 5), !sinking);
        // An end with neither pattern shaft nor ground threading is always down.
        EXPECT_FALSE(WarpOnTop(*d, 2, 6));
    }
}

TEST(Drawdown, PickWithoutTreadlingFollowsPatternShaft) {
    auto d = NewDraft();
    d->ThreadingA[1] = 1;
    d->PatternThreading[1] = 4;
    d->TieupAA(1, 1) = TieGround; // irrelevant: no treadle pressed
    d->SetLiftplan(7, 4, true);
    EXPECT_TRUE(WarpOnTop(*d, 7, 1));
    EXPECT_FALSE(WarpOnTop(*d, 8, 1));
}

TEST(Drawdown, EveryTieupJoinsItsGroups) {
    // End 1 threaded on A2 and B3, pick 1 pressing A4 and B5; each tie-up alone raises.
    struct Case {
        TieupKind kind;
        int shaft, treadle;
    } cases[] = {
        {TieupKind::AA, 2, 4}, {TieupKind::BA, 3, 4}, {TieupKind::AB, 2, 5}, {TieupKind::BB, 3, 5}};
    for (const auto& c : cases) {
        auto d = NewDraft();
        d->ThreadingA[1] = 2;
        d->ThreadingB[1] = 3;
        d->TreadlingA[1] = 4;
        d->TreadlingB[1] = 5;
        d->SetTieup(c.kind, c.shaft, c.treadle, TieGround);
        EXPECT_TRUE(WarpOnTop(*d, 1, 1)) << static_cast<int>(c.kind);
    }
}

TEST(Drawdown, SwitchedOffGroupsAreIgnoredEvenWithData) {
    auto d = NewDraft();
    d->ThreadingA[1] = 1;
    d->ThreadingB[1] = 1;
    d->TreadlingA[1] = 1;
    d->TreadlingB[1] = 1;
    d->TieupBB(1, 1) = TieGround;
    d->TieupBA(1, 1) = TieGround;
    d->TieupAB(1, 1) = TieGround;
    EXPECT_TRUE(WarpOnTop(*d, 1, 1));
    d->ThreadingBOn = false; // BA and BB no longer apply; AB still does
    EXPECT_TRUE(WarpOnTop(*d, 1, 1));
    d->TreadlingBOn = false; // only AA is left, and it is 0
    EXPECT_FALSE(WarpOnTop(*d, 1, 1));

    // Threading B alone does not make the ground level act while B is off.
    auto e = NewDraft();
    e->ThreadingBOn = false;
    e->ThreadingB[1] = 1;
    e->TreadlingA[1] = 1;
    e->TieupBA(1, 1) = TieGround;
    e->PatternThreading[1] = 1;
    e->SetLiftplan(1, 1, true);
    EXPECT_TRUE(WarpOnTop(*e, 1, 1)) << "follows the pattern shaft only";
    e->SetLiftplan(1, 1, false);
    EXPECT_FALSE(WarpOnTop(*e, 1, 1));
}

TEST(Drawdown, RisingShedFirstGroundTieWinsOverPatternTie) {
    auto d = NewDraft();
    d->ThreadingA[1] = 1;
    d->ThreadingB[1] = 1;
    d->TreadlingA[1] = 1;
    d->TieupAA(1, 1) = TiePattern;
    d->TieupBA(1, 1) = TieGround;
    EXPECT_TRUE(WarpOnTop(*d, 1, 1));
    d->TieupBA(1, 1) = TieNone;
    EXPECT_FALSE(WarpOnTop(*d, 1, 1));
}

TEST(Drawdown, SinkingShedNeedsEveryCellTied) {
    auto d = NewDraft();
    d->SinkingShed = true;
    d->ThreadingA[1] = 1;
    d->ThreadingB[1] = 1;
    d->TreadlingA[1] = 1;
    d->TieupAA(1, 1) = TieGround;
    d->TieupBA(1, 1) = TieNone;
    EXPECT_TRUE(WarpOnTop(*d, 1, 1)) << "one untied cell keeps the end up";
    d->TieupBA(1, 1) = TieGround;
    EXPECT_FALSE(WarpOnTop(*d, 1, 1));
}

TEST(Drawdown, DesignModeReadsThePicture) {
    auto d = NewDraft();
    d->DesignMode = true;
    d->SetDesignCell(3, 4, true);
    EXPECT_TRUE(WarpOnTop(*d, 3, 4));
    EXPECT_FALSE(WarpOnTop(*d, 3, 5));
    d->SinkingShed = true;
    EXPECT_FALSE(WarpOnTop(*d, 3, 4));
    EXPECT_TRUE(WarpOnTop(*d, 3, 5));
}

TEST(Drawdown, DamagedEntriesNeverReadOutsideTheTables) {
    auto d = NewDraft();
    d->ThreadingA[1] = 200;
    d->PatternThreading[1] = 250;
    d->TreadlingA[MaxPicks] = 99;
    for (int p : {1, MaxPicks}) EXPECT_FALSE(WarpOnTop(*d, p, 1));
}

// The row evaluator must agree with the cell rule everywhere.
namespace {

// A random draft over all of its capacity: every group switch and both sheds
// come from `variant`; threadings include damaged entries beyond the tables.
std::unique_ptr<Draft> RandomDraft(std::mt19937& rng, int variant) {
    auto d = NewDraft();
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    d->SinkingShed = variant & 1;
    d->PatternThreadingOn = (variant & 2) == 0;
    d->ThreadingBOn = (variant & 4) == 0;
    d->TreadlingBOn = (variant & 8) == 0;
    for (int e = 1; e <= MaxEnds; ++e) {
        d->ThreadingA[e] = static_cast<uint8_t>(pick(3) ? pick(9) : 0);
        d->ThreadingB[e] = static_cast<uint8_t>(pick(2) ? pick(5) : 0);
        d->PatternThreading[e] = static_cast<uint8_t>(pick(3) ? pick(129) : 0);
    }
    d->ThreadingA[7] = 40; // beyond the 32 shafts of a group
    d->PatternThreading[9] = 200;
    for (int p = 1; p <= MaxPicks; ++p) {
        d->TreadlingA[p] = static_cast<uint8_t>(pick(3) ? pick(9) : 0);
        d->TreadlingB[p] = static_cast<uint8_t>(pick(2) ? pick(5) : 0);
        for (int c = 1; c <= 128; ++c) d->SetLiftplan(p, c, pick(2));
    }
    d->TreadlingA[3] = 33;
    for (int s = 1; s <= 8; ++s)
        for (int t = 1; t <= 8; ++t)
            for (TieupKind k : {TieupKind::AA, TieupKind::AB, TieupKind::BA, TieupKind::BB})
                d->SetTieup(k, s, t, static_cast<uint8_t>(pick(3)));
    return d;
}

// Checks one slice of one pick in both output forms against the cell rule.
void ExpectSliceMatches(const DrawdownRows& rows, const Draft& d, bool draftRule, int pick,
                        int firstEnd, int count) {
    std::vector<uint8_t> bytes(static_cast<size_t>(count));
    std::vector<uint64_t> bits(static_cast<size_t>((count + 63) / 64) + 1, ~uint64_t{0});
    rows.WarpOnTopRow(pick, firstEnd, count, bytes.data());
    rows.WarpOnTopBits(pick, firstEnd, count, bits.data());
    for (int k = 0; k < count; ++k) {
        const int e = firstEnd + k;
        const bool expected = draftRule ? !WeftOnTop(d, pick, e) : WarpOnTop(d, pick, e);
        ASSERT_EQ(bytes[static_cast<size_t>(k)] != 0, expected)
            << "pick " << pick << " end " << e << " slice from " << firstEnd;
        ASSERT_EQ(((bits[static_cast<size_t>(k / 64)] >> (k % 64)) & 1) != 0, expected)
            << "bits: pick " << pick << " end " << e << " slice from " << firstEnd;
    }
    if (count % 64) {
        EXPECT_EQ(bits[static_cast<size_t>(count / 64)] >> (count % 64), 0u) << "bits after count";
    }
}

} // namespace

TEST(Drawdown, RowEvaluatorMatchesTheRuleOnRandomDrafts) {
    std::mt19937 rng(1234);
    for (int variant = 0; variant < 16; ++variant) {
        auto d = RandomDraft(rng, variant);
        for (bool draftRule : {false, true}) {
            const DrawdownRows rows(*d, draftRule ? DrawdownRows::Rule::DraftRule
                                                  : DrawdownRows::Rule::ModeAware);
            // Whole rows, then slices at unaligned starts and up to the last end.
            for (int p = 1; p <= 40; ++p) ExpectSliceMatches(rows, *d, draftRule, p, 1, 300);
            for (int p : {1, 3, 77, MaxPicks}) {
                ExpectSliceMatches(rows, *d, draftRule, p, 1, MaxEnds);
                ExpectSliceMatches(rows, *d, draftRule, p, 63, 130);
                ExpectSliceMatches(rows, *d, draftRule, p, MaxEnds - 70, 71);
                ExpectSliceMatches(rows, *d, draftRule, p, 4000 + p % 64, 1);
            }
        }
    }
}

TEST(Drawdown, RowEvaluatorInDesignMode) {
    std::mt19937 rng(99);
    auto d = RandomDraft(rng, 0);
    d->DesignMode = true;
    for (int r = 1; r <= 30; ++r)
        for (int c = 1; c <= DesignSize; ++c) d->SetDesignCell(r, c, rng() % 2);
    d->SetDesignCell(DesignSize, DesignSize, true);
    for (bool sinking : {false, true}) {
        d->SinkingShed = sinking;
        const DrawdownRows picture(*d);
        const DrawdownRows draftRule(*d, DrawdownRows::Rule::DraftRule);
        for (int p : {1, 2, 30, DesignSize, DesignSize + 1}) {
            // Ends beyond the picture read as empty cells.
            ExpectSliceMatches(picture, *d, false, p, 1, 2500);
            ExpectSliceMatches(picture, *d, false, p, DesignSize - 3, 9);
            ExpectSliceMatches(draftRule, *d, true, p, 5, 200);
        }
    }
}

TEST(Drawdown, RowEvaluatorReadsNothingBeyondTheCapacity) {
    auto d = NewDraft();
    d->SinkingShed = true;
    d->PatternThreading[MaxEnds] = 1;
    const DrawdownRows rows(*d);
    uint8_t out[4] = {9, 9, 9, 9};
    rows.WarpOnTopRow(1, MaxEnds - 1, 4, out); // two ends past the last
    EXPECT_EQ(out[0], 0);
    EXPECT_EQ(out[1], 1) << "a pattern end whose shaft is not lifted sinks";
    EXPECT_EQ(out[2], 0);
    EXPECT_EQ(out[3], 0);
}

// Repeated treadlings and lifts reuse rows already computed; a tie-up cell read
// by every pick must still give each pick its own answer.
TEST(Drawdown, RepeatedRowsAgreeWithTheRule) {
    std::mt19937 rng(5);
    auto d = RandomDraft(rng, 0);
    for (int p = 1; p <= 96; ++p) {
        d->TreadlingA[p] = static_cast<uint8_t>((p - 1) % 4 + 1);
        d->TreadlingB[p] = static_cast<uint8_t>(p % 3 == 0 ? 2 : 0);
        for (int c = 1; c <= 128; ++c) d->SetLiftplan(p, c, (p / 4 + c) % 3 == 0);
    }
    const DrawdownRows rows(*d);
    for (int pass = 0; pass < 2; ++pass)
        for (int p = 1; p <= 96; ++p) ExpectSliceMatches(rows, *d, false, p, 10, 500);
    ExpectSliceMatches(rows, *d, false, 5, 700, 90); // another range after the cached one
}
