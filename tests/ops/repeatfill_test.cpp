#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "model/design.h"
#include "ops/repeatfill.h"

using namespace hm;

namespace {

std::unique_ptr<Draft> EmptyDraft(int ends, int picks) {
    auto d = std::make_unique<Draft>();
    d->ClearDraft();
    d->Ends = ends;
    d->Picks = picks;
    return d;
}

template <int N> std::vector<int> Entries(const OneBasedBytes<N>& a, int from, int to) {
    std::vector<int> v;
    for (int i = from; i <= to; ++i) v.push_back(a[i]);
    return v;
}

std::vector<int> Cycle(std::initializer_list<int> unit, int count) {
    std::vector<int> v;
    while (static_cast<int>(v.size()) < count)
        for (int x : unit)
            if (static_cast<int>(v.size()) < count) v.push_back(x);
    return v;
}

// Pattern threading 1,2,3,4 and warp colours 11..14 on ends 1..4; liftplan
// picks 1..3 lifting columns 1, 2 and 1+3 with weft colours 21..23.
std::unique_ptr<Draft> Sample(int ends = 20, int picks = 12) {
    auto d = EmptyDraft(ends, picks);
    for (int e = 1; e <= 4; ++e) {
        d->PatternThreading[e] = static_cast<uint8_t>(e);
        d->ThreadingA[e] = static_cast<uint8_t>(5 - e);
        d->WarpColors[e] = static_cast<uint8_t>(10 + e);
    }
    d->SetLiftplan(1, 1, true);
    d->SetLiftplan(2, 2, true);
    d->SetLiftplan(3, 1, true);
    d->SetLiftplan(3, 3, true);
    for (int p = 1; p <= 3; ++p) {
        d->WeftColors[p] = static_cast<uint8_t>(20 + p);
        d->TreadlingA[p] = static_cast<uint8_t>(p);
    }
    return d;
}

} // namespace

TEST(RepeatBlock, CopiesFillRemainingOrCountedAndCutAtTheEnd) {
    struct Case {
        int s, e, copies;
        std::vector<int> expected; // pattern threading 1..21
    };
    std::vector<int> filled = Cycle({1, 2, 3, 4}, 20);
    filled.push_back(0);
    std::vector<int> twice = Cycle({1, 2, 3, 4}, 12);
    twice.resize(21, 0);
    const Case cases[] = {
        {1, 4, 60000, filled},
        {1, 4, 2, twice},
        {4, 1, 60000, filled}, // either order
        // Ends 2..3 copied after end 3; the copy at 18..19 and the cut one at 20.
        {2, 3, 60000, {1, 2, 3, 2, 3, 2, 3, 2, 3, 2, 3, 2, 3, 2, 3, 2, 3, 2, 3, 2, 0}},
        // A block longer than the room left is cut at the last end.
        {1, 15, 60000, {1, 2, 3, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 3, 4, 0, 0}},
        {1, 4, 0, Cycle({1, 2, 3, 4, 0}, 4)},
    };
    for (const Case& c : cases) {
        auto d = Sample();
        RepeatBlock(*d, RepeatTarget::PatternThreading, c.s, c.e, false, c.copies);
        std::vector<int> expected = c.expected;
        expected.resize(21, 0);
        EXPECT_EQ(Entries(d->PatternThreading, 1, 21), expected) << c.s << ".." << c.e;
        EXPECT_EQ(d->WarpColors[5], d->DefaultWarpColor()) << "no link";
    }
}

TEST(RepeatBlock, RangesBeyondTheDraftCopyNothing) {
    for (auto [s, e] : {std::pair{21, 30}, std::pair{20, 9999}, std::pair{9999, 9999}}) {
        auto d = Sample();
        const auto before = std::make_unique<Draft>(*d);
        EXPECT_FALSE(RepeatBlock(*d, RepeatTarget::PatternThreading, s, e, true, 60000));
        EXPECT_EQ(d->PatternThreading.bytes, before->PatternThreading.bytes);
        EXPECT_EQ(d->WarpColors.bytes, before->WarpColors.bytes);
    }
    auto full = Sample(MaxEnds, MaxPicks);
    EXPECT_TRUE(RepeatBlock(*full, RepeatTarget::PatternThreading, 1, 4, true, 60000));
    EXPECT_EQ(full->PatternThreading[MaxEnds], 4);
    EXPECT_TRUE(RepeatBlock(*full, RepeatTarget::Liftplan, 1, 3, true, 60000));
    EXPECT_TRUE(full->GetLiftplan(MaxPicks, 1));
    EXPECT_TRUE(full->GetLiftplan(MaxPicks, 3));
}

