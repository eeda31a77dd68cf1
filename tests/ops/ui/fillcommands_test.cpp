// The Fill menu's handlers over a command context without the main window: the
// generator wrapper's steps, the items a draft does not offer, the satin dialog
// as the user sees it, and the run's random source.

#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "ops/randomsource.h"
#include "ops/ui/fillcommands.h"
#include "ops/ui/satindialog.h"
#include "settings/basemultilang.h"
#include "support/testcontext.h"

namespace hm::test {
namespace {

using GT = GeneratorTarget;
using GK = GeneratorKind;

std::vector<int> Entries(const OneBasedBytes<MaxEnds>& a, int n) {
    std::vector<int> v;
    for (int i = 1; i <= n; ++i) v.push_back(a[i]);
    return v;
}

class FillCommandsTest : public ::testing::Test {
  protected:
    void SetUp() override { SetLanguageEverywhere(LangEnglish); }
    void TearDown() override { SetLanguageEverywhere(LangEnglish); }

    // Answers the satin dialog: records what it shows, then sets the move (0:
    // leave it) and presses OK or Cancel.
    struct SatinSeen {
        QString caption, numLabel, numLabel2;
        bool secondLineShown = false;
        int move = 0, low = 0, high = 0;
    };
    void AnswerSatin(SatinSeen& seen, int setMove, bool ok) {
        t.ctx.SetDialogRunner([&seen, setMove, ok](QDialog& dialog) {
            dialog.show();
            seen.caption = dialog.windowTitle();
            seen.numLabel = dialog.findChild<QLabel*>("NumLabel")->text();
            auto* second = dialog.findChild<QLabel*>("NumLabel2");
            seen.numLabel2 = second->text();
            seen.secondLineShown = second->isVisible();
            auto* spin = dialog.findChild<QSpinBox*>("SpinEdit1");
            seen.move = spin->value();
            seen.low = spin->minimum();
            seen.high = spin->maximum();
            if (setMove > 0) {
                spin->selectAll();
                QTest::keyClicks(spin, QString::number(setMove));
            }
            QTest::mouseClick(dialog.findChild<QPushButton*>(ok ? "OKButton" : "CancelButton"),
                              Qt::LeftButton);
            return dialog.result();
        });
    }

    QTemporaryDir dir;
    TestContext t{dir.filePath("settings.ini")};
};

TEST_F(FillCommandsTest, ASequenceRunsOnceUnderTheGeneratorWrapperAndCanBeUndone) {
    Draft& d = t.draft();
    d.Ends = 10;
    d.Picks = 10;
    d.ShaftsA = 4;
    d.TreadlesB = 4;
    d.ThreadingA[3] = 1;
    d.TreadlingB[12] = 2; // beyond Picks: untouched
    t.host.selection = true;
    struct Case {
        GT target;
        GK kind;
        const OneBasedBytes<MaxEnds>* entries;
        std::vector<int> expected;
        int32_t* repeat;
        int repeatLength;
    };
    const Case cases[] = {
        {GT::ThreadingA,
         GK::Pointed,
         &d.ThreadingA,
         {1, 2, 3, 4, 3, 2, 1, 2, 3, 4},
         &d.WarpRepeat,
         6},
        {GT::TreadlingB,
         GK::Rosepath,
         &d.TreadlingB,
         {1, 2, 3, 4, 3, 2, 1, 4, 1, 2},
         &d.WeftRepeat,
         8},
    };
    for (const Case& c : cases) {
        const std::vector<int> before = Entries(*c.entries, 10);
        t.steps().clear();
        EXPECT_TRUE(RunFillGenerator(t.ctx, c.target, c.kind));
        EXPECT_EQ(Entries(*c.entries, 10), c.expected);
        EXPECT_EQ(*c.repeat, c.repeatLength);
        EXPECT_EQ(t.steps(), (QStringList{"TakeUndoSnapshot", "ResetTool", "EraseMarks",
                                          "RepaintDraft", "MarkModified", "MarkUndoAvailable"}));
        EXPECT_TRUE(t.doc.Modified);
        ASSERT_TRUE(t.undo.UndoAvailable);
        t.undo.Undo(d);
        EXPECT_EQ(Entries(*c.entries, 10), before);
    }
    EXPECT_EQ(d.TreadlingB[12], 2);
}

TEST_F(FillCommandsTest, TheSatinDialogShowsTheMovesAndWeavesTheChosenOne) {
    struct Case {
        int shafts;
        const char* caption;
        const char* numLabel;
        bool secondLine;
        int firstMove;
    };
    const Case cases[] = {
        {8, "Satin - 8 shafts", "3,5", false, 3},
        {7, "Satin - 7 shafts", "3,4, 2,5", false, 3},
        {6, "Satin - 6 shafts", "none", false, 1},
        {33, "Satin - 33 shafts", "very many", false, 1},
        {31, "Satin - 31 shafts", "15,16, 14,17, 13,18, 12,19, 11,20, 10,21", true, 15},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shafts);
        SatinSeen seen;
        AnswerSatin(seen, 0, false);
        EXPECT_FALSE(AskSatinMove(t.ctx, c.shafts).has_value());
        EXPECT_EQ(seen.caption, c.caption);
        EXPECT_EQ(seen.numLabel, c.numLabel);
        EXPECT_EQ(seen.secondLineShown, c.secondLine);
        EXPECT_EQ(seen.move, c.firstMove);
        EXPECT_EQ(seen.low, 1);
        EXPECT_EQ(seen.high, c.shafts - 1);
        if (c.secondLine) {
            EXPECT_EQ(seen.numLabel2, "9,22, 8,23, 7,24, 6,25, 5,26, 4,27, ");
        }
    }

