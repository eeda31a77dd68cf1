// The Repeat dialog driven through its real widgets over a command context
// without the main window: what opening proposes and offers, the proposal on
// every change of target, Preview and Cancel with the snapshot, OK with the
// repeat numbers, and the values kept for the run.

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

#include "ops/ui/repeatcommand.h"
#include "ops/ui/repeatdialog.h"
#include "settings/basemultilang.h"
#include "support/childwidgets.h"
#include "support/testcontext.h"

namespace hm::test {
namespace {

class RepeatDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SetLanguageEverywhere(LangEnglish);
        Draft& d = t.draft();
        d.Ends = 200;
        d.Picks = 200;
        // A pattern threading 1..4 over ends 1..12, six liftplan picks.
        for (int e = 1; e <= 12; ++e) d.PatternThreading[e] = static_cast<uint8_t>((e - 1) % 4 + 1);
        for (int p = 1; p <= 6; ++p) d.SetLiftplan(p, (p - 1) % 4 + 1, true);
    }

    // Runs Edit > Repeat with the dialog shown; `script` works its widgets and
    // returns the button to press ("OKButton" or "CancelButton").
    bool Run(const std::function<const char*(QDialog&)>& script) {
        t.ctx.SetDialogRunner([&](QDialog& dialog) {
            dialog.show();
            dialog_ = &dialog;
            Click(script(dialog));
            dialog.hide();
            return dialog.result();
        });
        return Rep1Click(t.ctx);
    }
    template <typename W> W* Find(const char* name) { return hmtest::Child<W>(dialog_, name); }
    // Clicks near the left end, where a check box or radio button has its mark:
    // the middle of a wide one lies beyond its text and does not count.
    void Click(const char* name) {
        QAbstractButton* b = Find<QAbstractButton>(name);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
    }
    void Type(const char* spin, int value) {
        auto* s = Find<QSpinBox>(spin);
        s->selectAll();
        QTest::keyClicks(s, QString::number(value));
    }
    int Value(const char* spin) { return Find<QSpinBox>(spin)->value(); }
    bool Shown(const char* name) { return !Find<QWidget>(name)->isHidden(); }
    bool On(const char* name) { return Find<QAbstractButton>(name)->isChecked(); }
    bool Usable(const char* name) { return Find<QWidget>(name)->isEnabled(); }
    // The dialog's repeat settings: no Fill Pattern, a block, a number of copies.
    void SetBlock(int start, int end, int copies) {
        if (On("Fillpatbox")) Click("Fillpatbox");
        if ((copies == 0) != On("TotalBox")) Click("TotalBox");
        if (copies > 0) Type("RepSpin", copies);
        Type("StartSpin", start);
        Type("EndSpin", end);
    }

    QTemporaryDir dir;
    TestContext t{dir.filePath("settings.ini")};
    QDialog* dialog_ = nullptr;
};

TEST_F(RepeatDialogTest, OpeningProposesTheEndAndEveryTargetChangeProposesAgain) {
    bool ran = false;
    const bool applied = Run([&](QDialog&) {
        ran = true;
        // The pattern threading stops short of the last end: Fill Pattern is
        // offered, and the groups stay hidden while it is checked.
        EXPECT_TRUE(Usable("Fillpatbox"));
        EXPECT_TRUE(On("Fillpatbox"));
        for (const char* g : {"AreaBox", "RepXBox", "GroupBox1"}) EXPECT_FALSE(Shown(g)) << g;
        Click("Fillpatbox");
        for (const char* g : {"AreaBox", "RepXBox", "GroupBox1"}) EXPECT_TRUE(Shown(g)) << g;
        EXPECT_TRUE(On("RadioButton1"));
        EXPECT_EQ(Value("StartSpin"), 1);
        EXPECT_EQ(Value("EndSpin"), 12); // the last used end
        EXPECT_FALSE(Usable("RepSpin"));
        EXPECT_FALSE(Usable("RepLabel"));

        const struct {
            const char* button;
            int end;
            bool link;
        } steps[] = {
            {"RadioButton2", 6, true},   // the last used liftplan pick
            {"RadioButton7", 12, false}, // warp colours follow the pattern threading
            {"RadioButton4", 8, true},
            {"RadioButton8", 6, false},
        };
        for (const auto& s : steps) {
            Type("EndSpin", 99);
            Click(s.button);
            EXPECT_EQ(Value("EndSpin"), s.end) << s.button;
            EXPECT_EQ(Usable("LinkBox"), s.link) << s.button;
        }
        // The End Position is never proposed below the Start Position.
        Type("StartSpin", 10);
        Click("RadioButton2");
        EXPECT_EQ(Value("EndSpin"), 10);
        // Fill Remaining off frees the number of copies.
        Click("TotalBox");
        EXPECT_TRUE(Usable("RepSpin"));
        EXPECT_TRUE(Usable("RepLabel"));
        return "CancelButton";
    });
    EXPECT_TRUE(ran);
    EXPECT_FALSE(applied);
}

TEST_F(RepeatDialogTest, TargetsSwitchedOffCannotBeChosenAndGiveWayToTheGround) {
    Draft& d = t.draft();
    d.PatternThreadingOn = false;
    d.TreadlingBOn = false;
    Run([&](QDialog&) {
        for (const char* b : {"RadioButton1", "RadioButton2", "RadioButton6"})
            EXPECT_FALSE(Usable(b)) << b;
        for (const char* b : {"RadioButton3", "RadioButton4", "RadioButton5", "RadioButton7"})
            EXPECT_TRUE(Usable(b)) << b;
        EXPECT_TRUE(On("RadioButton3")); // the pattern threading's place
        EXPECT_EQ(Find<QRadioButton>("RadioButton2")->text(), "Liftplan");
        return "CancelButton";
    });
}

