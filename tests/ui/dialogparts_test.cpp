// The shared dialog builders: spin fields that keep their value inside the
// range, labelled rows, the Preview button and the layout beside the buttons.

#include <QCheckBox>
#include <QDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <array>
#include <gtest/gtest.h>

#include "ui/dialogbuttons.h"
#include "ui/dialogparts.h"

namespace hm::test {
namespace {

TEST(DialogPartsTest, SpinShowsTheValueInsideItsRange) {
    struct Case {
        NumberRange range;
        int value;
        int min, max, shown;
    };
    for (const Case& c :
         {Case{{2, 96}, 8, 2, 96, 8}, Case{{2, 96}, 0, 2, 96, 2}, Case{{2, 96}, 500, 2, 96, 96},
          Case{{-3, 3}, 0, -3, 3, 0}, Case{{5, 1}, 9, 5, 5, 5}}) {
        QDialog dialog;
        QSpinBox* s = MakeSpin(&dialog, "Spin", c.range, c.value);
        EXPECT_EQ(c.min, s->minimum()) << c.range.min << ".." << c.range.max;
        EXPECT_EQ(c.max, s->maximum()) << c.range.min << ".." << c.range.max;
        EXPECT_EQ(c.shown, s->value()) << c.value;
        EXPECT_EQ(QStringLiteral("Spin"), s->objectName());
    }
}

TEST(DialogPartsTest, LabelledRowLabelsItsFieldInsideTheFieldsParent) {
    QDialog dialog;
    auto* group = new QGroupBox(&dialog);
    QSpinBox* spin = MakeSpin(group, "StepsSpin", {1, 9}, 1);
    auto* form = new QFormLayout(group);
    QLabel* label = AddLabelledRow(form, "StepsLabel", "Steps:", spin);
    EXPECT_EQ(group, label->parentWidget());
    EXPECT_EQ(spin, label->buddy());
    EXPECT_EQ(label, form->labelForField(spin));
    EXPECT_EQ(label, group->findChild<QLabel*>(QStringLiteral("StepsLabel")));
}

// The hook may be set after the dialog is built, as the commands do.
TEST(DialogPartsTest, PreviewRunsTheHookAsItStandsWhenPressed) {
    QDialog dialog;
    std::function<void()> onPreview;
    QVBoxLayout* buttons = OkCancelColumn(&dialog);
    dialog.setLayout(buttons);
    QPushButton* preview = AddPreviewButton(buttons, &dialog, "PreviewBtn", onPreview);
    QTest::mouseClick(preview, Qt::LeftButton); // no hook yet: nothing happens
    int runs = 0;
    onPreview = [&runs] { ++runs; };
    QTest::mouseClick(preview, Qt::LeftButton);
    EXPECT_EQ(1, runs);
    EXPECT_EQ(QStringLiteral("Preview"), preview->text());
}

TEST(DialogPartsTest, FieldsStandLeftOfTheButtonsKeptAtTheTop) {
    QDialog dialog;
    QGroupBox* group = MakeRadioGroup(&dialog, "LRGroup", "Wrap");
    QRadioButton* right = AddRadio(group, "RightButton", "Right");
    QRadioButton* left = AddRadio(group, "LeftButton", "Left");
    QVBoxLayout* buttons = OkCancelColumn(&dialog);
    QHBoxLayout* layout = PlaceBesideButtons(&dialog, group, buttons);
    ASSERT_EQ(2, layout->count());
    EXPECT_EQ(group, layout->itemAt(0)->widget());
    EXPECT_EQ(buttons, layout->itemAt(1)->layout());
    EXPECT_NE(nullptr, buttons->itemAt(buttons->count() - 1)->spacerItem());
    EXPECT_EQ(right, group->layout()->itemAt(0)->widget());
    EXPECT_EQ(left, group->layout()->itemAt(1)->widget());
    right->setChecked(true);
    left->setChecked(true);
    EXPECT_FALSE(right->isChecked());
}

TEST(DialogPartsTest, CheckMarksAreStoredInOrder) {
    QDialog dialog;
    std::array<QCheckBox*, 3> boxes{MakeBox(&dialog, "A", "A", true), MakeBox(&dialog, "B", "B"),
                                    MakeBox(&dialog, "C", "C", true)};
    boxes[2]->setEnabled(false); // a withdrawn box keeps its mark for the next use
    std::array<bool, 3> marks{false, true, false};
    StoreCheckMarks(boxes, marks);
    EXPECT_EQ((std::array<bool, 3>{true, false, true}), marks);
}

} // namespace
} // namespace hm::test
