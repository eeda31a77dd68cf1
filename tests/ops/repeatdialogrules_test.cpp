#include <gtest/gtest.h>

#include <memory>

#include "ops/repeatdialogrules.h"

using namespace hm;

namespace {

using T = RepeatTarget;

std::unique_ptr<Draft> EmptyDraft(int ends = 1200, int picks = 1200) {
    auto d = std::make_unique<Draft>();
    d->ClearDraft();
    d->Ends = ends;
    d->Picks = picks;
    return d;
}

void ThreadEnds(Draft& d, int count) {
    for (int e = 1; e <= count; ++e) d.PatternThreading[e] = static_cast<uint8_t>((e - 1) % 4 + 1);
}

void LiftPicks(Draft& d, int count) {
    for (int p = 1; p <= count; ++p) d.SetLiftplan(p, (p - 1) % 4 + 1, true);
}

} // namespace

TEST(RepeatTargets, EnablingAndFallBack) {
    struct Case {
        bool pattern, b1, b2, design;
        T from, to;
    };
    const Case cases[] = {
        {true, true, true, false, T::PatternThreading, T::PatternThreading},
        {false, true, true, false, T::PatternThreading, T::ThreadingA},
        {false, true, true, false, T::Liftplan, T::TreadlingA},
        {true, false, true, false, T::ThreadingB, T::ThreadingA},
        {true, true, false, false, T::TreadlingB, T::TreadlingA},
        {true, false, false, false, T::WeftColors, T::WeftColors},
        // Design mode: the ground targets have no picture.
        {true, true, true, true, T::ThreadingA, T::PatternThreading},
        {true, true, true, true, T::ThreadingB, T::PatternThreading},
        {true, true, true, true, T::TreadlingA, T::Liftplan},
        {true, true, true, true, T::TreadlingB, T::Liftplan},
        {false, true, true, true, T::ThreadingA, T::WarpColors},
        {false, true, true, true, T::Liftplan, T::WeftColors},
        {false, true, true, true, T::WarpColors, T::WarpColors},
    };
    for (const Case& c : cases) {
        auto d = EmptyDraft();
        d->PatternThreadingOn = c.pattern;
        d->ThreadingBOn = c.b1;
        d->TreadlingBOn = c.b2;
        d->DesignMode = c.design;
        EXPECT_EQ(EnabledRepeatTarget(*d, c.from), c.to) << static_cast<int>(c.from);
        EXPECT_TRUE(RepeatTargetEnabled(*d, c.to));
        EXPECT_EQ(RepeatTargetEnabled(*d, c.from), c.from == c.to);
    }
}

TEST(RepeatProposal, EndPosition) {
    struct Case {
        const char* what;
        T target;
        int ends;
        int threaded;
        int warpColorRepeat;
        int start;
        int expected;
    };
    const Case cases[] = {
        {"used ends, far from the last", T::PatternThreading, 1200, 40, 0, 1, 40},
        {"the threading reaches Ends: its repeat", T::PatternThreading, 1200, 1200, 12, 1, 6},
        {"warp colours take their own repeat", T::WarpColors, 1200, 1200, 12, 1, 12},
        {"warp colours without one: the threading's", T::WarpColors, 1200, 1200, 0, 1, 6},
        {"within the last 100 ends: 8", T::PatternThreading, 1200, 1150, 0, 1, 8},
        {"a small draft: 8, at most the used ends", T::PatternThreading, 20, 8, 0, 1, 8},
        {"at most the used ends", T::PatternThreading, 20, 5, 0, 1, 5},
        {"an empty threading: the start", T::PatternThreading, 1200, 0, 0, 3, 3},
        {"never before the start", T::PatternThreading, 1200, 40, 0, 50, 50},
        {"other targets: 8", T::ThreadingA, 1200, 40, 0, 1, 8},
        {"other targets, later start", T::TreadlingB, 1200, 40, 0, 9, 9},
    };
    for (const Case& c : cases) {
        auto d = EmptyDraft(c.ends, 1200);
        ThreadEnds(*d, c.threaded);
        d->WarpRepeat = 6;
        d->WarpColorRepeat = c.warpColorRepeat;
        EXPECT_EQ(ProposeEndPosition(*d, c.target, c.start), c.expected) << c.what;
    }
}