TEST_F(RepeatDialogTest, AFullDraftOffersNoFillPattern) {
    Draft& d = t.draft();
    d.Ends = 12;
    d.Picks = 6;
    for (int e = 1; e <= 12; ++e) d.ThreadingA[e] = 1;
    for (int p = 1; p <= 6; ++p) d.TreadlingA[p] = 1;
    Run([&](QDialog&) {
        EXPECT_FALSE(Usable("Fillpatbox"));
        EXPECT_FALSE(On("Fillpatbox"));
        EXPECT_TRUE(Shown("GroupBox1"));
        return "CancelButton";
    });
}

TEST_F(RepeatDialogTest, InDesignModeTheFillTestLooksAtThePictureAndOkFillsIt) {
    Draft& d = t.draft();
    d.Ends = 20;
    d.Picks = 20;
    d.DesignMode = true;
    // A 4 x 4 twill in the corner of the picture.
    for (int r = 1; r <= 4; ++r)
        for (int c = 1; c <= 4; ++c) d.SetDesignCell(r, c, (r + c) % 4 < 2);
    const bool applied = Run([&](QDialog&) {
        EXPECT_TRUE(Usable("Fillpatbox"));
        Click("Fillpatbox");
        // The ground has no picture to copy in Design mode.
        for (const char* b : {"RadioButton3", "RadioButton4", "RadioButton5", "RadioButton6"})
            EXPECT_FALSE(Usable(b)) << b;
        Click("Fillpatbox");
        return "OKButton";
    });
    EXPECT_TRUE(applied);
    for (int r = 1; r <= 20; ++r)
        for (int c = 1; c <= 20; ++c)
            EXPECT_EQ(d.GetDesignCell(r, c), d.GetDesignCell((r - 1) % 4 + 1, (c - 1) % 4 + 1))
                << r << "," << c;
    EXPECT_TRUE(t.steps().contains("Update"));
}

TEST_F(RepeatDialogTest, PreviewsDoNotAccumulateAndCancelReturnsToTheOpeningState) {
    Draft& d = t.draft();
    d.PatternThreading.FillFrom(5, 0);
    for (int e = 1; e <= 4; ++e) d.WarpColors[e] = static_cast<uint8_t>(10 + e);
    d.WarpRepeat = 8;
    const auto before = std::make_unique<Draft>(d);
    const bool applied = Run([&](QDialog&) {
        SetBlock(1, 4, 1);
        Click("PreviewBtn");
        EXPECT_EQ(d.PatternThreading[5], 1); // one copy of ends 1..4
        EXPECT_EQ(d.WarpColors[6], 12);      // linked colours travel along
        EXPECT_EQ(d.PatternThreading[9], 0);
        // A second preview starts again from the draft as it opened.
        Type("EndSpin", 2);
        Click("PreviewBtn");
        EXPECT_EQ(d.PatternThreading[3], 1);
        EXPECT_EQ(d.PatternThreading[4], 2);
        EXPECT_EQ(d.PatternThreading[5], 0);
        EXPECT_EQ(d.WarpColors[6], d.DefaultWarpColor());
        // After a preview the proposal still looks at the draft as it opened.
        Click("RadioButton2");
        Click("RadioButton1");
        EXPECT_EQ(Value("EndSpin"), 4);
        return "CancelButton";
    });
    EXPECT_FALSE(applied);
    EXPECT_EQ(t.steps().count("RepaintDraft"), 3); // two previews and the Cancel
    EXPECT_EQ(d.PatternThreading.bytes, before->PatternThreading.bytes);
    EXPECT_EQ(d.WarpColors.bytes, before->WarpColors.bytes);
    EXPECT_EQ(d.WarpRepeat, 8);
}

TEST_F(RepeatDialogTest, OkRepeatsTheBlockAndKeepsTheEndAsTheRepeat) {
    Draft& d = t.draft();
    const struct {
        int copies; // 0: Fill Remaining
        int lastFilled;
    } cases[] = {{0, 200}, {2, 12}, {1, 8}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.copies);
        d.PatternThreading.FillFrom(5, 0);
        const bool applied = Run([&](QDialog&) {
            SetBlock(1, 4, c.copies);
            return "OKButton";
        });
        EXPECT_TRUE(applied);
        EXPECT_EQ(d.PatternThreading[c.lastFilled], 4);
        if (c.lastFilled < 200) {
            EXPECT_EQ(d.PatternThreading[c.lastFilled + 1], 0);
        }
        EXPECT_EQ(d.WarpRepeat, 4);
    }
    // The dialog kept its values from one use to the next.
    Run([&](QDialog&) {
        EXPECT_FALSE(On("Fillpatbox"));
        EXPECT_FALSE(On("TotalBox"));
        EXPECT_EQ(Value("RepSpin"), 1);
        EXPECT_EQ(Value("StartSpin"), 1);
        return "CancelButton";
    });
    EXPECT_EQ(&RepeatForm(t.ctx), &RepeatForm(t.ctx));
}

TEST_F(RepeatDialogTest, HelpOpensTheRepeatPageInTheLanguageOfTheDialog) {
    SetLanguageEverywhere(LangSwedish);
    QString title, liftplan;
    Run([&](QDialog& dialog) {
        title = dialog.windowTitle();
        liftplan = Find<QRadioButton>("RadioButton2")->text();
        Click("HelpButton");
        return "CancelButton";
    });
    SetLanguageEverywhere(LangEnglish);
    EXPECT_EQ(title, "Upprepa");
    EXPECT_EQ(liftplan, "Dragnota");
    EXPECT_TRUE(t.steps().contains("ShowHelp fill-and-repeat.html"));
}

} // namespace
} // namespace hm::test
