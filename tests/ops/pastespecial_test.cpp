// Paste Special: copies, flips, inversion, quarter turns, advance and insert.

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>

#include "ops/opstestsupport.h"
#include "ops/pastespecial.h"

using namespace hm;

namespace {

using hmtest::Entries;

using K = SelectionKind;

std::unique_ptr<Draft> Empty(int ends = 40, int picks = 40) {
    return hmtest::EmptyDraftOf(ends, picks);
}

ClipboardCellPicture Picture(const std::vector<const char*>& rows) {
    ClipboardCellPicture p(static_cast<int>(std::strlen(rows[0])), static_cast<int>(rows.size()));
    for (size_t y = 0; y < rows.size(); ++y)
        for (int x = 0; rows[y][x]; ++x) p.set(x, static_cast<int>(y), rows[y][x] == '#');
    return p;
}

// Liftplan picks from..from+count-1 over shafts 1..width as rows of '#' and '.'.
std::vector<std::string> LiftplanRows(const Draft& d, int from, int count, int width) {
    std::vector<std::string> rows;
    for (int p = from; p < from + count; ++p) {
        std::string r;
        for (int s = 1; s <= width; ++s) r += d.GetLiftplan(p, s) ? '#' : '.';
        rows.push_back(r);
    }
    return rows;
}

PasteSpecialOptions Copies(int n) {
    PasteSpecialOptions o;
    o.copies = n;
    return o;
}

// The copies written one after the other, cell by cell, as the steps describe
// them: the reference for the liftplan and design-grid paste.
void OneCopyAfterTheOther(Draft& d, K kind, int sc, int sr, int tc, int tr,
                          const ClipboardCellPicture& whole, const PasteSpecialOptions& o) {
    const bool lift = kind == K::Liftplan;
    const int columns = d.LiftplanWidth;
    // A liftplan copy is no wider than the liftplan.
    const int w = lift ? std::min(whole.width(), columns) : whole.width();
    const int h = whole.height();
    ClipboardCellPicture picture(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) picture.set(x, y, whole.at(x, y));
    const int dx = tc - sc, dy = tr - sr;
    const bool several = lift ? dy > 0 : (dx != 0 || dy != 0);
    const int n = several ? (o.fillRemaining ? (lift ? 60000 : DesignSize) : o.copies) : 1;
    for (int c = 0; c < n; ++c) {
        const int r0 = tr + c * dy;
        int c0 = tc + c * dx;
        if (lift) {
            if (r0 > d.Picks) break;
            c0 = ((c0 - 1) % columns + columns) % columns + 1;
        } else if (r0 > DesignSize || c0 > DesignSize || c0 + w < 1 || r0 + h < 1) {
            break;
        }
        const bool toggled = c % 2 == 0;
        const int turns = o.rotate ? (c + 1) % 4 : 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const int fx = toggled && o.flipHorizontal ? w - 1 - x : x;
                const int fy = toggled && o.flipVertical ? h - 1 - y : y;
                const bool on = TurnedPixel(picture, turns, fx, fy) != (toggled && o.negative);
                if (lift) {
                    int s = c0 + x;
                    if (s > columns) s -= columns;
                    if (r0 + y <= d.Picks && s <= columns) d.SetLiftplan(r0 + y, s, on);
                } else {
                    d.SetDesignCell(r0 + y, c0 + x, on);
                }
            }
    }
}

} // namespace

TEST(PasteSpecialFields, OptionsOutsideTheKindOrRangeAreDropped) {
    const PasteSpecialFields threading = FieldsForKind(K::ThreadingA, 4);
    PasteSpecialOptions o;
    o.copies = 0;
    o.advance = 4; // outside 1 - 4 .. 4 - 1
    o.negative = true;
    o.insert = true;
    PasteSpecialOptions r = OptionsForKind(o, threading);
    EXPECT_EQ(r.copies, 1);
    EXPECT_EQ(r.advance, 0);
    EXPECT_FALSE(r.negative);
    EXPECT_TRUE(r.insert);
    o.advance = -3;
    o.copies = 20000;
    r = OptionsForKind(o, threading);
    EXPECT_EQ(r.advance, -3);
    EXPECT_EQ(r.copies, MaxPasteCopies);
    EXPECT_EQ(OptionsForKind(o, FieldsForKind(K::Liftplan, 0)).advance, 0);
}

