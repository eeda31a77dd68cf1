#include <gtest/gtest.h>

#include <memory>

#include "model/design.h"
#include "model/drawdown.h"

using namespace hm;

namespace {

std::unique_ptr<Draft> NewDraft() {
    return std::make_unique<Draft>();
}

// Sets column c of the picture to the bits of `pattern` over rows 1..rows.
void SetColumn(Draft& d, int c, unsigned pattern, int rows) {
    for (int r = 1; r <= rows; ++r) d.SetDesignCell(r, c, (pattern >> ((r - 1) % 32)) & 1u);
}

} // namespace

TEST(Design, EqualColumnsShareAShaftAndEmptyColumnsGetNone) {
    auto d = NewDraft();
    SetColumn(*d, 1, 0b101, 3);
    SetColumn(*d, 3, 0b101, 3);
    d->PatternThreading[2] = 9; // overwritten with 0: the column is empty
    EXPECT_EQ(NumberColumns(*d, 3, 3, false), 1);
    EXPECT_EQ(d->PatternThreading[1], 1);
    EXPECT_EQ(d->PatternThreading[2], 0);
    EXPECT_EQ(d->PatternThreading[3], 1);
}

TEST(Design, ColumnsAreComparedOnlyOverTheRowsGiven) {
    auto d = NewDraft();
    SetColumn(*d, 1, 0b01, 2);
    SetColumn(*d, 2, 0b11, 2); // differs from column 1 only in row 2
    EXPECT_EQ(NumberColumns(*d, 2, 1, false), 1);
    EXPECT_EQ(d->PatternThreading[2], 1);
    EXPECT_EQ(NumberColumns(*d, 2, 2, false), 2);
}

TEST(Design, EmptyPictureAndEmptyRange) {
    auto d = NewDraft();
    d->PatternThreading[1] = 5;
    EXPECT_EQ(NumberColumns(*d, 0, 10, false), 0);
    EXPECT_EQ(d->PatternThreading[1], 5) << "nothing is touched for an empty range";
    EXPECT_EQ(NumberColumns(*d, 10, 10, false), 0);
    EXPECT_EQ(d->PatternThreading[1], 0);

    d->PatternShafts = 8;
    AnalyzeDesignFull(*d);
    EXPECT_EQ(d->PatternShafts, 8) << "no columns: the shaft count stays";
    EXPECT_EQ(d->LastLiftplanPick(MaxPicks), 0);
}

TEST(Design, RenumbersInOrderOfFirstAppearance) {
    auto d = NewDraft();
    for (int e = 1; e <= 40; ++e) d->PatternThreading[e] = static_cast<uint8_t>(e % 2 ? 2 : 1);
    for (int p = 1; p <= 20; ++p) d->SetLiftplan(p, p % 2 ? 1 : 2, true);
    BuildDesign(*d, DesignSize, DesignSize);
    // The picture is the pattern-level drawdown.
    d->DesignMode = true;
    for (int p = 1; p <= 20; ++p)
        for (int e = 1; e <= 40; ++e) {
            d->DesignMode = false;
            const bool draft = WarpOnTop(*d, p, e);
            d->DesignMode = true;
            ASSERT_EQ(WarpOnTop(*d, p, e), draft);
        }
    d->DesignMode = false;
    AnalyzeDesignFull(*d);
    EXPECT_EQ(d->PatternThreading[1], 1);
    EXPECT_EQ(d->PatternThreading[2], 2);
    EXPECT_EQ(d->PatternThreading[3], 1);
    EXPECT_EQ(d->PatternShafts, 2);
    EXPECT_EQ(d->LiftplanWidth, 2);
    // Pick 1 lifted old shaft 1 (the even ends), which are now shaft 2.
    EXPECT_FALSE(d->GetLiftplan(1, 1));
    EXPECT_TRUE(d->GetLiftplan(1, 2));
    EXPECT_TRUE(d->GetLiftplan(2, 1));
    EXPECT_EQ(d->LastPatternEnd(MaxEnds), 40);
}

TEST(Design, ColumnsBeyond128DistinctGetNoShaft) {
    auto d = NewDraft();
    // 130 distinct columns (distinct 8-row patterns), then a copy of the 129th.
    for (int c = 1; c <= 130; ++c) SetColumn(*d, c, static_cast<unsigned>(c), 8);
    SetColumn(*d, 131, 129, 8);
    SetColumn(*d, 132, 5, 8);
    EXPECT_EQ(NumberColumns(*d, 132, 8, true), 129) << "stops at the first column above 128";

    AnalyzeDesignFull(*d);
    EXPECT_EQ(d->PatternShafts, 128);
    EXPECT_EQ(d->PatternThreading[128], 128);
    EXPECT_EQ(d->PatternThreading[129], 0);
    EXPECT_EQ(d->PatternThreading[130], 0);
    EXPECT_EQ(d->PatternThreading[131], 0);
    EXPECT_EQ(d->PatternThreading[132], 5);
    // The lost columns vanish from the liftplan: row 1 lifts the odd patterns.
    d->DesignMode = false;
    EXPECT_FALSE(WarpOnTop(*d, 1, 129));
    EXPECT_TRUE(WarpOnTop(*d, 1, 127));
}

