// The fabric window as a widget over a command context without the main
// window: its size and scroll bars, what it shows in every start position, the
// mouse status, click-to-centre and closing.

#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "fabric/fabrictestsupport.h"
#include "fabric/ui/fabriccommands.h"
#include "fabric/ui/fabricwindow.h"
#include "model/drawdown.h"
#include "support/testcontext.h"

namespace hm::test {
namespace {

class FabricWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        t_ = std::make_unique<TestContext>(dir_.filePath("settings.ini"));
    }

    Draft& D() { return t_->draft(); }

    // Shows the window with a client area of w x h as it stood before the
    // draft sized it.
    TFabwindow& Open(int w, int h) {
        TFabwindow& f = FabricWindowOf(t_->ctx);
        f.resize(w, h);
        t_->view.FabricWindowOn = true;
        ShowFabricWindow(t_->ctx);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&f));
        return f;
    }

    // Every pixel of the cloth area on the screen against the drawdown: the
    // warp colour where the warp is on top, the weft colour elsewhere, the
    // background beyond the last end.
    void ExpectScreenShowsTheDrawdown(TFabwindow& f) {
        const FabricWindowLayout& l = f.layout();
        const QImage shown = f.cloth()->grab().toImage();
        ASSERT_GE(shown.width(), l.winEnds);
        ASSERT_GE(shown.height(), l.winPicks);
        for (int y = 0; y < l.winPicks; ++y)
            for (int x = 0; x < l.winEnds; ++x) {
                const int end = l.EndAt(x), pick = l.PickAt(y);
                QRgb expected = ToRgb(D().BackgroundColor);
                if (end >= 1 && end <= l.ends)
                    expected = pick < 1 || pick > l.picks || WarpOnTop(D(), pick, end)
                                   ? Palette(D(), D().WarpColors[end])
                                   : Palette(D(), D().WeftColors[pick]);
                ASSERT_EQ(Px(shown, x, y), expected) << "x " << x << " y " << y;
            }
    }

    QTemporaryDir dir_;
    std::unique_ptr<TestContext> t_;
};

TEST_F(FabricWindowTest, ASmallDraftShrinksTheWindowTo99By99WithoutScrollBars) {
    D() = *PlainWeave(60, 40);
    TFabwindow& f = Open(300, 250);
    EXPECT_EQ(f.size(), QSize(99, 99));
    EXPECT_FALSE(f.horizontalBar()->isVisible());
    EXPECT_FALSE(f.verticalBar()->isVisible());
    EXPECT_EQ(f.layout().winEnds, 99);
    EXPECT_EQ(f.layout().winPicks, 99);
    ExpectScreenShowsTheDrawdown(f);
    // Only the 60 ends are cloth; the columns after them stay background.
    const QImage shown = f.cloth()->grab().toImage();
    const int lastColumn = D().ThreadingFromRight ? 0 : 98;
    EXPECT_EQ(Px(shown, lastColumn, 50), ToRgb(D().BackgroundColor));
}

TEST_F(FabricWindowTest, EveryStartPositionShowsScrollsAndNamesTheSameCloth) {
    D() = *RandomDraft(3, 700, 500);
    for (int corner = 0; corner < 4; ++corner) {
        SCOPED_TRACE(corner);
        D().ThreadingFromRight = corner & 1;
        D().LiftplanFromBottom = corner & 2;
        TFabwindow& f = Open(300, 200);
        ASSERT_TRUE(f.horizontalBar()->isVisible());
        const FabricWindowLayout& l = f.layout();
        const int bar = f.width() - f.cloth()->width();
        EXPECT_GT(bar, 0);
        EXPECT_EQ(l.winEnds, 300 - bar);
        EXPECT_EQ(f.horizontalBar()->maximum(), 700 - l.winEnds);
        EXPECT_EQ(f.horizontalBar()->pageStep(), l.winEnds);
        EXPECT_EQ(f.verticalBar()->maximum(), 500 - l.winPicks);
        ExpectScreenShowsTheDrawdown(f);

        // The end of a scroll moves the cloth: the bars run backwards where
        // the ends or picks start at the right or the bottom.
        f.horizontalBar()->setValue(100);
        f.verticalBar()->setValue(50);
        const int maxH = 700 - l.winEnds, maxV = 500 - l.winPicks;
        EXPECT_EQ(l.winFirstEnd, D().ThreadingFromRight ? maxH - 100 : 100);
        EXPECT_EQ(l.winFirstPick, D().LiftplanFromBottom ? maxV - 50 : 50);
        ExpectScreenShowsTheDrawdown(f);

        // The mouse names the end and pick under it.
        // (A move to where the mouse already is would not be reported.)
        QTest::mouseMove(f.cloth(), QPoint(11, 21));
        t_->steps().clear();
        QTest::mouseMove(f.cloth(), QPoint(10, 20));
        EXPECT_EQ(t_->steps().value(0),
                  QString("ShowCellInfo 3 %1 %2").arg(l.EndAt(10)).arg(l.PickAt(20)));
        EXPECT_EQ(l.EndAt(10),
                  D().ThreadingFromRight ? l.winFirstEnd + l.winEnds - 10 : l.winFirstEnd + 11);
    }
}

