// The order of the steps each wrapper takes around an operation.

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "ui/commandwrappers.h"

namespace hm {
namespace {

class RecordingHost : public CommandHost {
  public:
    std::vector<std::string> steps;
    bool selection = false;
    void TakeUndoSnapshot() override { steps.push_back("snapshot"); }
    void MarkUndoAvailable() override { steps.push_back("undo"); }
    void MarkModified() override { steps.push_back("modified"); }
    void Update() override { steps.push_back("update"); }
    void RepaintDraft() override { steps.push_back("repaint"); }
    void ClearAndRepaint() override { steps.push_back("clearrepaint"); }
    void RefreshFabricWindow() override { steps.push_back("fabric"); }
    bool HasSelection() const override { return selection; }
    void ResetTool() override { steps.push_back("resettool"); }
    void EraseMarks(ViewArea) override { steps.push_back("erase"); }
};

using Steps = std::vector<std::string>;

TEST(CommandWrappers, DirectEditSnapshotsBeforeAndMarksUndoLast) {
    RecordingHost h;
    RunW1(h, [&] { h.steps.push_back("op"); });
    EXPECT_EQ(h.steps, (Steps{"snapshot", "op", "modified", "undo"}));
    h.steps.clear();
    RunW1(
        h, [&] { h.steps.push_back("op"); }, true);
    EXPECT_EQ(h.steps, (Steps{"snapshot", "op", "update", "modified", "undo"}));
}

TEST(CommandWrappers, DialogEditMarksUndoOnlyWhenApplied) {
    RecordingHost h;
    RunW2(h, [&] {
        h.steps.push_back("dialog");
        return false;
    });
    EXPECT_EQ(h.steps, (Steps{"dialog", "modified"}));
    h.steps.clear();
    RunW2(h, [&] {
        h.steps.push_back("dialog");
        return true;
    });
    EXPECT_EQ(h.steps, (Steps{"dialog", "modified", "undo"}));
}

TEST(CommandWrappers, DialogEditWithSnapshot) {
    RecordingHost h;
    RunW2Plus(h, [&] {
        h.steps.push_back("dialog");
        return false;
    });
    EXPECT_EQ(h.steps, (Steps{"snapshot", "dialog", "modified"}));
    h.steps.clear();
    RunW2Plus(
        h,
        [&] {
            h.steps.push_back("dialog");
            return false;
        },
        true);
    EXPECT_EQ(h.steps, (Steps{"snapshot", "dialog", "modified", "undo"}));
}

TEST(CommandWrappers, GeneratorDropsASelectionAndErasesFirst) {
    RecordingHost h;
    RunW3(h, ViewArea::ThreadingA, [&] { h.steps.push_back("gen"); });
    EXPECT_EQ(h.steps, (Steps{"snapshot", "erase", "gen", "repaint", "modified", "undo"}));
    h.steps.clear();
    h.selection = true;
    RunW3(h, ViewArea::ThreadingA, [&] { h.steps.push_back("gen"); });
    EXPECT_EQ(h.steps,
              (Steps{"snapshot", "resettool", "erase", "gen", "repaint", "modified", "undo"}));
}

TEST(CommandWrappers, ClearRepaintsBeforeMarkingUndo) {
    // A repaint disables Undo, so Undo must be marked after it.
    RecordingHost h;
    RunWC(h, [&] { h.steps.push_back("clear"); });
    EXPECT_EQ(h.steps, (Steps{"snapshot", "clear", "clearrepaint", "modified", "undo"}));
}

} // namespace
} // namespace hm
