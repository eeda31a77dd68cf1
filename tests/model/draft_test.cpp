#include <gtest/gtest.h>

#include <memory>

#include "model/draft.h"
#include "ops/repeatlength.h"

using namespace hm;

namespace {
std::unique_ptr<Draft> NewDraft() {
    return std::make_unique<Draft>();
}
} // namespace

TEST(Draft, StartValues) {
    auto d = NewDraft();
    EXPECT_EQ(d->Ends, 1200);
    EXPECT_EQ(d->Picks, 1200);
    EXPECT_EQ(d->PatternShafts, 8);
    EXPECT_EQ(d->LiftplanWidth, 8);
    EXPECT_EQ(d->ShaftsA, 4);
    EXPECT_EQ(d->ShaftsB, 2);
    EXPECT_EQ(d->TreadlesA, 4);
    EXPECT_EQ(d->TreadlesB, 2);
    EXPECT_TRUE(d->PatternThreadingOn && d->ThreadingBOn && d->TreadlingBOn && d->ShowThreading);
    EXPECT_FALSE(d->SinkingShed || d->DesignMode || d->PatternTieupOn || d->MultipleTreadles);
    EXPECT_EQ(d->WarpColors[1], 6);
    EXPECT_EQ(d->WeftColors[MaxPicks], 0);
    EXPECT_EQ(d->ExpandUnitOn[15][15], 1);
    EXPECT_EQ(d->ExpandUnitOff[0][0], 0);
    EXPECT_EQ(d->WarpRepeat, 8);
    EXPECT_EQ(d->WarpColorRepeat, 0);
}

TEST(Draft, DefaultPaletteAndItsMirror) {
    auto d = NewDraft();
    EXPECT_EQ(d->Palette[6], MakeColor(245, 0, 32));
    EXPECT_EQ(d->Palette[6], 0x2000F5u) << "0x00BBGGRR";
    EXPECT_EQ(d->Palette[45], MakeColor(0, 6, 91));
    EXPECT_EQ(d->Palette[63], 0xFFFFFFu);
    EXPECT_EQ(d->Palette[200], 0xFFFFFFu);
    d->Palette[7] = MakeColor(1, 2, 3);
    d->StorePaletteEntryToRGB(7);
    EXPECT_EQ(d->PaletteRGB[7][0], 1);
    EXPECT_EQ(d->PaletteRGB[7][2], 3);
    d->PaletteRGB[8] = {9, 8, 7};
    d->RebuildPaletteFromRGB();
    EXPECT_EQ(d->Palette[8], MakeColor(9, 8, 7));
}

TEST(Draft, ByteLayoutsOfLiftplanDesignAndTieups) {
    auto d = NewDraft();
    d->SetLiftplan(3, 9, true);
    EXPECT_EQ(d->Liftplan[2 * 16 + 1], 0x01) << "column 9 of pick 3 is bit 0 of byte 1 of row 3";
    d->SetLiftplan(3, 0, true); // ignored
    d->SetLiftplan(1, 128, true);
    EXPECT_EQ(d->Liftplan[15], 0x80);
    d->SetLiftplan(1, 128, false);
    EXPECT_EQ(d->Liftplan[15], 0x00);

    d->SetDesignCell(2, 10, true);
    EXPECT_EQ(d->DesignGrid[300 + 1], 0x02);
    d->SetDesignCell(2401, 5, true);
    d->SetDesignCell(5, 2401, true);
    d->SetDesignCell(5, 0, true);
    d->SetDesignCell(0, 5, true);
    int set = 0;
    for (uint8_t b : d->DesignGrid) set += __builtin_popcount(b);
    EXPECT_EQ(set, 1) << "cells beyond the picture change nothing";

    d->SetTieup(TieupKind::BB, 2, 3, TiePattern);
    d->SetTieup(TieupKind::AB, 1, 1, TieGround);
    d->SetTieup(TieupKind::BA, 32, 32, TieGround);
    const uint8_t* all = d->GroundTieupBytes();
    EXPECT_EQ(all[1024 + 32 + 2], TiePattern) << "BB is the second block";
    EXPECT_EQ(all[2048], TieGround) << "AB is the third block";
    EXPECT_EQ(all[4095], TieGround) << "BA is the last block";
}

