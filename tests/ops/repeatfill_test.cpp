#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "model/design.h"
#include "ops/opstestsupport.h"
#include "ops/repeatfill.h"

using namespace hm;

namespace {

using hmtest::Entries;

std::vector<int> Cycle(std::vector<int> unit, int count, int zeros = 0) {
    std::vector<int> v;
    for (int i = 0; i < count; ++i) v.push_back(unit[static_cast<size_t>(i) % unit.size()]);
    v.resize(static_cast<size_t>(count + zeros), 0);
    return v;
}

// Ends 1..4: pattern threading 1..4, threading A 4..1, warp colours 11..14.
// Picks 1..3: liftplan columns 1, 2 and 1+3, treadling A 1..3, weft colours 21..23.
std::unique_ptr<Draft> Sample(int ends = 20, int picks = 12) {
    auto d = std::make_unique<Draft>();
    d->ClearDraft();
    d->Ends = ends;
    d->Picks = picks;
    for (int e = 1; e <= 4; ++e) {
        d->PatternThreading[e] = static_cast<uint8_t>(e);
        d->ThreadingA[e] = static_cast<uint8_t>(5 - e);
        d->WarpColors[e] = static_cast<uint8_t>(10 + e);
    }
    for (int p = 1; p <= 3; ++p) {
        d->SetLiftplan(p, p == 3 ? 1 : p, true);
        d->WeftColors[p] = static_cast<uint8_t>(20 + p);
        d->TreadlingA[p] = static_cast<uint8_t>(p);
    }
    d->SetLiftplan(3, 3, true);
    return d;
}

bool SameRow(const Draft& d, int a, int b) {
    return std::memcmp(d.LiftplanRow(a), d.LiftplanRow(b), LiftplanRowBytes) == 0;
}

} // namespace

TEST(RepeatBlock, CopiesCountsRangesAndCuts) {
    const struct {
        int s, e, copies;
        std::vector<int> expected; // pattern threading 1..21
    } cases[] = {
        {1, 4, 60000, Cycle({1, 2, 3, 4}, 20, 1)},
        {1, 4, 2, Cycle({1, 2, 3, 4}, 12, 9)},
        {4, 1, 60000, Cycle({1, 2, 3, 4}, 20, 1)}, // either order
        // A block longer than the room left is cut at the last end.
        {1, 15, 60000, {1, 2, 3, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 3, 4, 0, 0}},
        // Ranges beyond the draft copy nothing.
        {21, 30, 60000, Cycle({1, 2, 3, 4}, 4, 17)},
        {20, 9999, 60000, Cycle({1, 2, 3, 4}, 4, 17)},
    };
    for (const auto& c : cases) {
        auto d = Sample();
        RepeatBlock(*d, RepeatTarget::PatternThreading, c.s, c.e, false, c.copies);
        EXPECT_EQ(Entries(d->PatternThreading, 1, 21), c.expected) << c.s << ".." << c.e;
        EXPECT_EQ(d->WarpColors[5], d->DefaultWarpColor()) << "no link";
    }
    auto full = Sample(MaxEnds, MaxPicks);
    EXPECT_TRUE(RepeatBlock(*full, RepeatTarget::Liftplan, 1, 3, true, 60000));
    EXPECT_TRUE(SameRow(*full, MaxPicks, 3));
    EXPECT_EQ(full->WeftColors[MaxPicks], 23);
}

TEST(RepeatBlock, LinkMovesColoursOnlyWithThePatternLevel) {
    auto d = Sample();
    RepeatBlock(*d, RepeatTarget::PatternThreading, 1, 4, true, 60000);
    EXPECT_EQ(Entries(d->WarpColors, 5, 20), Cycle({11, 12, 13, 14}, 16));
    RepeatBlock(*d, RepeatTarget::ThreadingA, 1, 4, true, 60000);
    EXPECT_EQ(Entries(d->ThreadingA, 5, 9), (std::vector<int>{4, 3, 2, 1, 4}));

    d = Sample();
    RepeatBlock(*d, RepeatTarget::ThreadingA, 1, 4, true, 60000);
    EXPECT_EQ(d->WarpColors[5], d->DefaultWarpColor());
    RepeatBlock(*d, RepeatTarget::Liftplan, 1, 3, true, 1);
    EXPECT_TRUE(SameRow(*d, 6, 3));
    EXPECT_FALSE(d->LiftplanRowUsed(7));
    EXPECT_EQ(Entries(d->WeftColors, 4, 7), (std::vector<int>{21, 22, 23, d->DefaultWeftColor()}));
    RepeatBlock(*d, RepeatTarget::WeftColors, 2, 3, true, 60000);
    EXPECT_EQ(Entries(d->WeftColors, 4, 7), (std::vector<int>{22, 23, 22, 23}));
}

