// The Transform menu's complex-drafting commands over a command context
// without the main window: the dialogs' Preview, OK and Cancel, the save
// question before Expand, and the questions of Straight and Reanalyze.

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "ops/ui/complexdraftingcommands.h"
#include "ops/ui/expandpatterndialog.h"
#include "ops/ui/insertinpatterndialog.h"
#include "settings/basemultilang.h"
#include "support/childwidgets.h"
#include "support/testcontext.h"
#include "ui/commandwrappers.h"

namespace hm::test {
namespace {

using hmtest::Child;
using hmtest::Click;

class ComplexDraftingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Draft& d = t.draft();
        d.Ends = d.Picks = 20;
        d.PatternThreading[1] = 1;
        d.PatternThreading[2] = 2;
        d.SetLiftplan(1, 1, true);
        d.SetLiftplan(2, 2, true);
        t.view.VisibleEnds = t.view.VisiblePicks = 20;
        t.ctx.SetAnswerer([this](const Message& m, const QString&) {
            asked.push_back(m.text);
            return answer;
        });
    }
    std::vector<int> Threading(int ends) {
        std::vector<int> v;
        for (int e = 1; e <= ends; ++e) v.push_back(t.draft().PatternThreading[e]);
        return v;
    }
    bool RunW2(CommandHandler handler) { return RunWrapped(WrapperKind::W2, t.ctx, handler); }

    QTemporaryDir dir;
    TestContext t{dir.filePath("settings.ini")};
    std::vector<std::string> asked;
    BoxAnswer answer = BoxAnswer::Yes;
};

TEST_F(ComplexDraftingTest, ExpandPreviewsNeverAddUpAndCancelRestores) {
    const auto before = std::make_unique<Draft>(t.draft());
    // An earlier edit's undo snapshot, which a cancelled dialog must keep.
    auto earlier = std::make_unique<Draft>(t.draft());
    earlier->PatternThreading[1] = 9;
    t.undo.TakeSnapshot(*earlier);
    std::vector<std::vector<int>> previews;
    t.ctx.SetDialogRunner([&](QDialog& d) {
        EXPECT_EQ(Child<QSpinBox>(d, "SpinEdit1")->value(), 4) << "the stored factors";
        Child<QSpinBox>(d, "SpinEdit1")->setValue(2);
        Child<QSpinBox>(d, "SpinEdit2")->setValue(3);
        Click(d, "PreviewButton");
        previews.push_back(Threading(5));
        EXPECT_TRUE(t.draft().GetLiftplan(3, 1));
        Child<QSpinBox>(d, "SpinEdit1")->setValue(3);
        Click(d, "PreviewButton");
        previews.push_back(Threading(7));
        EXPECT_EQ(t.draft().Ends, 20) << "6 ends still fit";
        return int(QDialog::Rejected);
    });
    EXPECT_FALSE(RunW2(&Translate1Click));
    EXPECT_EQ(previews, (std::vector<std::vector<int>>{{1, 1, 2, 2, 0}, {1, 1, 1, 2, 2, 2, 0}}));
    EXPECT_EQ(t.draft().PatternThreading.bytes, before->PatternThreading.bytes);
    EXPECT_EQ(t.draft().Liftplan, before->Liftplan);
    EXPECT_EQ(t.draft().ExpandFactorEnds, 4) << "only OK stores the factors";
    EXPECT_FALSE(t.steps().contains("MarkUndoAvailable"));
    auto undone = std::make_unique<Draft>();
    t.undo.RestoreSnapshot(*undone);
    EXPECT_EQ(undone->PatternThreading[1], 9) << "the earlier edit can still be undone";
    EXPECT_TRUE(asked.empty()) << "an unmodified draft is not offered to be saved";
}