    // Five shafts, move 3 typed: treadles 1..5 lift shafts 1, 4, 2, 5, 3; OK is one edit.
    Draft& d = t.draft();
    d.ShaftsA = 5;
    d.TreadlesA = 5;
    d.TieupAA(4, 1) = TieGround; // cleared first
    SatinSeen seen;
    AnswerSatin(seen, 3, true);
    EXPECT_TRUE(RunFillGenerator(t.ctx, GT::TieupAA, GK::Satin));
    EXPECT_EQ(seen.numLabel, "2,3");
    const int lifted[] = {1, 4, 2, 5, 3};
    for (int tr = 1; tr <= 5; ++tr)
        for (int s = 1; s <= 5; ++s)
            EXPECT_EQ(d.TieupAA(s, tr), s == lifted[tr - 1] ? TieGround : TieNone)
                << s << "/" << tr;
    EXPECT_EQ(t.steps().count("TakeUndoSnapshot"), 1);
    EXPECT_TRUE(t.undo.UndoAvailable);

    // Cancel leaves the tie-up, the modified mark and Undo alone.
    t.steps().clear();
    t.doc.Modified = false;
    t.undo.UndoAvailable = false;
    AnswerSatin(seen, 0, false);
    EXPECT_FALSE(RunFillGenerator(t.ctx, GT::TieupAA, GK::Satin));
    EXPECT_EQ(d.TieupAA(4, 2), TieGround);
    EXPECT_TRUE(t.steps().isEmpty());
    EXPECT_FALSE(t.doc.Modified);
    EXPECT_FALSE(t.undo.UndoAvailable);
}

TEST_F(FillCommandsTest, TheSatinDialogSpeaksTheLanguageAndItsHelpOpensTheSatinPage) {
    SetLanguageEverywhere(LangGerman);
    QString caption, none;
    t.ctx.SetDialogRunner([&](QDialog& dialog) {
        dialog.show();
        caption = dialog.windowTitle();
        none = dialog.findChild<QLabel*>("NumLabel")->text();
        QTest::mouseClick(dialog.findChild<QPushButton*>("HelpButton"), Qt::LeftButton);
        return int(QDialog::Rejected);
    });
    AskSatinMove(t.ctx, 6);
    EXPECT_EQ(caption, QString::fromUtf8("Atlas - 6 Schäfte"));
    EXPECT_EQ(none, "keine");
    EXPECT_EQ(t.steps(), QStringList{"ShowHelp satin.html"});
}

TEST_F(FillCommandsTest, TwillVariationsDrawFromTheRunsOneSource) {
    Draft& d = t.draft();
    d.ShaftsA = 8;
    d.TreadlesA = 8;
    auto column = [&d](int tr) {
        std::vector<int> v;
        for (int s = 1; s <= 8; ++s) v.push_back(d.TieupAA(s, tr));
        return v;
    };
    RandomSource& source = FillRandomSource(t.ctx);
    EXPECT_EQ(&source, &FillRandomSource(t.ctx));
    source.Seed(7);
    ASSERT_TRUE(RunFillGenerator(t.ctx, GT::TieupAA, GK::RandomTwill));
    const std::vector<int> first = column(1);
    EXPECT_EQ(std::count(first.begin(), first.end(), TieGround), 4);
    // The same seed weaves the same twill again; the source moves on otherwise.
    const std::vector<int> second = column(2);
    source.Seed(7);
    RunFillGenerator(t.ctx, GT::TieupAA, GK::RandomTwill);
    EXPECT_EQ(column(1), first);
    EXPECT_EQ(column(2), second);
}

} // namespace
} // namespace hm::test
