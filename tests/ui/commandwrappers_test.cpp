// The order of the steps each wrapper takes around an operation.

#include <gtest/gtest.h>

#include "support/recordinghost.h"
#include "ui/commandwrappers.h"

namespace hm::test {
namespace {

using Steps = QStringList;

TEST(CommandWrappers, DirectEditSnapshotsBeforeAndMarksUndoLast) {
    RecordingHost h;
    RunW1(h, [&] { h.steps.append("op"); });
    EXPECT_EQ(h.steps, (Steps{"TakeUndoSnapshot", "op", "MarkModified", "MarkUndoAvailable"}));
    h.steps.clear();
    RunW1(
        h, [&] { h.steps.append("op"); }, true);
    EXPECT_EQ(h.steps,
              (Steps{"TakeUndoSnapshot", "op", "Update", "MarkModified", "MarkUndoAvailable"}));
}

TEST(CommandWrappers, DialogEditMarksUndoOnlyWhenApplied) {
    RecordingHost h;
    RunW2(h, [&] {
        h.steps.append("dialog");
        return false;
    });
    EXPECT_EQ(h.steps, (Steps{"dialog", "MarkModified"}));
    h.steps.clear();
    RunW2(h, [&] {
        h.steps.append("dialog");
        return true;
    });
    EXPECT_EQ(h.steps, (Steps{"dialog", "MarkModified", "MarkUndoAvailable"}));
}

TEST(CommandWrappers, DialogEditWithSnapshot) {
    RecordingHost h;
    RunW2Plus(h, [&] {
        h.steps.append("dialog");
        return false;
    });
    EXPECT_EQ(h.steps, (Steps{"TakeUndoSnapshot", "dialog", "MarkModified"}));
    h.steps.clear();
    RunW2Plus(
        h,
        [&] {
            h.steps.append("dialog");
            return false;
        },
        true);
    EXPECT_EQ(h.steps, (Steps{"TakeUndoSnapshot", "dialog", "MarkModified", "MarkUndoAvailable"}));
}

TEST(CommandWrappers, GeneratorDropsASelectionAndErasesFirst) {
    RecordingHost h;
    RunW3(h, ViewArea::ThreadingA, [&] { h.steps.append("gen"); });
    EXPECT_EQ(h.steps, (Steps{"TakeUndoSnapshot", "EraseMarks", "gen", "RepaintDraft",
                              "MarkModified", "MarkUndoAvailable"}));
    h.steps.clear();
    h.selection = true;
    RunW3(h, ViewArea::ThreadingA, [&] { h.steps.append("gen"); });
    EXPECT_EQ(h.steps, (Steps{"TakeUndoSnapshot", "ResetTool", "EraseMarks", "gen", "RepaintDraft",
                              "MarkModified", "MarkUndoAvailable"}));
}

TEST(CommandWrappers, ClearRepaintsBeforeMarkingUndo) {
    // A repaint disables Undo, so Undo must be marked after it.
    RecordingHost h;
    RunWC(h, [&] { h.steps.append("clear"); });
    EXPECT_EQ(h.steps, (Steps{"TakeUndoSnapshot", "clear", "ClearAndRepaint", "MarkModified",
                              "MarkUndoAvailable"}));
}

} // namespace
} // namespace hm::test