TEST(RepeatBlock, LinkMovesColoursOnlyWithThePatternLevel) {
    auto d = Sample();
    RepeatBlock(*d, RepeatTarget::PatternThreading, 1, 4, true, 60000);
    EXPECT_EQ(Entries(d->WarpColors, 5, 8), (std::vector<int>{11, 12, 13, 14}));
    EXPECT_EQ(d->WarpColors[20], 14);

    d = Sample();
    RepeatBlock(*d, RepeatTarget::ThreadingA, 1, 4, true, 60000);
    EXPECT_EQ(Entries(d->ThreadingA, 5, 9), (std::vector<int>{4, 3, 2, 1, 4}));
    EXPECT_EQ(d->WarpColors[5], d->DefaultWarpColor());

    d = Sample();
    RepeatBlock(*d, RepeatTarget::Liftplan, 1, 3, true, 1);
    EXPECT_TRUE(d->GetLiftplan(6, 1) && d->GetLiftplan(6, 3) && d->GetLiftplan(5, 2));
    EXPECT_FALSE(d->LiftplanRowUsed(7));
    EXPECT_EQ(Entries(d->WeftColors, 4, 7), (std::vector<int>{21, 22, 23, d->DefaultWeftColor()}));

    d = Sample();
    RepeatBlock(*d, RepeatTarget::TreadlingA, 1, 3, true, 60000);
    EXPECT_EQ(Entries(d->TreadlingA, 10, 13), (std::vector<int>{1, 2, 3, 0}));
    EXPECT_EQ(d->WeftColors[4], d->DefaultWeftColor());

    d = Sample();
    RepeatBlock(*d, RepeatTarget::WeftColors, 2, 3, true, 60000);
    EXPECT_EQ(Entries(d->WeftColors, 4, 7), (std::vector<int>{22, 23, 22, 23}));
    EXPECT_FALSE(d->LiftplanRowUsed(4));
}

TEST(RepeatBlock, LiftplanColumnRange) {
    auto d = Sample();
    d->SetLiftplan(1, 40, true); // beyond LiftplanWidth: whole rows carry it
    d->SetLiftplan(6, 9, true);
    RepeatBlock(*d, RepeatTarget::Liftplan, 1, 3, false, 60000, {1, d->LiftplanWidth});
    EXPECT_TRUE(d->GetLiftplan(4, 40));
    EXPECT_FALSE(d->GetLiftplan(6, 9)) << "a whole row replaces the old one";

    d = Sample();
    d->SetLiftplan(6, 9, true);
    d->SetLiftplan(5, 3, true);
    RepeatBlock(*d, RepeatTarget::Liftplan, 1, 3, false, 60000, {3, 2});
    for (int p = 4; p <= 12; ++p) {
        const int source = (p - 1) % 3 + 1;
        EXPECT_FALSE(d->GetLiftplan(p, 1)) << "column 1 lies outside the range";
        EXPECT_EQ(d->GetLiftplan(p, 2), d->GetLiftplan(source, 2)) << p;
        EXPECT_EQ(d->GetLiftplan(p, 3), d->GetLiftplan(source, 3)) << p;
    }
    EXPECT_TRUE(d->GetLiftplan(6, 9)) << "cells outside the range stay";
}

