#include <gtest/gtest.h>

#include <memory>

#include "model/undo.h"

using namespace hm;

namespace {
std::unique_ptr<Draft> NewDraft() {
    return std::make_unique<Draft>();
}
} // namespace

TEST(Undo, RestoresOnceAndOnlyOnce) {
    auto d = NewDraft();
    UndoStore undo;
    EXPECT_FALSE(undo.Undo(*d)) << "nothing to undo at start";

    d->PatternThreading[1] = 3;
    undo.TakeSnapshot(*d);
    d->PatternThreading[1] = 5;
    d->TieupBA(2, 2) = 2;
    d->SetLiftplan(4800, 128, true);
    d->TreadlesB = 7;
    undo.MarkChanged();

    EXPECT_TRUE(undo.Undo(*d));
    EXPECT_EQ(d->PatternThreading[1], 3);
    EXPECT_EQ(d->TieupBA(2, 2), 0);
    EXPECT_FALSE(d->GetLiftplan(4800, 128));
    EXPECT_EQ(d->TreadlesB, 2);
    EXPECT_FALSE(undo.UndoAvailable);

    d->PatternThreading[1] = 9;
    EXPECT_FALSE(undo.Undo(*d)) << "a second undo does nothing";
    EXPECT_EQ(d->PatternThreading[1], 9);
}

TEST(Undo, EndsPicksFlagsAndPaletteAreNotPartOfTheSnapshot) {
    auto d = NewDraft();
    UndoStore undo;
    undo.TakeSnapshot(*d);
    d->ThreadingA[5] = 2;
    undo.MarkChanged();
    d->Ends = 3000; // through Options after the edit
    d->ThreadingBOn = false;
    d->Palette[3] = 0x123456;
    d->Note = "kept";
    undo.Undo(*d);
    EXPECT_EQ(d->ThreadingA[5], 0);
    EXPECT_EQ(d->Ends, 3000);
    EXPECT_FALSE(d->ThreadingBOn);
    EXPECT_EQ(d->Palette[3], 0x123456u);
    EXPECT_EQ(d->Note, "kept");
}

TEST(Undo, DesignModeSnapshotsPictureAndColoursOnly) {
    auto d = NewDraft();
    UndoStore undo;
    d->DesignMode = true;
    d->PatternThreading[1] = 4;
    undo.TakeSnapshot(*d);
    d->SetDesignCell(10, 10, true);
    d->WarpColors[10] = 44;
    d->PatternThreading[1] = 7;
    undo.MarkChanged();
    undo.Undo(*d);
    EXPECT_FALSE(d->GetDesignCell(10, 10));
    EXPECT_EQ(d->WarpColors[10], 6);
    EXPECT_EQ(d->PatternThreading[1], 7) << "the pattern threading is not in the Design set";
}

TEST(Undo, ModeSwitchRestoresTheSetOfTheCurrentModeWithTheLatestColours) {
    auto d = NewDraft();
    UndoStore undo;
    d->ThreadingA[1] = 1;
    undo.TakeSnapshot(*d); // Draft set: ThreadingA[1] = 1, colours default
    d->ThreadingA[1] = 2;

    d->DesignMode = true;
    d->WarpColors[1] = 50;
    undo.TakeSnapshot(*d); // Design set; colours now 50
    d->WarpColors[1] = 60;

    d->DesignMode = false;
    undo.MarkChanged();
    undo.Undo(*d);
    EXPECT_EQ(d->ThreadingA[1], 1) << "the Draft set as last saved in Draft mode";
    EXPECT_EQ(d->WarpColors[1], 50) << "the colours of the most recent snapshot";
}

TEST(Undo, RepeatedPreviewsThenCancelLeaveTheDraftAsBefore) {
    auto d = NewDraft();
    UndoStore undo;
    d->TreadlingA[2] = 3;
    undo.TakeSnapshot(*d);
    for (int preview = 1; preview <= 3; ++preview) {
        undo.RestoreSnapshot(*d);
        for (int p = 1; p <= preview * 10; ++p) d->TreadlingA[p] = static_cast<uint8_t>(preview);
    }
    undo.RestoreSnapshot(*d); // Cancel
    EXPECT_EQ(d->TreadlingA[2], 3);
    EXPECT_EQ(d->TreadlingA[1], 0);
    EXPECT_EQ(d->TreadlingA[30], 0);
}

TEST(Undo, DraftSetCanBeUsedDirectlyInDesignMode) {
    auto d = NewDraft();
    UndoStore undo;
    d->DesignMode = true;
    d->PatternThreading[2] = 2;
    undo.TakeDraftSnapshot(*d);
    d->PatternThreading[2] = 0;
    undo.RestoreDraftSnapshot(*d);
    EXPECT_EQ(d->PatternThreading[2], 2);
}
