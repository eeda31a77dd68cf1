#include <gtest/gtest.h>

#include <memory>

#include "ops/repeatdialogrules.h"

using namespace hm;

namespace {

using T = RepeatTarget;

// `threaded` ends on pattern shafts 1..4 over and over, `lifted` picks likewise.
std::unique_ptr<Draft> MakeDraft(int ends, int picks, int threaded, int lifted = 0) {
    auto d = std::make_unique<Draft>();
    d->ClearDraft();
    d->Ends = ends;
    d->Picks = picks;
    for (int e = 1; e <= threaded; ++e)
        d->PatternThreading[e] = static_cast<uint8_t>((e - 1) % 4 + 1);
    for (int p = 1; p <= lifted; ++p) d->SetLiftplan(p, (p - 1) % 4 + 1, true);
    return d;
}

} // namespace

TEST(RepeatTargets, EnablingAndFallBack) {
    const struct {
        bool pattern, b1, b2, design;
        T from, to;
    } cases[] = {
        {true, true, true, false, T::PatternThreading, T::PatternThreading},
        {false, true, true, false, T::PatternThreading, T::ThreadingA},
        {false, true, true, false, T::Liftplan, T::TreadlingA},
        {true, false, true, false, T::ThreadingB, T::ThreadingA},
        {true, true, false, false, T::TreadlingB, T::TreadlingA},
        // Design mode: the ground targets have no picture.
        {true, true, true, true, T::ThreadingB, T::PatternThreading},
        {true, true, true, true, T::TreadlingA, T::Liftplan},
        {false, true, true, true, T::ThreadingA, T::WarpColors},
        {false, true, true, true, T::Liftplan, T::WeftColors},
    };
    for (const auto& c : cases) {
        auto d = MakeDraft(20, 20, 0);
        d->PatternThreadingOn = c.pattern;
        d->ThreadingBOn = c.b1;
        d->TreadlingBOn = c.b2;
        d->DesignMode = c.design;
        EXPECT_EQ(EnabledRepeatTarget(*d, c.from), c.to) << static_cast<int>(c.from);
        EXPECT_EQ(RepeatTargetEnabled(*d, c.from), c.from == c.to);
    }
}

TEST(RepeatProposal, EndPosition) {
    const struct {
        const char* what;
        T target;
        int ends, threaded, warpColorRepeat, start, expected;
    } cases[] = {
        {"the used ends", T::PatternThreading, 1200, 40, 0, 1, 40},
        {"a full threading: its repeat", T::PatternThreading, 1200, 1200, 12, 1, 6},
        {"warp colours: their own repeat", T::WarpColors, 1200, 1200, 12, 1, 12},
        {"warp colours without one", T::WarpColors, 1200, 1200, 0, 1, 6},
        {"within the last 100 ends: 8", T::PatternThreading, 1200, 1150, 0, 1, 8},
        {"at most the used ends", T::PatternThreading, 20, 5, 0, 1, 5},
        {"an empty threading: the start", T::PatternThreading, 1200, 0, 0, 3, 3},
        {"never before the start", T::PatternThreading, 1200, 40, 0, 50, 50},
        {"other targets: 8", T::ThreadingA, 1200, 40, 0, 1, 8},
    };
    for (const auto& c : cases) {
        auto d = MakeDraft(c.ends, 1200, c.threaded);
        d->WarpRepeat = 6;
        d->WarpColorRepeat = c.warpColorRepeat;
        EXPECT_EQ(ProposeEndPosition(*d, c.target, c.start), c.expected) << c.what;
    }
    auto d = MakeDraft(1200, 200, 0, 30);
    d->WeftRepeat = 4;
    d->WeftColorRepeat = 10;
    EXPECT_EQ(ProposeEndPosition(*d, T::WeftColors, 1), 30);
    d = MakeDraft(1200, 200, 0, 200);
    d->WeftRepeat = 4;
    d->WeftColorRepeat = 10;
    EXPECT_EQ(ProposeEndPosition(*d, T::Liftplan, 1), 4);
    EXPECT_EQ(ProposeEndPosition(*d, T::WeftColors, 1), 10);

    // Design mode looks at the picture, not the stale pattern threading.
    d = MakeDraft(1200, 1200, 500);
    d->DesignMode = true;
    d->SetDesignCell(3, 37, true);
    d->SetDesignCell(25, 2, true);
    EXPECT_EQ(ProposeEndPosition(*d, T::PatternThreading, 1), 37);
    EXPECT_EQ(ProposeEndPosition(*d, T::Liftplan, 1), 25);
}