TEST(RepeatBlock, DesignModeCopiesThePicture) {
    auto d = Sample(MaxEnds, 30);
    d->PatternThreading[3] = 3;
    BuildDesign(*d, DesignSize, DesignSize);
    d->DesignMode = true;
    d->ClearPatternThreading(1);
    const auto ground = std::make_unique<Draft>(*d);

    EXPECT_TRUE(RepeatBlock(*d, RepeatTarget::PatternThreading, 1, 4, true, 60000));
    for (int e : {5, 9, DesignSize}) {
        const int source = (e - 1) % 4 + 1;
        for (int p = 1; p <= 4; ++p)
            EXPECT_EQ(d->GetDesignCell(p, e), d->GetDesignCell(p, source)) << e << "," << p;
        EXPECT_EQ(d->WarpColors[e], 10 + source);
    }
    EXPECT_EQ(d->WarpColors[DesignSize + 1], d->DefaultWarpColor()) << "the picture ends at 2400";
    EXPECT_EQ(d->PatternThreading[5], 0) << "the picture, not the threading";

    EXPECT_TRUE(RepeatBlock(*d, RepeatTarget::Liftplan, 1, 3, false, 1));
    for (int e = 1; e <= 8; ++e) EXPECT_EQ(d->GetDesignCell(6, e), d->GetDesignCell(3, e));
    EXPECT_EQ(d->WeftColors[6], d->DefaultWeftColor());

    // The ground targets have no picture: nothing at all is copied.
    for (RepeatTarget t : {RepeatTarget::ThreadingA, RepeatTarget::TreadlingA,
                           RepeatTarget::ThreadingB, RepeatTarget::TreadlingB}) {
        auto g = std::make_unique<Draft>(*ground);
        EXPECT_FALSE(RepeatBlock(*g, t, 1, 3, true, 60000));
        EXPECT_EQ(g->ThreadingA.bytes, ground->ThreadingA.bytes);
        EXPECT_EQ(g->TreadlingA.bytes, ground->TreadlingA.bytes);
        EXPECT_EQ(g->WeftColors.bytes, ground->WeftColors.bytes);
        EXPECT_EQ(g->WarpColors.bytes, ground->WarpColors.bytes);
        EXPECT_EQ(g->DesignGrid, ground->DesignGrid);
    }
}

TEST(FillPattern, ExtendsEveryPartThatStopsShort) {
    auto d = Sample(20, 12);
    // Two repeats of 1..4 on ends 1..8; threading A has no shorter repeat.
    for (int e = 5; e <= 8; ++e) {
        d->PatternThreading[e] = static_cast<uint8_t>(e - 4);
        d->WarpColors[e] = static_cast<uint8_t>(10 + (e - 1) % 2 + 1); // 11,12 repeat
    }
    for (int e = 1; e <= 4; ++e) d->WarpColors[e] = static_cast<uint8_t>(10 + (e - 1) % 2 + 1);
    d->ThreadingB[1] = 2; // B is switched off: left alone
    d->ThreadingBOn = false;
    ASSERT_TRUE(FillPatternOffered(*d));
    EXPECT_TRUE(FillPattern(*d, true));
    EXPECT_EQ(Entries(d->PatternThreading, 1, 20), Cycle({1, 2, 3, 4}, 20));
    EXPECT_EQ(d->WarpRepeat, 4);
    EXPECT_EQ(Entries(d->WarpColors, 1, 20), Cycle({11, 12}, 20));
    EXPECT_EQ(d->WarpColorRepeat, 2);
    EXPECT_EQ(Entries(d->ThreadingA, 1, 20), Cycle({4, 3, 2, 1}, 20));
    EXPECT_EQ(d->ThreadingB[2], 0);
    EXPECT_EQ(Entries(d->TreadlingA, 1, 12), Cycle({1, 2, 3}, 12));
    for (int p = 4; p <= 12; ++p)
        EXPECT_EQ(std::memcmp(d->LiftplanRow(p), d->LiftplanRow((p - 1) % 3 + 1), LiftplanRowBytes),
                  0);
    EXPECT_EQ(d->WeftRepeat, 3);
    EXPECT_EQ(Entries(d->WeftColors, 1, 12), Cycle({21, 22, 23}, 12));
    EXPECT_EQ(d->WeftColorRepeat, 3);

    // Now every part reaches the end: nothing more to fill, nothing offered.
    EXPECT_FALSE(FillPatternOffered(*d));
    EXPECT_FALSE(FillPattern(*d, true));
}

TEST(FillPattern, WithoutLinkTheColoursStay) {
    auto d = Sample(20, 12);
    d->WarpColorRepeat = 77;
    FillPattern(*d, false);
    EXPECT_EQ(d->PatternThreading[20], 4);
    EXPECT_EQ(d->WarpColors[5], d->DefaultWarpColor());
    EXPECT_EQ(d->WarpColorRepeat, 77);
}

