// The Keyboard Input window over a real draft view: key presses, the cursor,
// the labels, the caption and the translation of its controls.

#include <QLabel>
#include <QPushButton>

#include "settings/basemultilang.h"
#include "tools/ui/keyboardinput.h"
#include "tools_fixture.h"

namespace hm::testing {
namespace {

using A = ViewArea;

TEST_F(ToolsTest, KeyboardInputThreadsEndsAndRepaintsAtOnce) {
    Make();
    d.ThreadingFromRight = false;
    view->Update();
    TEdKeyForm form(view, EntryMode::PatternThreading);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_EQ(form.windowTitle(), "Pattern Threading");
    EXPECT_TRUE(tools->overlay()->CursorShown());
    QTest::keyClick(&form, Qt::Key_3);
    QTest::keyClick(&form, Qt::Key_5);
    QTest::keyClick(&form, Qt::Key_3, Qt::KeypadModifier); // numeric pad: not used
    EXPECT_EQ(d.PatternThreading[1], 3);
    EXPECT_EQ(d.PatternThreading[2], 5);
    EXPECT_EQ(d.PatternThreading[3], 0);
    EXPECT_EQ(Pixel(EndShaft(A::PatternThreading, 2, 5)), Mark());
    auto* top = form.findChild<QLabel*>("TopLabel");
    auto* topNumber = form.findChild<QLabel*>("TopNumber");
    auto* bottomNumber = form.findChild<QLabel*>("BottomNumber");
    ASSERT_TRUE(top && topNumber && bottomNumber);
    EXPECT_EQ(top->text(), "End");
    EXPECT_EQ(topNumber->text(), "3");
    EXPECT_EQ(bottomNumber->text(), "5");
    // Arrows move the cursor; the button never takes the keys.
    QTest::keyClick(&form, Qt::Key_Left);
    QTest::keyClick(&form, Qt::Key_Up);
    EXPECT_EQ(form.entry().column(), 2);
    EXPECT_EQ(form.entry().row(), 6);
    QTest::keyClick(&form, Qt::Key_Plus);
    EXPECT_EQ(d.PatternThreading[2], 6);
    // The cursor figure is in the background colour over a set cell.
    QTest::keyClick(&form, Qt::Key_Left);
    QTest::keyClick(&form, Qt::Key_Left);
    QTest::keyClick(&form, Qt::Key_Down);
    QTest::keyClick(&form, Qt::Key_Down);
    QTest::keyClick(&form, Qt::Key_Down);
    ASSERT_EQ(form.entry().row(), 3);
    EXPECT_TRUE(form.entry().CursorCellSet());
    const QImage shot = view->grab().toImage();
    const int u = L().EndColumn(1), v = L().ShaftRow(A::PatternThreading, 3);
    const PixelRect bar = ToolOverlay::CursorFigure(L().InteriorRect(u, v), L().zoom).front();
    EXPECT_EQ(shot.pixel(bar.x, bar.y) & 0xFFFFFF, Background());
    EXPECT_EQ(Pixel(QPoint(bar.x, bar.y)), Mark()); // the cell itself stays marked
    form.close();
    EXPECT_FALSE(tools->overlay()->CursorShown());
}

TEST_F(ToolsTest, KeyboardInputTieupLiftplanAndTreadlingModes) {
    Make();
    d.TreadlingA[2] = 1;
    d.ThreadingA[1] = 1;
    d.PatternThreadingOn = true;
    view->Update();
    {
        TEdKeyForm form(view, EntryMode::TieupAA);
        form.show();
        QTest::keyClick(&form, Qt::Key_Period);
        EXPECT_EQ(d.TieupAA(1, 1), TiePattern);
        QTest::keyClick(&form, Qt::Key_Space);
        EXPECT_EQ(d.TieupAA(1, 1), TieGround);
        // Pick 2 presses treadle 1, tied now to shaft 1 where end 1 is threaded.
        EXPECT_EQ(Pixel(Drawdown(1, 2)), ToRgb(d.Palette[d.WarpColors[1]]) & 0xFFFFFF);
        EXPECT_EQ(form.findChild<QLabel*>("TopLabel")->text(), "Shaft");
        EXPECT_EQ(form.findChild<QLabel*>("BottomLabel")->text(), "Treadle");
    }
    {
        TEdKeyForm form(view, EntryMode::Liftplan);
        form.show();
        QTest::keyClick(&form, Qt::Key_Right);
        QTest::keyClick(&form, Qt::Key_Space);
        EXPECT_TRUE(d.GetLiftplan(1, 2));
        EXPECT_EQ(Pixel(TreadlePick(A::Liftplan, 2, 1)), Mark());
        QTest::keyClick(&form, Qt::Key_End);
        QTest::keyClick(&form, Qt::Key_Up);
        EXPECT_EQ(form.entry().row(), L().visiblePicks);
        EXPECT_EQ(form.windowTitle(), "Liftplan");
    }
    {
        TEdKeyForm form(view, EntryMode::TreadlingA);
        form.show();
        QTest::keyClick(&form, Qt::Key_4);
        QTest::keyClick(&form, Qt::Key_9);
        EXPECT_EQ(d.TreadlingA[1], 4);
        EXPECT_EQ(form.entry().row(), 2);
        QTest::keyClick(&form, Qt::Key_Delete);
        EXPECT_EQ(d.TreadlingA[2], 0);
        EXPECT_EQ(form.windowTitle(), "Treadling A");
    }
    {
        TEdKeyForm form(view, EntryMode::ThreadingA);
        form.show();
        QTest::keyClick(&form, Qt::Key_2);
        EXPECT_EQ(d.ThreadingA[1], 2);
        QTest::keyClick(&form, Qt::Key_Home);
        QTest::keyClick(&form, Qt::Key_Insert);
        EXPECT_EQ(d.ThreadingA[1], 2);
        EXPECT_EQ(d.ThreadingA[2], 2);
        EXPECT_EQ(form.windowTitle(), "Threading A");
    }
}

TEST_F(ToolsTest, KeyboardInputSpeaksTheCurrentLanguage) {
    Make();
    SetLanguageEverywhere(1);
    {
        TEdKeyForm form(view, EntryMode::PatternThreading);
        form.show();
        EXPECT_EQ(form.findChild<QPushButton*>("CloseButton")->text(), QString("Schließen"));
        EXPECT_EQ(form.findChild<QLabel*>("TopLabel")->text(), QString("Kettfaden"));
        EXPECT_EQ(form.windowTitle(), QString("Mustereinzug"));
    }
    SetLanguageEverywhere(0);
}

} // namespace
} // namespace hm::testing