TEST_F(ComplexDraftingTest, ExpandOkAppliesStoresTheFactorsAndCanBeUndone) {
    // Preview a large expansion that raises the end count, then OK a small one:
    // the end count returns with the draft before OK applies.
    t.ctx.SetDialogRunner([&](QDialog& d) {
        Child<QSpinBox>(d, "SpinEdit1")->setValue(16);
        Click(d, "PreviewButton");
        EXPECT_EQ(t.draft().Ends, 32);
        Child<QSpinBox>(d, "SpinEdit1")->setValue(2);
        Child<QSpinBox>(d, "SpinEdit2")->setValue(1);
        return int(QDialog::Accepted);
    });
    EXPECT_TRUE(RunW2(&Translate1Click));
    EXPECT_EQ(Threading(5), (std::vector<int>{1, 1, 2, 2, 0}));
    EXPECT_EQ(t.draft().Ends, 20);
    EXPECT_EQ(t.draft().ExpandFactorEnds, 2);
    EXPECT_EQ(t.draft().ExpandFactorPicks, 1);
    EXPECT_TRUE(t.steps().contains("MarkUndoAvailable"));
    EXPECT_TRUE(t.undo.Undo(t.draft()));
    EXPECT_EQ(Threading(3), (std::vector<int>{1, 2, 0}));
}

TEST_F(ComplexDraftingTest, ExpandOffersToSaveAModifiedDraftFirst) {
    struct Case {
        BoxAnswer answer;
        bool saves; // Save As succeeds
        bool modified, expert, design;
        bool asks, opens;
    };
    const Case cases[] = {
        {BoxAnswer::Cancel, true, true, false, false, true, false},
        {BoxAnswer::Yes, false, true, false, false, true, false}, // Save As cancelled
        {BoxAnswer::Yes, true, true, false, false, true, true},
        {BoxAnswer::No, true, true, false, false, true, true},
        {BoxAnswer::Yes, true, false, false, false, false, true},
        {BoxAnswer::Yes, true, true, true, false, false, true},
        {BoxAnswer::Yes, true, true, false, true, false, true},
    };
    for (const Case& c : cases) {
        asked.clear();
        t.steps().clear();
        answer = c.answer;
        t.host.saveAsResult = c.saves;
        t.doc.Modified = c.modified;
        t.view.ExpertMode = c.expert;
        t.draft().DesignMode = c.design;
        bool opened = false;
        t.ctx.SetDialogRunner([&](QDialog&) {
            opened = true;
            return int(QDialog::Rejected);
        });
        Translate1Click(t.ctx);
        EXPECT_EQ(asked,
                  c.asks ? std::vector<std::string>{"@mestran"} : std::vector<std::string>{});
        EXPECT_EQ(opened, c.opens);
        EXPECT_EQ(t.steps().contains("SaveAs"), c.asks && c.answer == BoxAnswer::Yes);
    }
}

TEST_F(ComplexDraftingTest, InsertPreviewAndOk) {
    t.draft().PatternThreading[3] = 3;
    t.draft().PatternThreading[4] = 4;
    t.ctx.SetDialogRunner([&](QDialog& d) {
        EXPECT_EQ(Child<QSpinBox>(d, "IntervalEdit")->value(), 1);
        EXPECT_TRUE(Child<QRadioButton>(d, "EndOneButton")->isChecked());
        Child<QSpinBox>(d, "IntervalEdit")->setValue(2);
        Click(d, "PreviewButton");
        EXPECT_EQ(Threading(7), (std::vector<int>{0, 1, 2, 0, 3, 4, 0}));
        QTest::mouseClick(Child<QRadioButton>(d, "AfterIntervalButton"), Qt::LeftButton);
        Click(d, "PreviewButton");
        EXPECT_EQ(Threading(7), (std::vector<int>{1, 2, 0, 3, 4, 0, 0}));
        return int(QDialog::Accepted);
    });
    EXPECT_TRUE(RunW2(&InsertThreading1Click));
    EXPECT_EQ(Threading(7), (std::vector<int>{1, 2, 0, 3, 4, 0, 0}));

    t.ctx.SetDialogRunner([&](QDialog& d) {
        Click(d, "PreviewButton");
        return int(QDialog::Rejected);
    });
    const std::vector<int> applied = Threading(8);
    EXPECT_FALSE(RunW2(&InsertThreading1Click));
    EXPECT_EQ(Threading(8), applied);
}

