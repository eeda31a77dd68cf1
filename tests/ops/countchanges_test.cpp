#include <gtest/gtest.h>

#include <memory>

#include "model/draft.h"
#include "ops/countchanges.h"

namespace hm {
namespace {

std::unique_ptr<Draft> MakeDraft() {
    return std::make_unique<Draft>();
}

TEST(FoldEntry, FoldsOnlyEntriesAboveTheCount) {
    EXPECT_EQ(FoldEntry(7, 6), 1);
    EXPECT_EQ(FoldEntry(8, 6), 2);
    EXPECT_EQ(FoldEntry(12, 6), 6); // 12 mod 6 = 0 becomes 6
    EXPECT_EQ(FoldEntry(6, 6), 6);
    EXPECT_EQ(FoldEntry(0, 6), 0); // empty stays empty
    EXPECT_EQ(FoldEntry(200, 128), 72);
    EXPECT_EQ(FoldEntry(9, 0), 9); // no count: nothing to fold into
}

TEST(ApplyCountChanges, ShrinkingTreadlesAFoldsSevenAndEightIntoOneAndTwo) {
    auto d = MakeDraft();
    d->TreadlesA = 8;
    for (int p = 1; p <= 8; ++p) d->TreadlingA[p] = static_cast<uint8_t>(p);
    d->TreadlingA[4000] = 8; // beyond Picks: folded too, so nothing out of range remains
    d->TreadlingB[1] = 2;
    const DraftCounts before = CountsOf(*d);
    d->TreadlesA = 6;
    ApplyCountChanges(*d, before);
    const uint8_t expected[] = {1, 2, 3, 4, 5, 6, 1, 2};
    for (int p = 1; p <= 8; ++p) EXPECT_EQ(d->TreadlingA[p], expected[p - 1]) << "pick " << p;
    EXPECT_EQ(d->TreadlingA[4000], 2);
    EXPECT_EQ(d->TreadlingB[1], 2);
}

TEST(ApplyCountChanges, ShrinkingShaftCountsFoldsEachThreadingByItsOwnCount) {
    auto d = MakeDraft();
    d->PatternShafts = d->LiftplanWidth = 16;
    d->ShaftsA = 8;
    d->ShaftsB = 4;
    d->PatternThreading[1] = 16;
    d->PatternThreading[2] = 11;
    d->ThreadingA[1] = 8;
    d->ThreadingA[2] = 5;
    d->ThreadingB[1] = 4;
    const DraftCounts before = CountsOf(*d);
    d->PatternShafts = d->LiftplanWidth = 10;
    d->ShaftsA = 4;
    // ShaftsB unchanged: its entries stay even if they exceed another count.
    ApplyCountChanges(*d, before);
    EXPECT_EQ(d->PatternThreading[1], 6);
    EXPECT_EQ(d->PatternThreading[2], 1);
    EXPECT_EQ(d->ThreadingA[1], 4);
    EXPECT_EQ(d->ThreadingA[2], 1);
    EXPECT_EQ(d->ThreadingB[1], 4);
}

TEST(ApplyCountChanges, GrowingCountsChangeNothing) {
    auto d = MakeDraft();
    d->TreadlingA[3] = 4;
    d->ThreadingA[3] = 4;
    d->SetLiftplan(1200, 3, true);
    const auto copy = std::make_unique<Draft>(*d);
    const DraftCounts before = CountsOf(*d);
    d->Ends = d->Picks = 2000;
    d->TreadlesA = d->ShaftsA = 10;
    ApplyCountChanges(*d, before);
    EXPECT_EQ(d->ThreadingA.bytes, copy->ThreadingA.bytes);
    EXPECT_EQ(d->TreadlingA.bytes, copy->TreadlingA.bytes);
    EXPECT_EQ(d->Liftplan, copy->Liftplan);
    EXPECT_EQ(d->WarpColors.bytes, copy->WarpColors.bytes);
}

TEST(ApplyCountChanges, SmallerEndsClearsThreadingsAndResetsWarpColoursBeyondIt) {
    auto d = MakeDraft();
    d->SinkingShed = true; // default warp colour 0
    for (int e : {100, 101, 4800}) {
        d->PatternThreading[e] = 3;
        d->ThreadingA[e] = 2;
        d->ThreadingB[e] = 1;
        d->WarpColors[e] = 42;
    }
    d->TreadlingA[101] = 1; // a pick, untouched by the end count
    const DraftCounts before = CountsOf(*d);
    d->Ends = 100;
    ApplyCountChanges(*d, before);
    EXPECT_EQ(d->PatternThreading[100], 3);
    EXPECT_EQ(d->ThreadingA[100], 2);
    EXPECT_EQ(d->WarpColors[100], 42);
    for (int e : {101, 4800}) {
        EXPECT_EQ(d->PatternThreading[e], 0);
        EXPECT_EQ(d->ThreadingA[e], 0);
        EXPECT_EQ(d->ThreadingB[e], 0);
        EXPECT_EQ(d->WarpColors[e], 0);
    }
    EXPECT_EQ(d->TreadlingA[101], 1);
}

TEST(ApplyCountChanges, SmallerPicksClearsLiftplanTreadlingsAndResetsWeftColours) {
    auto d = MakeDraft();
    for (int p : {50, 51, 4800}) {
        d->SetLiftplan(p, 1, true);
        d->SetLiftplan(p, 128, true);
        d->TreadlingA[p] = 1;
        d->TreadlingB[p] = 2;
        d->WeftColors[p] = 9;
    }
    const DraftCounts before = CountsOf(*d);
    d->Picks = 50;
    ApplyCountChanges(*d, before);
    EXPECT_TRUE(d->GetLiftplan(50, 128));
    EXPECT_EQ(d->TreadlingB[50], 2);
    EXPECT_EQ(d->WeftColors[50], 9);
    for (int p : {51, 4800}) {
        EXPECT_FALSE(d->GetLiftplan(p, 1));
        EXPECT_FALSE(d->GetLiftplan(p, 128));
        EXPECT_EQ(d->TreadlingA[p], 0);
        EXPECT_EQ(d->TreadlingB[p], 0);
        EXPECT_EQ(d->WeftColors[p], RisingWeftColor);
    }
}

TEST(ApplyCountChanges, CountsOutsideTheCapacitiesAreClampedBeforeFolding) {
    auto d = MakeDraft();
    d->ThreadingA[1] = 30;
    d->PatternThreading[1] = 120;
    const DraftCounts before = CountsOf(*d);
    d->ShaftsA = 0; // would divide by zero
    d->PatternShafts = -5;
    d->Ends = 99999;
    d->TreadlesB = 500;
    ApplyCountChanges(*d, before);
    EXPECT_EQ(d->ShaftsA, 2);
    EXPECT_EQ(d->PatternShafts, 2);
    EXPECT_EQ(d->Ends, MaxEnds);
    EXPECT_EQ(d->TreadlesB, MaxTreadles);
    EXPECT_EQ(d->ThreadingA[1], 2);       // 30 mod 2 = 0 becomes 2
    EXPECT_EQ(d->PatternThreading[1], 2); // 120 mod 2 = 0 becomes 2
}

} // namespace
} // namespace hm