TEST(RepeatBlock, LiftplanColumnRange) {
    auto d = Sample();
    d->SetLiftplan(1, 40, true); // beyond LiftplanWidth: whole rows carry it
    RepeatBlock(*d, RepeatTarget::Liftplan, 1, 3, false, 60000, {1, d->LiftplanWidth});
    EXPECT_TRUE(SameRow(*d, 4, 1));

    d = Sample();
    d->SetLiftplan(6, 9, true);
    RepeatBlock(*d, RepeatTarget::Liftplan, 1, 3, false, 60000, {3, 2});
    for (int p = 4; p <= 12; ++p) {
        const int source = (p - 1) % 3 + 1;
        EXPECT_FALSE(d->GetLiftplan(p, 1)) << "column 1 lies outside the range";
        EXPECT_EQ(d->GetLiftplan(p, 2), d->GetLiftplan(source, 2)) << p;
        EXPECT_EQ(d->GetLiftplan(p, 3), d->GetLiftplan(source, 3)) << p;
    }
    EXPECT_TRUE(d->GetLiftplan(6, 9)) << "cells outside the range stay";
}

TEST(RepeatBlock, DesignModeCopiesThePictureAndLeavesTheGroundAlone) {
    auto d = Sample(MaxEnds, 30);
    BuildDesign(*d, DesignSize, DesignSize);
    d->DesignMode = true;
    const auto before = std::make_unique<Draft>(*d);
    for (RepeatTarget t : {RepeatTarget::ThreadingA, RepeatTarget::TreadlingB}) {
        EXPECT_FALSE(RepeatBlock(*d, t, 1, 3, true, 60000));
        EXPECT_EQ(d->ThreadingA.bytes, before->ThreadingA.bytes);
        EXPECT_EQ(d->TreadlingA.bytes, before->TreadlingA.bytes);
        EXPECT_EQ(d->WeftColors.bytes, before->WeftColors.bytes);
        EXPECT_EQ(d->DesignGrid, before->DesignGrid);
    }
    EXPECT_TRUE(RepeatBlock(*d, RepeatTarget::PatternThreading, 1, 4, true, 60000));
    for (int e : {5, 9, DesignSize}) {
        const int source = (e - 1) % 4 + 1;
        for (int p = 1; p <= 3; ++p)
            EXPECT_EQ(d->GetDesignCell(p, e), d->GetDesignCell(p, source)) << e << "," << p;
        EXPECT_EQ(d->WarpColors[e], 10 + source);
    }
    EXPECT_EQ(d->WarpColors[DesignSize + 1], d->DefaultWarpColor()) << "the picture ends at 2400";
    EXPECT_EQ(d->PatternThreading[5], 0) << "the picture, not the threading";
    EXPECT_TRUE(RepeatBlock(*d, RepeatTarget::Liftplan, 1, 3, false, 1));
    EXPECT_EQ(std::memcmp(d->DesignRow(6), d->DesignRow(3), DesignRowBytes), 0);
}