TEST_F(ComplexDraftingTest, StraightAndReanalyzeAskAndMarkOnlyWhatChanged) {
    // Shafts 1 and 3 lift alike: Reanalyze merges them into 2,3,1,2,3,1 ->
    // 1,2,2,1,2,2; Straight then gives each end of that repeat a shaft.
    Draft& d = t.draft();
    for (int e = 1; e <= 12; ++e) d.PatternThreading[e] = static_cast<uint8_t>(e % 3 + 1);
    d.SetLiftplan(1, 3, true);
    answer = BoxAnswer::Cancel;
    EXPECT_FALSE(Reanalyze1Click(t.ctx));
    EXPECT_EQ(asked, std::vector<std::string>{"@mesreana"});
    EXPECT_EQ(d.PatternThreading[1], 2);
    EXPECT_TRUE(t.steps().isEmpty());

    answer = BoxAnswer::Yes;
    const int firstBefore = d.PatternThreading[1];
    EXPECT_TRUE(Reanalyze1Click(t.ctx));
    EXPECT_EQ(t.steps(), (QStringList{"Update", "MarkModified", "MarkUndoAvailable"}));
    EXPECT_EQ(d.PatternShafts, 2);
    auto undone = std::make_unique<Draft>();
    t.undo.RestoreSnapshot(*undone);
    EXPECT_EQ(undone->PatternThreading[1], firstBefore) << "Undo brings the draft before it back";

    asked.clear();
    t.steps().clear();
    EXPECT_TRUE(StraightThreading1Click(t.ctx));
    EXPECT_EQ(asked, std::vector<std::string>{"@idTransConv"});
    EXPECT_EQ(d.PatternShafts, 3);
    EXPECT_EQ(d.PatternThreading[4], 1);
    EXPECT_EQ(d.PatternThreading[6], 3);

    // A refusal shows its message and marks nothing.
    for (int e = 1; e <= 90; ++e) d.PatternThreading[e] = static_cast<uint8_t>(e);
    asked.clear();
    t.steps().clear();
    EXPECT_FALSE(StraightThreading1Click(t.ctx));
    EXPECT_EQ(asked, (std::vector<std::string>{"@idTransConv", "@toostraight"}));
    EXPECT_FALSE(t.steps().contains("MarkModified"));

    // Nothing in view: Straight says so, Reanalyze says nothing.
    t.view.VisiblePicks = 0;
    asked.clear();
    EXPECT_FALSE(StraightThreading1Click(t.ctx));
    EXPECT_FALSE(Reanalyze1Click(t.ctx));
    EXPECT_EQ(asked, std::vector<std::string>{"@globnopat"});
}

TEST_F(ComplexDraftingTest, DialogsSpeakTheCurrentLanguage) {
    SetLanguageEverywhere(1);
    TDlgExpand expand(2, 3);
    EXPECT_EQ(expand.windowTitle(), QString::fromUtf8("Muster vergrößern"));
    EXPECT_EQ(Child<QLabel>(expand, "Label1")->text(), QString::fromUtf8("Kettfäden:"));
    EXPECT_EQ(Child<QPushButton>(expand, "PreviewButton")->text(), "Vorschau");
    TInsdlgcd insert;
    EXPECT_EQ(insert.windowTitle(), QString::fromUtf8("In Mustereinzug einfügen"));
    EXPECT_EQ(Child<QRadioButton>(insert, "AfterIntervalButton")->text(), "Nach dem Abstand");
    SetLanguageEverywhere(0);
    EXPECT_EQ(Child<QLabel>(insert, "IntervalLabel")->text(), "Interval:");
}

} // namespace
} // namespace hm::test
