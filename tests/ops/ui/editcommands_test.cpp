// The Edit menu's handlers over a command context without the main window.

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "ops/ui/editcommands.h"
#include "support/testcontext.h"

namespace hm::test {
namespace {

class EditCommandsTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    TestContext t{dir.filePath("settings.ini")};
};

TEST_F(EditCommandsTest, ClearAllForgetsTheFileAndShowsTheEmptyNote) {
    t.draft().ThreadingA[2] = 3;
    t.draft().Note = "linen";
    t.doc.CurrentFile = "/patterns/rose.hdx";
    t.doc.RevertAvailable = true;
    t.doc.Modified = true;
    EXPECT_TRUE(ClearAllClick(t.ctx));
    EXPECT_EQ(t.draft().ThreadingA[2], 0);
    EXPECT_TRUE(t.draft().Note.empty());
    EXPECT_TRUE(t.doc.CurrentFile.isEmpty());
    EXPECT_FALSE(t.doc.RevertAvailable);
    EXPECT_FALSE(t.doc.Modified);
    EXPECT_EQ(t.steps(),
              (QStringList{"TakeUndoSnapshot", "UpdateTitle", "Update", "RefreshFabricWindow",
                           "NoteChanged", "ResetTool", "MarkUndoAvailable"}));
}

TEST_F(EditCommandsTest, AnUndoThatRestoresContentMarksTheDraftModified) {
    t.draft().ThreadingA[2] = 3;
    ClearAllClick(t.ctx);
    t.steps().clear();
    EXPECT_TRUE(EditUndoItemClick(t.ctx));
    EXPECT_EQ(t.draft().ThreadingA[2], 3);
    EXPECT_TRUE(t.doc.Modified);
    EXPECT_TRUE(t.steps().contains("MarkModified"));
    EXPECT_TRUE(t.steps().contains("NoteChanged"));
    // The snapshot is used up: a second Undo changes nothing and marks nothing.
    t.doc.Modified = false;
    t.steps().clear();
    EXPECT_FALSE(EditUndoItemClick(t.ctx));
    EXPECT_FALSE(t.doc.Modified);
    EXPECT_TRUE(t.steps().isEmpty());
}

TEST_F(EditCommandsTest, EachClearTouchesOnlyItsArea) {
    Draft& d = t.draft();
    struct Case {
        ViewArea area;
        uint8_t* cell;
    };
    const Case cases[] = {
        {ViewArea::PatternThreading, &d.PatternThreading[5]},
        {ViewArea::ThreadingA, &d.ThreadingA[5]},
        {ViewArea::ThreadingB, &d.ThreadingB[5]},
        {ViewArea::TreadlingA, &d.TreadlingA[5]},
        {ViewArea::TreadlingB, &d.TreadlingB[5]},
        {ViewArea::TieupAA, &d.TieupAA(2, 3)},
        {ViewArea::TieupAB, &d.TieupAB(2, 3)},
        {ViewArea::TieupBA, &d.TieupBA(2, 3)},
        {ViewArea::TieupBB, &d.TieupBB(2, 3)},
    };
    for (const Case& c : cases) {
        for (const Case& other : cases) *other.cell = 1;
        EXPECT_TRUE(ClearArea(t.ctx, c.area));
        for (const Case& other : cases)
            EXPECT_EQ(*other.cell, other.cell == c.cell ? 0 : 1) << static_cast<int>(c.area);
    }
    d.SetLiftplan(4, 2, true);
    EXPECT_TRUE(ClearArea(t.ctx, ViewArea::Liftplan));
    EXPECT_FALSE(d.GetLiftplan(4, 2));
    EXPECT_FALSE(ClearArea(t.ctx, ViewArea::Drawdown)); // not an area of the submenu
}

} // namespace
} // namespace hm::test