TEST(PasteSpecialPicture, TheSamePlaceAsTheSourceMakesOneCopy) {
    auto d = Empty();
    const ClipboardCellPicture p = Picture({"#.", ".#"});
    PasteSpecialOptions o = Copies(5);
    EXPECT_TRUE(PasteSpecialPicture(*d, K::Liftplan, 3, 10, 3, 10, p, o));
    EXPECT_EQ(LiftplanRows(*d, 9, 5, 5),
              (std::vector<std::string>{".....", "..#..", "...#.", ".....", "....."}));
    // A liftplan target above its source: one copy as well.
    auto up = Empty();
    PasteSpecialPicture(*up, K::Liftplan, 1, 10, 1, 4, p, o);
    EXPECT_EQ(LiftplanRows(*up, 4, 4, 2), (std::vector<std::string>{"#.", ".#", "..", ".."}));
    auto design = Empty();
    o.fillRemaining = true;
    PasteSpecialPicture(*design, K::DesignGrid, 7, 7, 7, 7, p, o);
    EXPECT_TRUE(design->GetDesignCell(7, 7));
    EXPECT_FALSE(design->GetDesignCell(9, 9));
}

TEST(PasteSpecialPicture, LiftplanCopiesStopAtPicksAndWrapRoundTheShafts) {
    auto d = Empty(40, 7);
    d->LiftplanWidth = 5;
    PasteSpecialOptions o;
    o.fillRemaining = true;
    // Each copy two picks lower and two shafts to the right, wrapping at shaft 5.
    PasteSpecialPicture(*d, K::Liftplan, 1, 1, 3, 3, Picture({"##"}), o);
    EXPECT_EQ(LiftplanRows(*d, 1, 9, 5),
              (std::vector<std::string>{".....", ".....", "..##.", ".....", "#...#", ".....",
                                        ".##..", ".....", "....."}));
}

TEST(PasteSpecialPicture, QuarterTurnsOfAnOblongStayInsideThePicture) {
    const ClipboardCellPicture p = Picture({"#..#", "##.."}); // 4 wide, 2 high
    // Half a turn is exact; a quarter turn shows the part of the turned (2 x 4)
    // picture that the 4 x 2 frame holds, the rest of the frame clear.
    const std::vector<const char*> expected[] = {
        {"#..#", "##.."}, {"#...", "...."}, {"..##", "#..#"}, {"##..", "#..."}};
    for (int turns = 0; turns < 4; ++turns) {
        std::string rows;
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 4; ++x) rows += TurnedPixel(p, turns, x, y) ? '#' : '.';
        EXPECT_EQ(rows, std::string(expected[turns][0]) + expected[turns][1]) << turns;
    }
    // A picture one cell high and far wider turns without reading outside it.
    ClipboardCellPicture line(500, 1);
    line.set(499, 0, true);
    EXPECT_TRUE(TurnedPixel(line, 1, 0, 0));
    EXPECT_FALSE(TurnedPixel(line, 1, 1, 0));
    EXPECT_TRUE(TurnedPixel(line, 2, 0, 0));
    EXPECT_FALSE(TurnedPixel(line, 3, 0, 0));
    auto d = Empty();
    PasteSpecialOptions o = Copies(3);
    o.rotate = true;
    EXPECT_TRUE(PasteSpecialPicture(*d, K::DesignGrid, 1, 1, 1, 2, line, o));
}

TEST(PasteSpecialPicture, OverlappingCopiesGiveWhatCopyingOneAfterTheOtherGives) {
    std::mt19937 random(14);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    for (int round = 0; round < 600; ++round) {
        const K kind = round % 2 ? K::Liftplan : K::DesignGrid;
        auto fast = Empty(40, pick(5, 40));
        fast->LiftplanWidth = pick(1, 12);
        ClipboardCellPicture p(pick(1, 9), pick(1, 9));
        for (int y = 0; y < p.height(); ++y)
            for (int x = 0; x < p.width(); ++x) p.set(x, y, pick(0, 1));
        PasteSpecialOptions o = Copies(pick(1, 12));
        o.fillRemaining = pick(0, 3) == 0;
        o.flipHorizontal = pick(0, 1);
        o.flipVertical = pick(0, 1);
        o.negative = pick(0, 1);
        o.rotate = pick(0, 1);
        const bool lift = kind == K::Liftplan;
        const int tc = pick(1, lift ? fast->LiftplanWidth : 30);
        const int tr = pick(1, lift ? fast->Picks : 30);
        const int sc = pick(1, 30), sr = pick(1, 30);
        auto slow = std::make_unique<Draft>(*fast);
        PasteSpecialPicture(*fast, kind, sc, sr, tc, tr, p, o);
        OneCopyAfterTheOther(*slow, kind, sc, sr, tc, tr, p, o);
        ASSERT_TRUE(fast->Liftplan == slow->Liftplan && fast->DesignGrid == slow->DesignGrid)
            << "round " << round << " kind " << static_cast<int>(kind) << " picture " << p.width()
            << "x" << p.height() << " from " << sc << "," << sr << " to " << tc << "," << tr
            << " copies " << o.copies << " fill " << o.fillRemaining << " flips "
            << o.flipHorizontal << o.flipVertical << " neg " << o.negative << " rot " << o.rotate
            << " width " << fast->LiftplanWidth << " picks " << fast->Picks;
    }
}