TEST(Draft, ClearsRunToTheEndOfTheCapacity) {
    auto d = NewDraft();
    d->PatternThreading[4800] = 3;
    d->PatternThreading[10] = 3;
    d->ClearPatternThreading(11);
    EXPECT_EQ(d->PatternThreading[4800], 0);
    EXPECT_EQ(d->PatternThreading[10], 3);

    d->SetLiftplan(4800, 1, true);
    d->SetLiftplan(5, 1, true);
    d->ClearLiftplan(6);
    EXPECT_FALSE(d->GetLiftplan(4800, 1));
    EXPECT_TRUE(d->GetLiftplan(5, 1));

    d->SinkingShed = true;
    d->ClearWarpColors(1);
    d->ClearWeftColors(1);
    EXPECT_EQ(d->WarpColors[1], 0);
    EXPECT_EQ(d->WarpColors[4800], 0);
    EXPECT_EQ(d->WeftColors[4800], 6);
    d->ClearWarpColors(4801); // nothing happens
    EXPECT_EQ(d->WarpColors[4800], 0);

    d->TieupAA(1, 1) = d->TieupAB(1, 1) = d->TieupBA(1, 1) = d->TieupBB(1, 1) = 1;
    d->ClearTieups(2);
    EXPECT_EQ(d->TieupAB(1, 1), 0);
    EXPECT_EQ(d->TieupAA(1, 1), 1);
    d->ClearTieups(5);
    EXPECT_EQ(d->TieupAA(1, 1) + d->TieupBA(1, 1) + d->TieupBB(1, 1), 0);
}

TEST(Draft, ClearDesignColumnsThenRows) {
    auto d = NewDraft();
    for (int c : {5, 9, 10, 2400}) d->SetDesignCell(1, c, true);
    d->SetDesignCell(2400, 1, true);
    d->SetDesignCell(100, 3, true);
    d->ClearDesign(10, 2401);
    EXPECT_TRUE(d->GetDesignCell(1, 5));
    EXPECT_TRUE(d->GetDesignCell(1, 9));
    EXPECT_FALSE(d->GetDesignCell(1, 10));
    EXPECT_FALSE(d->GetDesignCell(1, 2400));
    EXPECT_TRUE(d->GetDesignCell(2400, 1));
    d->ClearDesign(2401, 100);
    EXPECT_TRUE(d->GetDesignCell(1, 5));
    EXPECT_FALSE(d->GetDesignCell(100, 3));
    EXPECT_FALSE(d->GetDesignCell(2400, 1));
}

TEST(Draft, ClearAllEmptiesEverythingIncludingNoteAndPicture) {
    auto d = NewDraft();
    d->ThreadingA[1] = 2;
    d->TreadlingB[1] = 1;
    d->TieupBB(1, 1) = 1;
    d->WarpColors[1] = 33;
    d->Note = "linen";
    d->FirstEnd = 40;
    d->FabricFirstPick = 7;
    d->DesignMode = true;
    d->SetDesignCell(1, 1, true);
    d->ClearAll();
    EXPECT_EQ(d->ThreadingA[1], 0);
    EXPECT_EQ(d->TreadlingB[1], 0);
    EXPECT_EQ(d->TieupBB(1, 1), 0);
    EXPECT_EQ(d->WarpColors[1], 6);
    EXPECT_TRUE(d->Note.empty());
    EXPECT_EQ(d->FirstEnd, 0);
    EXPECT_EQ(d->FabricFirstPick, 0);
    EXPECT_FALSE(d->GetDesignCell(1, 1));
}

TEST(Draft, ExtentsRespectTheGroupsInUse) {
    auto d = NewDraft();
    d->ThreadingA[10] = 1;
    d->ThreadingB[30] = 1;
    d->PatternThreading[20] = 1;
    EXPECT_EQ(d->LastUsedEnd(MaxEnds), 30);
    d->ThreadingBOn = false;
    EXPECT_EQ(d->LastUsedEnd(MaxEnds), 20);
    d->PatternThreadingOn = false;
    EXPECT_EQ(d->LastUsedEnd(MaxEnds), 10);
    EXPECT_EQ(d->LastUsedEnd(5), 0);

    d->TreadlingA[4] = 1;
    d->TreadlingB[8] = 1;
    d->TreadlingBOn = false;
    d->SetLiftplan(12, 9, true); // beyond the 8 pattern shafts: not a used row
    EXPECT_EQ(d->LastUsedPick(MaxPicks), 4);
    d->PatternThreadingOn = true;
    d->SetLiftplan(11, 8, true);
    d->TreadlingBOn = true;
    EXPECT_EQ(d->LastTreadledPick(MaxPicks), 8);
    EXPECT_EQ(d->LastUsedPick(MaxPicks), 11);
    d->PatternShafts = 9;
    EXPECT_EQ(d->LastUsedPick(MaxPicks), 12);
}