TEST(RepeatProposal, LiftplanAndWeftColours) {
    auto d = EmptyDraft(1200, 200);
    LiftPicks(*d, 30);
    d->WeftRepeat = 4;
    d->WeftColorRepeat = 10;
    EXPECT_EQ(ProposeEndPosition(*d, T::Liftplan, 1), 30);
    EXPECT_EQ(ProposeEndPosition(*d, T::WeftColors, 1), 30);
    LiftPicks(*d, 200);
    EXPECT_EQ(ProposeEndPosition(*d, T::Liftplan, 1), 4);
    EXPECT_EQ(ProposeEndPosition(*d, T::WeftColors, 1), 10);
    d->WeftColorRepeat = 0;
    EXPECT_EQ(ProposeEndPosition(*d, T::WeftColors, 1), 4);
}

TEST(RepeatProposal, DesignModeLooksAtThePicture) {
    auto d = EmptyDraft(1200, 1200);
    d->DesignMode = true;
    d->SetDesignCell(3, 37, true);
    d->SetDesignCell(25, 2, true);
    ThreadEnds(*d, 500); // stale until Design mode is left
    EXPECT_EQ(ProposeEndPosition(*d, T::PatternThreading, 1), 37);
    EXPECT_EQ(ProposeEndPosition(*d, T::Liftplan, 1), 25);
}

TEST(RepeatDialog, OpeningWithASelection) {
    auto d = EmptyDraft(100, 100);
    ThreadEnds(*d, 8);
    d->FirstEnd = 10;
    d->FirstPick = 20;
    RepeatDialogValues v;
    const RepeatSelection threading = RepeatSelectionFromCells(*d, T::ThreadingA, 7, 3);
    OpenRepeatDialog(v, *d, &threading);
    EXPECT_EQ(v.target, T::ThreadingA);
    EXPECT_EQ(v.start, 13);
    EXPECT_EQ(v.end, 17);
    EXPECT_FALSE(v.fillPattern);
    EXPECT_FALSE(v.fillPatternEnabled);
    EXPECT_TRUE(RepeatGroupsVisible(v));

    // Another target keeps the selection's range.
    ChooseRepeatTarget(v, *d, T::PatternThreading);
    EXPECT_EQ(v.end, 17);

    const RepeatSelection lift = RepeatSelectionFromCells(*d, T::Liftplan, 2, 4, 6, 3);
    OpenRepeatDialog(v, *d, &lift);
    EXPECT_EQ(v.target, T::Liftplan);
    EXPECT_EQ(v.start, 22);
    EXPECT_EQ(v.end, 24);
    EXPECT_EQ(v.columns.first, 3);
    EXPECT_EQ(v.columns.last, 6);

    // Without a selection the next opening proposes again, over all columns;
    // "Fill Pattern" stays unchecked until New checks it again.
    v.start = 1;
    v.target = T::PatternThreading;
    OpenRepeatDialog(v, *d, nullptr);
    EXPECT_EQ(v.end, 8);
    EXPECT_EQ(v.columns.first, 1);
    EXPECT_EQ(v.columns.last, MaxPatternShafts);
    EXPECT_TRUE(v.fillPatternEnabled);
    EXPECT_FALSE(v.fillPattern);
    ResetFillPattern(v);
    EXPECT_TRUE(FillPatternChosen(v));
    EXPECT_FALSE(RepeatGroupsVisible(v));
}

TEST(RepeatDialog, OpeningWithoutASelection) {
    auto d = EmptyDraft(1200, 1200);
    ThreadEnds(*d, 1200);
    for (int p = 1; p <= 1200; ++p) d->SetLiftplan(p, 1, true);
    d->WarpRepeat = 4;
    RepeatDialogValues v;
    v.start = 2;
    v.target = T::ThreadingB;
    d->ThreadingBOn = false;
    OpenRepeatDialog(v, *d, nullptr);
    EXPECT_EQ(v.target, T::ThreadingA) << "a disabled target gives way";
    EXPECT_EQ(v.end, 8);
    EXPECT_FALSE(v.fillPatternEnabled) << "the whole draft is filled";
    EXPECT_FALSE(v.fillPattern);
    ChooseRepeatTarget(v, *d, T::PatternThreading);
    EXPECT_EQ(v.end, 4);
    ChooseRepeatTarget(v, *d, T::Liftplan);
    EXPECT_EQ(v.end, 8);
}