TEST_F(FabricWindowTest, AClickCentresTheDraftViewOnTheClickedEndAndPick) {
    D() = *PlainWeave(1000, 1000);
    D().ThreadingFromRight = D().LiftplanFromBottom = false;
    t_->view.VisibleEnds = 100;
    t_->view.VisiblePicks = 60;
    TFabwindow& f = Open(400, 400);
    QTest::mouseClick(f.cloth(), Qt::LeftButton, {}, QPoint(299, 10));
    EXPECT_EQ(D().FirstEnd, 250) << "the 300th column";
    EXPECT_EQ(D().FirstPick, 0) << "pick 11 lies in the first screen";
    EXPECT_TRUE(t_->steps().contains("Update"));

    // The same place again changes nothing and needs no repaint.
    t_->steps().clear();
    QTest::mouseClick(f.cloth(), Qt::LeftButton, {}, QPoint(299, 10));
    EXPECT_FALSE(t_->steps().contains("Update"));

    // While a fabric view shows, a click does not scroll the draft.
    t_->view.FabricView = true;
    QTest::mouseClick(f.cloth(), Qt::LeftButton, {}, QPoint(50, 300));
    EXPECT_EQ(D().FirstEnd, 250);
    EXPECT_EQ(D().FirstPick, 0);
}

TEST_F(FabricWindowTest, BesideASmallClothTheMouseNamesNothingAndAClickDoesNothing) {
    D() = *PlainWeave(60, 40);
    D().ThreadingFromRight = D().LiftplanFromBottom = false;
    t_->view.VisibleEnds = t_->view.VisiblePicks = 20;
    TFabwindow& f = Open(300, 250);
    t_->steps().clear();
    QTest::mouseMove(f.cloth(), QPoint(80, 80)); // right of end 60, above pick 40
    QTest::mouseClick(f.cloth(), Qt::LeftButton, {}, QPoint(80, 80));
    EXPECT_EQ(t_->steps(), QStringList{"ShowCellInfo 3 0 0"});
    EXPECT_EQ(D().FirstEnd, 0);
}

TEST_F(FabricWindowTest, AHiddenWindowIsLeftAloneUntilItIsShownAgain) {
    D() = *PlainWeave(60, 40);
    TFabwindow& f = Open(300, 250);
    const QImage before = f.image();
    f.close();
    EXPECT_FALSE(f.isVisible());
    EXPECT_FALSE(t_->view.FabricWindowOn);
    EXPECT_TRUE(t_->steps().contains("UpdateMenuState"));
    EXPECT_EQ(&FabricWindowOf(t_->ctx), &f) << "closing only hides it";

    D().WarpColors[1] = 3;
    f.Refresh();
    f.UpdateColumn(1);
    EXPECT_EQ(f.image(), before);

    // The menu item shows it again with the draft as it is now, and hides it.
    FabricWindow1Click(t_->ctx);
    EXPECT_TRUE(t_->view.FabricWindowOn);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    ExpectScreenShowsTheDrawdown(f);
    FabricWindow1Click(t_->ctx);
    EXPECT_FALSE(t_->view.FabricWindowOn);
    EXPECT_FALSE(f.isVisible());
}

TEST_F(FabricWindowTest, CaptionIsThePatternNameOrFabric) {
    D() = *PlainWeave(60, 40);
    TFabwindow& f = Open(300, 250);
    EXPECT_EQ(f.windowTitle(), "Fabric");
    t_->doc.CurrentName = "damask";
    f.Refresh();
    EXPECT_EQ(f.windowTitle(), "damask");
}

} // namespace
} // namespace hm::test