TEST(Draft, UpdateExtentsRaisesButNeverLowersTheSize) {
    auto d = NewDraft();
    d->ThreadingA[3000] = 1;
    d->TreadlingA[10] = 1;
    d->UpdateExtents();
    EXPECT_EQ(d->UsedEnds, 3000);
    EXPECT_EQ(d->UsedPicks, 10);
    EXPECT_EQ(d->Ends, 3000);
    EXPECT_EQ(d->Picks, 1200);
}

TEST(Draft, DesignExtents) {
    auto d = NewDraft();
    d->UpdateDesignExtents();
    EXPECT_EQ(d->UsedEnds, 1);
    EXPECT_EQ(d->UsedPicks, 1);
    d->SetDesignCell(1800, 5, true);
    d->SetDesignCell(7, 2400, true);
    d->Ends = 100;
    d->UpdateDesignExtents();
    EXPECT_EQ(d->UsedEnds, 2400);
    EXPECT_EQ(d->UsedPicks, 1800);
    EXPECT_EQ(d->Ends, 2400);
}

TEST(Draft, HasPatternLooksOnlyAsFarAsTheView) {
    auto d = NewDraft();
    auto r = d->HasPattern(50, 50);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message.text, "@globnopat");
    EXPECT_EQ(r.message.kind, MessageKind::Information);

    d->ThreadingA[60] = 1;
    d->TreadlingA[3] = 1;
    EXPECT_FALSE(d->HasPattern(50, 50).ok) << "the threading lies beyond the view";
    d->FirstEnd = 20;
    EXPECT_TRUE(d->HasPattern(50, 50).ok);

    auto e = NewDraft();
    e->PatternThreading[1] = 1;
    e->SetLiftplan(1, 1, true);
    EXPECT_TRUE(e->HasPattern(10, 10).ok);
    e->PatternThreadingOn = false;
    EXPECT_FALSE(e->HasPattern(10, 10).ok);
}

TEST(RepeatLength, PeriodsAndLimits) {
    const uint8_t abc[] = {1, 2, 3, 1, 2, 3, 1, 2};
    auto r = RepeatLength(abc, 8);
    EXPECT_TRUE(r.found);
    EXPECT_EQ(r.length, 3) << "the last block may be cut short";

    const uint8_t none[] = {1, 2, 3, 4, 5};
    r = RepeatLength(none, 5);
    EXPECT_TRUE(r.found);
    EXPECT_EQ(r.length, 5) << "no shorter period: the whole length";

    r = RepeatLength(none, 0);
    EXPECT_FALSE(r.found);
    EXPECT_EQ(r.length, 0);

    std::vector<uint8_t> longer(3001, 1);
    longer.back() = 2;
    r = RepeatLength(longer.data(), 3001);
    EXPECT_FALSE(r.found) << "beyond 2400 without a period nothing is found";
    EXPECT_EQ(r.lastTried, 1500);
    EXPECT_EQ(r.NotFoundValue(), 1501);

    std::vector<uint8_t> big(4800);
    for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<uint8_t>(i % 2401 == 2400);
    r = RepeatLength(big.data(), 4800);
    EXPECT_FALSE(r.found) << "periods above 2400 are never tried";
    EXPECT_EQ(r.lastTried, 2400);
}

TEST(RepeatLength, LiftplanRowsComparedOverTheShaftBytes) {
    auto d = NewDraft();
    d->PatternShafts = 8;
    for (int p = 1; p <= 12; ++p) d->SetLiftplan(p, (p - 1) % 3 + 1, true);
    d->SetLiftplan(5, 9, true); // outside the compared byte
    EXPECT_EQ(LiftplanRepeatLength(*d, 12).length, 3);
    d->PatternShafts = 9;
    EXPECT_EQ(LiftplanRepeatLength(*d, 12).length, 12);
    d->PatternShafts = 0; // one byte is compared
    EXPECT_EQ(LiftplanRepeatLength(*d, 12).length, 3);
}