TEST(FillPattern, ExtendsEveryPartThatStopsShort) {
    auto d = Sample(20, 12);
    for (int e = 1; e <= 8; ++e) {
        d->PatternThreading[e] = static_cast<uint8_t>((e - 1) % 4 + 1); // two repeats
        d->WarpColors[e] = static_cast<uint8_t>(11 + (e - 1) % 2);      // colour repeat 2
    }
    d->ThreadingB[1] = 2; // switched off: left alone
    d->ThreadingBOn = false;
    ASSERT_TRUE(FillPatternOffered(*d));
    EXPECT_TRUE(FillPattern(*d, true));
    EXPECT_EQ(Entries(d->PatternThreading, 1, 20), Cycle({1, 2, 3, 4}, 20));
    EXPECT_EQ(Entries(d->WarpColors, 1, 20), Cycle({11, 12}, 20));
    EXPECT_EQ(Entries(d->ThreadingA, 1, 20), Cycle({4, 3, 2, 1}, 20));
    EXPECT_EQ(d->ThreadingB[2], 0);
    EXPECT_EQ(Entries(d->TreadlingA, 1, 12), Cycle({1, 2, 3}, 12));
    EXPECT_EQ(Entries(d->WeftColors, 1, 12), Cycle({21, 22, 23}, 12));
    for (int p = 4; p <= 12; ++p) EXPECT_TRUE(SameRow(*d, p, (p - 1) % 3 + 1)) << p;
    EXPECT_EQ(d->WarpRepeat, 4);
    EXPECT_EQ(d->WarpColorRepeat, 2);
    EXPECT_EQ(d->WeftRepeat, 3);
    EXPECT_EQ(d->WeftColorRepeat, 3);
    // Every part reaches the end now: nothing is offered or done.
    EXPECT_FALSE(FillPatternOffered(*d));
    EXPECT_FALSE(FillPattern(*d, true));

    d = Sample(20, 12);
    FillPattern(*d, false);
    EXPECT_EQ(d->PatternThreading[20], 4);
    EXPECT_EQ(d->WarpColors[5], d->DefaultWarpColor()) << "without link";
}

TEST(FillPattern, TheTest) {
    const struct {
        const char* what;
        bool pattern, treadlingB, liftLastPick, threadB1, threadB2;
        bool offered;
    } cases[] = {
        {"every part full", true, true, true, false, false, false},
        {"the liftplan's last pick empty", true, true, false, false, false, true},
        {"pattern level off", false, true, false, false, false, false},
        {"treadling B short", false, true, false, true, false, true},
        {"treadling B short but off", false, false, false, true, false, false},
        {"treadling B starting late", false, true, false, false, true, false},
    };
    for (const auto& c : cases) {
        auto d = Sample(20, 12);
        for (int e = 1; e <= 20; ++e) d->PatternThreading[e] = d->ThreadingA[e] = 1;
        for (int p = 1; p <= 12; ++p) d->TreadlingA[p] = 1;
        for (int p = 1; p <= (c.liftLastPick ? 12 : 11); ++p) d->SetLiftplan(p, 1, true);
        d->PatternThreadingOn = c.pattern;
        d->TreadlingBOn = c.treadlingB;
        d->TreadlingB[c.threadB1 ? 1 : 2] = c.threadB1 || c.threadB2;
        EXPECT_EQ(FillPatternOffered(*d), c.offered) << c.what;
    }
}

TEST(FillPattern, DesignModeFillsThePicture) {
    auto d = Sample(20, 12);
    d->SetLiftplan(2, 4, true); // every end of the unit shows in the picture
    BuildDesign(*d, DesignSize, DesignSize);
    d->DesignMode = true;
    d->ThreadingA.FillFrom(2, 0); // ground parts are not edited in Design mode
    const auto before = std::make_unique<Draft>(*d);
    ASSERT_TRUE(FillPatternOffered(*d));
    EXPECT_EQ(d->PatternThreading.bytes, before->PatternThreading.bytes) << "tested on a copy";
    EXPECT_TRUE(FillPattern(*d, true));
    for (int p = 1; p <= 12; ++p)
        for (int e = 1; e <= 20; ++e)
            EXPECT_EQ(d->GetDesignCell(p, e),
                      before->GetDesignCell((p - 1) % 3 + 1, (e - 1) % 4 + 1))
                << p << "," << e;
    EXPECT_FALSE(d->GetDesignCell(1, 21)) << "filled to the draft's ends";
    EXPECT_EQ(d->WarpColors[17], 11);
    EXPECT_EQ(d->ThreadingA.bytes, before->ThreadingA.bytes);

    // A picture that needs more than 128 pattern shafts is not offered or touched.
    auto wide = Sample(300, 12);
    wide->DesignMode = true;
    for (int e = 1; e <= 200; ++e)
        for (int bit = 0; bit < 8; ++bit) wide->SetDesignCell(bit + 1, e, (e >> bit) & 1);
    const auto grid = wide->DesignGrid;
    EXPECT_FALSE(FillPatternOffered(*wide));
    EXPECT_FALSE(FillPattern(*wide, true));
    EXPECT_EQ(wide->DesignGrid, grid);
}