TEST(RepeatDialog, OpeningWithAndWithoutASelection) {
    auto d = MakeDraft(100, 100, 8);
    d->FirstEnd = 10;
    d->FirstPick = 20;
    RepeatDialogValues v;
    const RepeatSelection threading = RepeatSelectionFromCells(*d, T::ThreadingA, 7, 3);
    OpenRepeatDialog(v, *d, &threading);
    EXPECT_EQ(v.target, T::ThreadingA);
    EXPECT_EQ(v.start, 13);
    EXPECT_EQ(v.end, 17);
    EXPECT_FALSE(v.fillPattern || v.fillPatternEnabled);
    ChooseRepeatTarget(v, *d, T::PatternThreading);
    EXPECT_EQ(v.end, 17) << "the selection keeps its range";

    const RepeatSelection lift = RepeatSelectionFromCells(*d, T::Liftplan, 2, 4, 6, 3);
    OpenRepeatDialog(v, *d, &lift);
    EXPECT_EQ(v.start, 22);
    EXPECT_EQ(v.columns.first, 3);
    EXPECT_EQ(v.columns.last, 6);

    // Without a selection: all columns, a fresh proposal, a disabled target
    // replaced; "Fill Pattern" enabled but left unchecked until New.
    v.start = 1;
    v.target = T::ThreadingB;
    d->ThreadingBOn = false;
    OpenRepeatDialog(v, *d, nullptr);
    EXPECT_EQ(v.target, T::ThreadingA);
    EXPECT_EQ(v.columns.last, MaxPatternShafts);
    EXPECT_TRUE(v.fillPatternEnabled);
    EXPECT_FALSE(v.fillPattern);
    ChooseRepeatTarget(v, *d, T::PatternThreading);
    EXPECT_EQ(v.end, 8);
    ResetFillPattern(v);
    EXPECT_TRUE(FillPatternChosen(v));

    // A draft filled everywhere offers no Fill Pattern.
    auto full = MakeDraft(20, 20, 20, 20);
    OpenRepeatDialog(v, *full, nullptr);
    EXPECT_FALSE(v.fillPatternEnabled || v.fillPattern);
}

TEST(RepeatDialog, ControlEnabling) {
    const struct {
        bool fill, fillEnabled;
        T target;
        bool link, groups;
    } cases[] = {
        {true, true, T::WarpColors, true, false},
        {false, true, T::WeftColors, false, true},
        {false, true, T::Liftplan, true, true},
        {true, false, T::WarpColors, false, true},
    };
    for (const auto& c : cases) {
        RepeatDialogValues v;
        v.fillPattern = c.fill;
        v.fillPatternEnabled = c.fillEnabled;
        v.target = c.target;
        EXPECT_EQ(LinkColorsEnabled(v), c.link);
        EXPECT_EQ(RepeatGroupsVisible(v), c.groups);
        EXPECT_EQ(CopiesEnabled(v), !v.fillRemaining);
    }
}

TEST(RepeatDialog, ApplyRepeatsAndStoresTheEndPosition) {
    auto d = MakeDraft(20, 20, 4, 4);
    for (int e = 1; e <= 4; ++e) d->WarpColors[e] = static_cast<uint8_t>(30 + e);
    RepeatDialogValues v;
    v.fillPattern = false;
    v.start = 4; // either order
    v.end = 1;
    v.fillRemaining = false;
    v.copies = 2;
    RepeatApplyResult r = ApplyRepeatDialog(*d, v);
    EXPECT_TRUE(r.changed && !r.filled);
    EXPECT_EQ(d->PatternThreading[12], 4);
    EXPECT_EQ(d->PatternThreading[13], 0);
    EXPECT_EQ(d->WarpColors[12], 34) << "Link Colors";
    EXPECT_EQ(d->WarpRepeat, 4);

    // An End beyond the draft is stored cut to its length; ground targets store none.
    v.target = T::WeftColors;
    v.start = 1;
    v.end = 9999;
    ApplyRepeatDialog(*d, v);
    EXPECT_EQ(d->WeftColorRepeat, 20);
    v.target = T::TreadlingA;
    const int weft = d->WeftRepeat;
    ApplyRepeatDialog(*d, v);
    EXPECT_EQ(d->WeftRepeat, weft);

    // A partial liftplan column range copies those columns and shows the frame again.
    const RepeatSelection part = RepeatSelectionFromCells(*d, T::Liftplan, 1, 4, 1, 2);
    OpenRepeatDialog(v, *d, &part);
    r = ApplyRepeatDialog(*d, v);
    EXPECT_TRUE(r.showSelection);
    EXPECT_TRUE(d->GetLiftplan(5, 1));
    EXPECT_FALSE(d->GetLiftplan(7, 3));

    // Fill Pattern ignores the range and stores no End.
    auto f = MakeDraft(20, 20, 8);
    RepeatDialogValues fill;
    fill.end = 2;
    EXPECT_TRUE(ApplyRepeatDialog(*f, fill).filled);
    EXPECT_EQ(f->PatternThreading[20], 4);
    EXPECT_EQ(f->WarpRepeat, 4);
}