TEST(FillPattern, TheTest) {
    struct Case {
        const char* what;
        void (*change)(Draft&);
        bool offered;
    };
    const Case cases[] = {
        {"pattern threading short", [](Draft&) {}, true},
        {"every part full",
         [](Draft& d) {
             for (int e = 1; e <= d.Ends; ++e) d.PatternThreading[e] = 1, d.ThreadingA[e] = 1;
             for (int p = 1; p <= d.Picks; ++p) d.SetLiftplan(p, 1, true), d.TreadlingA[p] = 1;
         },
         false},
        {"only the liftplan's last pick empty",
         [](Draft& d) {
             for (int e = 1; e <= d.Ends; ++e) d.PatternThreading[e] = 1, d.ThreadingA[e] = 1;
             for (int p = 1; p < d.Picks; ++p) d.SetLiftplan(p, 1, true), d.TreadlingA[p] = 1;
             d.TreadlingA[d.Picks] = 1;
         },
         true},
        {"pattern level off, ground full",
         [](Draft& d) {
             d.PatternThreadingOn = false;
             for (int e = 1; e <= d.Ends; ++e) d.ThreadingA[e] = 1;
             for (int p = 1; p <= d.Picks; ++p) d.TreadlingA[p] = 1;
         },
         false},
        {"pattern level off, treadling B short",
         [](Draft& d) {
             d.PatternThreadingOn = false;
             for (int e = 1; e <= d.Ends; ++e) d.ThreadingA[e] = 1;
             for (int p = 1; p <= d.Picks; ++p) d.TreadlingA[p] = 1;
             d.TreadlingB[1] = 1;
         },
         true},
        {"treadling B short but switched off",
         [](Draft& d) {
             d.PatternThreadingOn = false;
             for (int e = 1; e <= d.Ends; ++e) d.ThreadingA[e] = 1;
             for (int p = 1; p <= d.Picks; ++p) d.TreadlingA[p] = 1;
             d.TreadlingB[1] = 1;
             d.TreadlingBOn = false;
         },
         false},
        {"threading B starting late",
         [](Draft& d) {
             d.PatternThreadingOn = false;
             for (int e = 1; e <= d.Ends; ++e) d.ThreadingA[e] = 1;
             for (int p = 1; p <= d.Picks; ++p) d.TreadlingA[p] = 1;
             d.ThreadingB[2] = 1;
         },
         false},
    };
    for (const Case& c : cases) {
        auto d = Sample(20, 12);
        c.change(*d);
        EXPECT_EQ(FillPatternOffered(*d), c.offered) << c.what;
    }
}

TEST(FillPattern, DesignModeFillsThePicture) {
    auto d = Sample(20, 12);
    d->SetLiftplan(2, 4, true); // every end of the unit shows in the picture
    BuildDesign(*d, DesignSize, DesignSize);
    d->DesignMode = true;
    d->ThreadingA.FillFrom(1, 0);
    d->ThreadingA[1] = 1; // ground parts are not edited in Design mode
    const auto before = std::make_unique<Draft>(*d);

    ASSERT_TRUE(FillPatternOffered(*d));
    EXPECT_EQ(d->PatternThreading.bytes, before->PatternThreading.bytes)
        << "the test works on a copy";
    EXPECT_TRUE(FillPattern(*d, true));
    for (int p = 1; p <= 12; ++p)
        for (int e = 1; e <= 20; ++e)
            EXPECT_EQ(d->GetDesignCell(p, e),
                      before->GetDesignCell((p - 1) % 3 + 1, (e - 1) % 4 + 1))
                << p << "," << e;
    EXPECT_FALSE(d->GetDesignCell(1, 21)) << "filled to the draft's ends";
    EXPECT_EQ(d->WarpColors[17], 11);
    EXPECT_EQ(d->ThreadingA.bytes, before->ThreadingA.bytes);
}

TEST(FillPattern, DesignModePictureNeedingTooManyShafts) {
    auto d = EmptyDraft(300, 12);
    d->DesignMode = true;
    // 200 distinct columns in ends 1..200 (column e sets rows from its binary digits).
    for (int e = 1; e <= 200; ++e)
        for (int bit = 0; bit < 8; ++bit)
            if ((e >> bit) & 1) d->SetDesignCell(bit + 1, e, true);
    const auto before = std::make_unique<Draft>(*d);
    EXPECT_FALSE(FillPatternOffered(*d));
    EXPECT_FALSE(FillPattern(*d, true));
    EXPECT_EQ(d->DesignGrid, before->DesignGrid);
    EXPECT_EQ(d->PatternThreading.bytes, before->PatternThreading.bytes);
}