TEST(PasteSpecialList, AShiftOfTheGroupSizeKeepsTheShaft) {
    auto d = Empty();
    d->ShaftsA = 4;
    // Shifts 2, 4, 6 (taken as 2) and 4: shaft 4 + 4 is shaft 4 again, not empty.
    PasteSpecialOptions o = Copies(4);
    o.advance = 2;
    PasteSpecialList(*d, K::ThreadingA, 1, 20, {4}, o);
    EXPECT_EQ(Entries(d->ThreadingA, 20, 23), (std::vector<int>{2, 4, 2, 4}));
}

TEST(PasteSpecialList, FlipsReverseOrMirrorByKind) {
    const std::vector<uint8_t> values{1, 2, 0, 4};
    const struct {
        K kind;
        bool flipH, flipV;
        std::vector<int> expected; // three copies from 11
    } cases[] = {
        {K::ThreadingA, true, false, {4, 0, 2, 1, 1, 2, 0, 4, 4, 0, 2, 1}},
        {K::ThreadingA, false, true, {4, 3, 0, 1, 1, 2, 0, 4, 4, 3, 0, 1}},
        {K::TreadlingA, false, true, {4, 0, 2, 1, 1, 2, 0, 4, 4, 0, 2, 1}},
        {K::TreadlingA, true, false, {4, 3, 0, 1, 1, 2, 0, 4, 4, 3, 0, 1}},
        {K::WarpColors, true, true, {4, 0, 2, 1, 1, 2, 0, 4, 4, 0, 2, 1}},
        {K::WeftColors, true, false, {1, 2, 0, 4, 1, 2, 0, 4, 1, 2, 0, 4}},
        {K::WeftColors, false, true, {4, 0, 2, 1, 1, 2, 0, 4, 4, 0, 2, 1}},
    };
    for (const auto& c : cases) {
        auto d = Empty();
        d->ShaftsA = d->TreadlesA = 4;
        PasteSpecialOptions o = Copies(3);
        o.flipHorizontal = c.flipH;
        o.flipVertical = c.flipV;
        PasteSpecialList(*d, c.kind, 1, 11, values, o);
        EXPECT_EQ(Entries(*ValuesOf(*d, c.kind), 11, 22), c.expected) << static_cast<int>(c.kind);
    }
}

TEST(PasteSpecialList, CopiesStopAtTheLimits) {
    auto d = Empty(12, 40);
    for (int e = 1; e <= 12; ++e) d->PatternThreading[e] = static_cast<uint8_t>(e);
    // Fill Remaining stops at Ends; a target before the source makes one copy.
    PasteSpecialOptions o;
    o.fillRemaining = true;
    PasteSpecialList(*d, K::PatternThreading, 1, 6, {7, 8, 7}, o);
    EXPECT_EQ(Entries(d->PatternThreading, 6, 13), (std::vector<int>{7, 8, 7, 7, 8, 7, 7, 0}));
    PasteSpecialList(*d, K::PatternThreading, 9, 1, {5}, o);
    EXPECT_EQ(Entries(d->PatternThreading, 1, 3), (std::vector<int>{5, 2, 3}));
    EXPECT_FALSE(PasteSpecialList(*d, K::PatternThreading, 1, 13, {5}, o));
    // With Insert, what is pushed beyond Ends is lost.
    o = Copies(2);
    o.insert = true;
    PasteSpecialList(*d, K::PatternThreading, 1, 10, {1, 1}, o);
    EXPECT_EQ(Entries(d->PatternThreading, 9, 13), (std::vector<int>{7, 1, 1, 1, 0}));
    // Weft colours stop at Picks.
    o = Copies(50);
    PasteSpecialList(*d, K::WeftColors, 1, 39, {9}, o);
    EXPECT_EQ(d->WeftColors[40], 9);
    EXPECT_NE(d->WeftColors[41], 9);
}