TEST(RepeatDialog, ControlEnabling) {
    struct Case {
        bool fill, fillEnabled;
        T target;
        bool link, groups;
    };
    const Case cases[] = {
        {true, true, T::WarpColors, true, false},  {false, true, T::WarpColors, false, true},
        {false, true, T::WeftColors, false, true}, {false, true, T::Liftplan, true, true},
        {true, false, T::WarpColors, false, true},
    };
    for (const Case& c : cases) {
        RepeatDialogValues v;
        v.fillPattern = c.fill;
        v.fillPatternEnabled = c.fillEnabled;
        v.target = c.target;
        EXPECT_EQ(LinkColorsEnabled(v), c.link);
        EXPECT_EQ(RepeatGroupsVisible(v), c.groups);
    }
    RepeatDialogValues v;
    EXPECT_FALSE(CopiesEnabled(v));
    v.fillRemaining = false;
    EXPECT_TRUE(CopiesEnabled(v));
}

TEST(RepeatDialog, ApplyRepeatsAndStoresTheEndPosition) {
    auto d = EmptyDraft(20, 20);
    ThreadEnds(*d, 4);
    for (int e = 1; e <= 4; ++e) d->WarpColors[e] = static_cast<uint8_t>(30 + e);
    RepeatDialogValues v;
    v.fillPattern = false;
    v.start = 4; // either order
    v.end = 1;
    v.fillRemaining = false;
    v.copies = 2;
    const RepeatApplyResult r = ApplyRepeatDialog(*d, v);
    EXPECT_TRUE(r.changed);
    EXPECT_FALSE(r.filled);
    EXPECT_EQ(d->PatternThreading[12], 4);
    EXPECT_EQ(d->PatternThreading[13], 0);
    EXPECT_EQ(d->WarpColors[12], 34) << "Link Colors";
    EXPECT_EQ(d->WarpRepeat, 4);

    // Link Colors is not enabled for a colour target, and an End beyond the
    // draft is stored cut to its length.
    v.target = T::WeftColors;
    v.start = 1;
    v.end = 9999;
    ApplyRepeatDialog(*d, v);
    EXPECT_EQ(d->WeftColorRepeat, 20);
    v.target = T::TreadlingA;
    const int weft = d->WeftRepeat;
    ApplyRepeatDialog(*d, v);
    EXPECT_EQ(d->WeftRepeat, weft);

    // With Fill Pattern the range is not used and no End is stored.
    auto f = EmptyDraft(20, 20);
    ThreadEnds(*f, 8);
    f->WarpRepeat = 99;
    RepeatDialogValues fill;
    fill.end = 2;
    const RepeatApplyResult filled = ApplyRepeatDialog(*f, fill);
    EXPECT_TRUE(filled.filled);
    EXPECT_EQ(f->PatternThreading[20], 4);
    EXPECT_EQ(f->WarpRepeat, 4);
}

TEST(RepeatDialog, PartialLiftplanColumnsShowTheSelectionAgain) {
    auto d = EmptyDraft(20, 20);
    LiftPicks(*d, 4);
    RepeatDialogValues v;
    const RepeatSelection part = RepeatSelectionFromCells(*d, T::Liftplan, 1, 4, 1, 2);
    OpenRepeatDialog(v, *d, &part);
    RepeatApplyResult r = ApplyRepeatDialog(*d, v);
    EXPECT_TRUE(r.showSelection);
    EXPECT_TRUE(d->GetLiftplan(5, 1));
    EXPECT_FALSE(d->GetLiftplan(7, 3)) << "column 3 lies outside the selection";
    EXPECT_EQ(d->WeftRepeat, 4);

    const RepeatSelection whole =
        RepeatSelectionFromCells(*d, T::Liftplan, 1, 4, 1, d->LiftplanWidth);
    OpenRepeatDialog(v, *d, &whole);
    r = ApplyRepeatDialog(*d, v);
    EXPECT_FALSE(r.showSelection);
    EXPECT_TRUE(d->GetLiftplan(7, 3));
}
