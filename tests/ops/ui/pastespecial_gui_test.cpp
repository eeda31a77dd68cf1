// Paste Special through its dialog: the fields per kind, copies, flips,
// rotation, advance and insert, Preview, and Cancel restoring the draft.

#include <QCheckBox>
#include <QDialog>
#include <QPushButton>
#include <QSpinBox>

#include "clipboard_fixture.h"
#include "ops/opstestsupport.h"

namespace hm::test {
namespace {

using hmtest::Entries;

using A = ViewArea;

std::string LiftplanRows(const Draft& d, int from, int count, int width) {
    std::string rows;
    for (int p = from; p < from + count; ++p) {
        for (int s = 1; s <= width; ++s) rows += d.GetLiftplan(p, s) ? '#' : '.';
        rows += ' ';
    }
    return rows;
}

class PasteSpecialTest : public ClipboardTest {
  protected:
    // Fills the dialog's fields, may press Preview first, and closes it with `result`.
    void Answer(std::function<void(QDialog&)> fill, int result) {
        t.ctx.SetDialogRunner([fill, result](QDialog& dialog) {
            fill(dialog);
            return result;
        });
    }
    static void Set(QDialog& dialog, const char* name, bool on) {
        QCheckBox* box = dialog.findChild<QCheckBox*>(name);
        ASSERT_NE(box, nullptr) << name;
        box->setChecked(on);
    }
    static void SetNumber(QDialog& dialog, const char* name, int value) {
        QSpinBox* spin = dialog.findChild<QSpinBox*>(name);
        ASSERT_NE(spin, nullptr) << name;
        spin->setValue(value);
    }
    static bool Shown(QDialog& dialog, const char* name) {
        QWidget* w = dialog.findChild<QWidget*>(name);
        return w && w->isVisibleTo(&dialog);
    }
    static void Preview(QDialog& dialog) {
        dialog.findChild<QPushButton*>("PreviewButton")->click();
    }
};

TEST_F(PasteSpecialTest, CopiesAndFlipsWithPreviewAndCancelRestoringTheDraft) {
    d().SetLiftplan(1, 1, true);
    d().SetLiftplan(1, 2, true);
    Select(A::Liftplan, 1, 1, 3, 1); // "##."
    EditCopyItemClick(t.ctx);
    const std::string before = LiftplanRows(d(), 1, 5, 3);
    std::string previewed;
    Answer(
        [&](QDialog& dialog) {
            SetNumber(dialog, "CopiesEdit", 3);
            Set(dialog, "FlipHorizontalBox", true);
            Preview(dialog);
            previewed = LiftplanRows(d(), 1, 5, 3);
            Preview(dialog); // again from the same start
            EXPECT_EQ(LiftplanRows(d(), 1, 5, 3), previewed);
        },
        QDialog::Rejected);
    Select(A::Liftplan, 1, 2, 1, 2);
    t.steps().clear();
    EXPECT_FALSE(EditPasteSpecial1Click(t.ctx));
    EXPECT_EQ(previewed, "##. .## ##. .## ... ");
    EXPECT_EQ(LiftplanRows(d(), 1, 5, 3), before);
    EXPECT_FALSE(t.steps().contains("MarkUndoAvailable"));
    EXPECT_FALSE(tools->HasSelection());

    Answer(
        [&](QDialog& dialog) {
            SetNumber(dialog, "CopiesEdit", 3);
            Set(dialog, "NegativeBox", true);
        },
        QDialog::Accepted);
    Select(A::Liftplan, 1, 2, 1, 2);
    EXPECT_TRUE(EditPasteSpecial1Click(t.ctx));
    EXPECT_EQ(LiftplanRows(d(), 1, 5, 3), "##. ..# ##. ..# ... ");
    EXPECT_TRUE(t.steps().endsWith("MarkUndoAvailable"));
}

TEST_F(PasteSpecialTest, RotationTurnsEachCopyOnceMore) {
    d().SetLiftplan(1, 1, true);
    d().SetLiftplan(1, 2, true);
    Select(A::Liftplan, 1, 1, 2, 2); // "##" over ".."
    EditCopyItemClick(t.ctx);
    Answer(
        [&](QDialog& dialog) {
            Set(dialog, "FillRemainingBox", true);
            EXPECT_FALSE(dialog.findChild<QSpinBox*>("CopiesEdit")->isEnabled());
            Set(dialog, "RotateBox", true);
        },
        QDialog::Accepted);
    Select(A::Liftplan, 1, 3, 1, 3);
    EXPECT_TRUE(EditPasteSpecial1Click(t.ctx));
    // 90, 180, 270, 360 degrees, then again.
    EXPECT_EQ(LiftplanRows(d(), 3, 10, 2), "#. #. .. ## .# .# ## .. #. #. ");
}

TEST_F(PasteSpecialTest, ThreadingsOfferAdvanceAndInsert) {
    d().ShaftsA = 4;
    view->Update();
    for (int e = 1; e <= 4; ++e) d().ThreadingA[e] = static_cast<uint8_t>(e);
    for (int e = 5; e <= 8; ++e) d().ThreadingA[e] = 3;
    Select(A::ThreadingA, 1, 1, 4, 1);
    EditCopyItemClick(t.ctx);
    Answer(
        [&](QDialog& dialog) {
            for (const char* shown : {"InsertBox", "FlipHorizontalBox", "FlipVerticalBox",
                                      "AdvanceEdit", "FillRemainingBox"})
                EXPECT_TRUE(Shown(dialog, shown)) << shown;
            for (const char* hidden : {"NegativeBox", "RotateBox"})
                EXPECT_FALSE(Shown(dialog, hidden)) << hidden;
            auto* advance = dialog.findChild<QSpinBox*>("AdvanceEdit");
            EXPECT_EQ(advance->minimum(), -3);
            EXPECT_EQ(advance->maximum(), 3);
            advance->setValue(1);
            SetNumber(dialog, "CopiesEdit", 2);
            Set(dialog, "InsertBox", true);
        },
        QDialog::Accepted);
    Select(A::ThreadingA, 5, 1, 5, 1);
    EXPECT_TRUE(EditPasteSpecial1Click(t.ctx));
    // Shifted by 1, then by 2; the ends that stood there follow.
    EXPECT_EQ(Entries(d().ThreadingA, 1, 18),
              (std::vector<int>{1, 2, 3, 4, 2, 3, 4, 1, 3, 4, 1, 2, 3, 3, 3, 3, 0, 0}));
}

TEST_F(PasteSpecialTest, TheKindMustBeTheLastCopiedOneUntilAFileIsOpened) {
    d().WarpColors[1] = 9;
    Select(A::WarpColors, 1, 1, 1, 1);
    EditCopyItemClick(t.ctx);
    int opened = 0;
    Answer(
        [&](QDialog& dialog) {
            ++opened;
            EXPECT_FALSE(Shown(dialog, "FlipVerticalBox"));
            EXPECT_FALSE(Shown(dialog, "AdvanceEdit"));
        },
        QDialog::Rejected);
    Select(A::WeftColors, 1, 1, 1, 1);
    EXPECT_FALSE(EditPasteSpecial1Click(t.ctx));
    Select(A::WarpColors, 2, 1, 2, 1);
    EditPasteSpecial1Click(t.ctx);
    EXPECT_EQ(opened, 1);
    ForgetClipboardKind(t.ctx); // a file was opened
    Select(A::WarpColors, 2, 1, 2, 1);
    EditPasteSpecial1Click(t.ctx);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(asked, (std::vector<std::string>{"@invpaste", "@invpaste"}));
    // Plain Paste still works.
    EXPECT_TRUE(EditPasteItemClick(t.ctx));
    EXPECT_EQ(d().WarpColors[2], 9);
}

} // namespace
} // namespace hm::test