TEST(Design, AnalyzeRaisesTheRangeToThePictureExtent) {
    auto d = NewDraft();
    d->SetDesignCell(1500, 2000, true);
    AnalyzeDesign(*d, 10, 10);
    EXPECT_EQ(d->UsedEnds, 2000);
    EXPECT_EQ(d->UsedPicks, 1500);
    EXPECT_EQ(d->PatternThreading[2000], 1);
    EXPECT_TRUE(d->GetLiftplan(1500, 1));
    EXPECT_EQ(d->PatternShafts, 2) << "clamped to at least 2";
}

TEST(Design, AnalyzeClearsBeyondTheAnalysedRange) {
    auto d = NewDraft();
    d->PatternThreading[3000] = 4;
    d->SetLiftplan(3000, 4, true);
    d->SetDesignCell(1, 1, true);
    AnalyzeDesignFull(*d);
    EXPECT_EQ(d->PatternThreading[3000], 0);
    EXPECT_FALSE(d->GetLiftplan(3000, 4));
}

TEST(Design, BuildLiftplanIgnoresUnthreadedColumns) {
    auto d = NewDraft();
    d->SetDesignCell(1, 1, true);
    d->SetDesignCell(1, 2, true);
    d->PatternThreading[1] = 0;
    d->PatternThreading[2] = 3;
    d->LiftplanRow(1)[15] = 0xFF;
    BuildLiftplanFromDesign(*d, 2, 1);
    EXPECT_TRUE(d->GetLiftplan(1, 3));
    EXPECT_FALSE(d->GetLiftplan(1, 128)) << "the whole row is rewritten";
}

TEST(Repeats, FindRepeatsOnAPattern) {
    auto d = NewDraft();
    for (int e = 1; e <= 40; ++e) d->PatternThreading[e] = static_cast<uint8_t>((e - 1) % 4 + 1);
    for (int p = 1; p <= 30; ++p) d->SetLiftplan(p, (p - 1) % 6 + 1, true);
    for (int e = 1; e <= 40; ++e) d->WarpColors[e] = static_cast<uint8_t>(e % 5 < 2 ? 1 : 2);
    FindRepeats(*d);
    EXPECT_EQ(d->UsedEnds, 40);
    EXPECT_EQ(d->UsedPicks, 30);
    EXPECT_EQ(d->WarpRepeat, 4);
    EXPECT_EQ(d->WeftRepeat, 6);
    EXPECT_EQ(d->WarpColorRepeat, 5);
    EXPECT_EQ(d->WeftColorRepeat, 1) << "every pick has the default colour";
}

TEST(Repeats, EmptyAndUnrepeatedSequences) {
    auto d = NewDraft();
    FindRepeats(*d);
    EXPECT_EQ(d->WarpRepeat, 0);
    EXPECT_EQ(d->WeftRepeat, 0);
    EXPECT_EQ(d->WarpColorRepeat, 0);

    // A threading without any period over 3000 ends: one more than the largest period tried.
    d->Ends = 3000;
    for (int e = 1; e <= 3000; ++e) d->PatternThreading[e] = static_cast<uint8_t>(e < 3000 ? 1 : 2);
    FindRepeats(*d);
    EXPECT_EQ(d->WarpRepeat, 1501);
    // Without a period but at most 2400 long: the length itself.
    d->ClearPatternThreading(1);
    for (int e = 1; e <= 7; ++e) d->PatternThreading[e] = static_cast<uint8_t>(e);
    FindRepeats(*d);
    EXPECT_EQ(d->WarpRepeat, 7);
}

TEST(Repeats, ColorSequenceOfExactly4800IsSearchedAs4790) {
    auto d = NewDraft();
    d->Ends = MaxEnds;
    d->ThreadingA[MaxEnds] = 1;
    // Period 2000 breaks only in the last ten ends, which the search does not look at.
    for (int e = 1; e <= MaxEnds; ++e)
        d->WarpColors[e] = static_cast<uint8_t>(e % 2000 == 0 ? 9 : 1);
    d->WarpColors[4795] = 7;
    FindRepeats(*d);
    EXPECT_EQ(d->WarpColorRepeat, 2000);
}
