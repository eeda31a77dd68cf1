// Copy, paste, delete and crop of a selected area, kind by kind.

#include <gtest/gtest.h>

#include <memory>

#include "ops/clipboardops.h"
#include "ops/opstestsupport.h"

using namespace hm;

namespace {

using hmtest::Entries;

using K = SelectionKind;

std::unique_ptr<Draft> Empty(int ends = 40, int picks = 30) {
    return hmtest::EmptyDraftOf(ends, picks);
}

ClipboardArea Area(K kind, int c0, int c1, int r0, int r1) {
    return {kind, c0, c1, r0, r1};
}

} // namespace

TEST(ClipboardAreas, SelectionCellsBecomeDraftPositions) {
    // Scrolled by 100 ends and 50 picks: ends and picks move, shafts and treadles not.
    const struct {
        K kind;
        ClipboardArea expected;
    } cases[] = {
        {K::PatternThreading, {K::PatternThreading, 102, 104, 1, 8}},
        {K::WarpColors, {K::WarpColors, 102, 104, 1, 8}},
        {K::Liftplan, {K::Liftplan, 2, 4, 51, 58}},
        {K::TreadlingB, {K::TreadlingB, 2, 4, 51, 58}},
        {K::WeftColors, {K::WeftColors, 2, 4, 51, 58}},
        {K::DesignGrid, {K::DesignGrid, 102, 104, 51, 58}},
    };
    for (const auto& c : cases) {
        const ClipboardArea a = AreaOfSelection(c.kind, 4, 2, 8, 1, 100, 50);
        EXPECT_EQ(a.firstColumn, c.expected.firstColumn);
        EXPECT_EQ(a.lastColumn, c.expected.lastColumn);
        EXPECT_EQ(a.firstRow, c.expected.firstRow);
        EXPECT_EQ(a.lastRow, c.expected.lastRow);
    }
    auto d = Empty();
    d->LiftplanWidth = 12;
    const ClipboardArea lift = NumberedArea(*d, K::Liftplan, 9, 3);
    EXPECT_EQ(lift.firstColumn, 1);
    EXPECT_EQ(lift.lastColumn, 12);
    EXPECT_EQ(lift.firstRow, 3);
    EXPECT_EQ(lift.lastRow, 9);
    EXPECT_EQ(NumberedArea(*d, K::WarpColors, 7, 5).FirstThread(), 5);
}

TEST(ClipboardCopyPaste, AThreadingOnFourShaftsPastedOnTwoLosesShaftsThreeAndFour) {
    auto d = Empty();
    d->ShaftsA = 4;
    d->ShaftsB = 2;
    const int shafts[] = {1, 2, 3, 4};
    for (int e = 5; e <= 8; ++e) d->ThreadingA[e] = static_cast<uint8_t>(shafts[e - 5]);
    const ClipboardContent c = CopyArea(*d, Area(K::ThreadingA, 5, 8, 1, 4));
    EXPECT_EQ(c.picture.width(), 4);
    EXPECT_EQ(c.picture.height(), 4);
    PastePicture(*d, K::ThreadingB, 1, 1, c.picture);
    EXPECT_EQ(Entries(d->ThreadingB, 1, 4), (std::vector<int>{1, 2, 0, 0}));
}

TEST(ClipboardCopyPaste, PastesStopAtTheirLimits) {
    auto d = Empty(10, 8);
    d->LiftplanWidth = 6;
    ClipboardCellPicture full(4, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) full.set(x, y, true);
    PastePicture(*d, K::Liftplan, 4, MaxPicks - 1, full);
    EXPECT_TRUE(d->GetLiftplan(MaxPicks, 6));
    EXPECT_FALSE(d->GetLiftplan(MaxPicks, 7)); // beyond LiftplanWidth
    PastePicture(*d, K::DesignGrid, DesignSize - 1, DesignSize, full);
    EXPECT_TRUE(d->GetDesignCell(DesignSize, DesignSize));

    const ClipboardCellPicture values = PictureFromThreadValues({1, 1, 1, 1}, 4);
    PastePicture(*d, K::PatternThreading, 8, 1, values);
    EXPECT_EQ(Entries(d->PatternThreading, 8, 12), (std::vector<int>{1, 1, 1, 0, 0})); // Ends
    PastePicture(*d, K::TreadlingA, 1, 8, values);
    EXPECT_EQ(Entries(d->TreadlingA, 8, 12), (std::vector<int>{1, 1, 1, 1, 0})); // not Picks
    const int beyond = d->WeftColors[9];
    PasteColorList(*d, K::WeftColors, 7, {77, 77, 77});
    EXPECT_EQ(Entries(d->WeftColors, 7, 9), (std::vector<int>{77, 77, beyond})); // Picks
}

TEST(ClipboardDelete, DeletesFromOneComponentOrClearsCells) {
    auto d = Empty();
    for (int e = 1; e <= 6; ++e) {
        d->PatternThreading[e] = static_cast<uint8_t>(e);
        d->ThreadingA[e] = static_cast<uint8_t>(e % 4 + 1);
    }
    DeleteArea(*d, Area(K::PatternThreading, 2, 3, 1, 8));
    EXPECT_EQ(Entries(d->PatternThreading, 1, 6), (std::vector<int>{1, 4, 5, 6, 0, 0}));
    EXPECT_EQ(Entries(d->ThreadingA, 1, 3), (std::vector<int>{2, 3, 4})); // untouched

    for (int p = 1; p <= 4; ++p) d->SetLiftplan(p, p, true);
    d->PatternShafts = 8;
    // Over every pattern shaft: the picks go.
    DeleteArea(*d, Area(K::Liftplan, 1, 8, 1, 1));
    EXPECT_TRUE(d->GetLiftplan(1, 2));
    EXPECT_TRUE(d->GetLiftplan(3, 4));
    // Over part of the shafts: the cells are cleared, the picks stay.
    DeleteArea(*d, Area(K::Liftplan, 2, 3, 1, 2));
    EXPECT_FALSE(d->GetLiftplan(1, 2));
    EXPECT_FALSE(d->GetLiftplan(2, 3));
    EXPECT_TRUE(d->GetLiftplan(3, 4));

    d->WeftColors[1] = 1;
    d->WeftColors[2] = 2;
    d->TreadlingA[2] = 3;
    DeleteArea(*d, Area(K::WeftColors, 1, 1, 1, 1));
    EXPECT_EQ(d->WeftColors[1], 2);
    EXPECT_EQ(d->TreadlingA[2], 3);

    d->SetDesignCell(5, 5, true);
    d->SetDesignCell(5, 7, true);
    DeleteArea(*d, Area(K::DesignGrid, 4, 6, 4, 6));
    EXPECT_FALSE(d->GetDesignCell(5, 5));
    EXPECT_TRUE(d->GetDesignCell(5, 7));
}

TEST(ClipboardCrop, OnlyTheSelectionRemainsMovedToTheStart) {
    auto d = Empty();
    for (int e = 1; e <= 10; ++e) d->ThreadingA[e] = static_cast<uint8_t>(e % 4 + 1);
    d->FirstEnd = 3;
    d->FirstPick = 2;
    CropToArea(*d, Area(K::ThreadingA, 4, 6, 1, 4));
    EXPECT_EQ(Entries(d->ThreadingA, 1, 5), (std::vector<int>{1, 2, 3, 0, 0}));
    EXPECT_EQ(d->FirstEnd, 0);
    EXPECT_EQ(d->FirstPick, 2);

    d->SetLiftplan(1, 1, true);
    d->SetLiftplan(7, 3, true);
    CropToArea(*d, Area(K::Liftplan, 3, 4, 7, 8));
    EXPECT_TRUE(d->GetLiftplan(1, 1));
    EXPECT_FALSE(d->GetLiftplan(7, 3));
    EXPECT_FALSE(d->GetLiftplan(1, 2));
    EXPECT_EQ(d->FirstPick, 0);

    // Design grid: the colours before the selection go as well.
    for (int i = 1; i <= 6; ++i) {
        d->WarpColors[i] = static_cast<uint8_t>(10 + i);
        d->WeftColors[i] = static_cast<uint8_t>(20 + i);
    }
    d->SetDesignCell(4, 3, true);
    d->SetDesignCell(1, 1, true);
    CropToArea(*d, Area(K::DesignGrid, 3, 5, 4, 4));
    EXPECT_TRUE(d->GetDesignCell(1, 1));
    EXPECT_FALSE(d->GetDesignCell(4, 3));
    EXPECT_EQ(d->WarpColors[1], 13);
    EXPECT_EQ(d->WeftColors[1], 24);

    // Colours: only the colours before the selection go.
    d->PatternThreading[1] = 5;
    CropToArea(*d, Area(K::WarpColors, 3, 9, 1, 1));
    EXPECT_EQ(d->WarpColors[1], 15);
    EXPECT_EQ(d->PatternThreading[1], 5);
}
