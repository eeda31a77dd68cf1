// Tool keys, Draft and Design views, zoom and scrolling.

#include <QFileInfo>
#include <QLabel>
#include <QScrollBar>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>

#include "mainwindow_fixture.h"
#include "model/design.h"
#include "view/ui/viewcommands.h"
#include "window/statusline.h"

namespace hm::testing {

namespace {

// A small pattern: a straight pattern threading and a twill liftplan.
void SmallPattern(Draft& d) {
    for (int e = 1; e <= 16; ++e) d.PatternThreading[e] = static_cast<uint8_t>((e - 1) % 8 + 1);
    for (int p = 1; p <= 16; ++p) {
        d.SetLiftplan(p, (p - 1) % 8 + 1, true);
        d.SetLiftplan(p, p % 8 + 1, true);
    }
}

} // namespace

TEST_F(MainWindowTest, KeySCyclesPenLineSelection) {
    TWform& w = Make(true);
    QTest::keyClick(&w, Qt::Key_P);
    EXPECT_FALSE(w.view().LineOn);
    EXPECT_TRUE(Checked("PenSpeedButton"));

    QTest::keyClick(&w, Qt::Key_S);
    EXPECT_TRUE(w.view().LineOn);
    EXPECT_FALSE(w.view().SelectionTool);
    EXPECT_TRUE(Checked("LineSpeedButton"));

    QTest::keyClick(&w, Qt::Key_S);
    EXPECT_TRUE(w.view().SelectionTool);
    EXPECT_TRUE(Checked("SelectSpeedButton"));

    QTest::keyClick(&w, Qt::Key_S);
    EXPECT_FALSE(w.view().SelectionTool);
    EXPECT_FALSE(w.view().LineOn);
    EXPECT_TRUE(Checked("PenSpeedButton"));
}

TEST_F(MainWindowTest, KeysMLPChooseToolsAndAreIgnoredWhileAButtonIsHeld) {
    TWform& w = Make(true);
    QTest::keyClick(&w, Qt::Key_M);
    EXPECT_TRUE(w.view().SelectionTool);
    QTest::keyClick(&w, Qt::Key_L);
    EXPECT_FALSE(w.view().SelectionTool);
    EXPECT_TRUE(w.view().LineOn);
    w.view().MouseButtonDown = true;
    QTest::keyClick(&w, Qt::Key_P);
    EXPECT_TRUE(w.view().LineOn);
    w.view().MouseButtonDown = false;
    QTest::keyClick(&w, Qt::Key_P);
    EXPECT_FALSE(w.view().LineOn);
}

TEST_F(MainWindowTest, DesignAndBackWithKeyD) {
    TWform& w = Make(true);
    Draft& d = w.draft();
    SmallPattern(d);
    d.FirstEnd = 5;
    QTest::keyClick(&w, Qt::Key_D);
    EXPECT_TRUE(d.DesignMode);
    EXPECT_TRUE(Checked("Design1"));
    EXPECT_FALSE(Checked("Draft1"));
    EXPECT_EQ(d.FirstEnd, 0);
    EXPECT_TRUE(asked_.empty()); // not modified: no question
    // The picture is the drawdown of the pattern level.
    EXPECT_TRUE(d.GetDesignCell(1, 1));
    EXPECT_FALSE(d.GetDesignCell(1, 3));

    // Back to Draft: the picture is analysed again into the same pattern.
    d.PatternThreadingOn = false;
    QTest::keyClick(&w, Qt::Key_D);
    EXPECT_FALSE(d.DesignMode);
    EXPECT_TRUE(Checked("Draft1"));
    EXPECT_TRUE(d.PatternThreadingOn);
    for (int e = 1; e <= 16; ++e) EXPECT_EQ(d.PatternThreading[e], (e - 1) % 8 + 1) << e;
    for (int p = 1; p <= 16; ++p)
        for (int c = 1; c <= 8; ++c)
            EXPECT_EQ(d.GetLiftplan(p, c), c == (p - 1) % 8 + 1 || c == p % 8 + 1) << p;
}

TEST_F(MainWindowTest, DesignAsksToSaveAModifiedDraftAndCancelStays) {
    TWform& w = Make(true);
    SmallPattern(w.draft());
    w.doc().Modified = true;
    answer_ = 3;
    w.Action("Design1")->trigger();
    ASSERT_EQ(asked_.size(), 1u);
    EXPECT_EQ(asked_[0], "@mesdesign");
    EXPECT_FALSE(w.draft().DesignMode);
    EXPECT_TRUE(Checked("Draft1"));

    // No: switch without saving.
    answer_ = 2;
    w.Action("Design1")->trigger();
    EXPECT_TRUE(w.draft().DesignMode);

    // Yes, then Cancel in the save dialog: the switch is abandoned.
    w.Action("Draft1")->trigger();
    w.doc().Modified = true;
    answer_ = 1;
    w.Action("Design1")->trigger();
    EXPECT_FALSE(w.draft().DesignMode);
    // Yes with a save that succeeds: the file is written and the switch goes ahead.
    chosenPath_ = dir_->path() + "/before-design.hdx";
    w.Action("Design1")->trigger();
    EXPECT_TRUE(QFileInfo::exists(chosenPath_));
    EXPECT_EQ(w.doc().CurrentFile, chosenPath_);
    EXPECT_TRUE(w.draft().DesignMode);
}

TEST_F(MainWindowTest, DesignWarnsWhenThePatternReachesBeyond2400) {
    TWform& w = Make();
    Draft& d = w.draft();
    d.Ends = 3000;
    d.PatternThreading[2500] = 1;
    d.SetLiftplan(1, 1, true);
    answer_ = 3;
    w.Action("Design1")->trigger();
    ASSERT_EQ(asked_.size(), 1u);
    EXPECT_EQ(asked_[0], "@mesdesign1");
    EXPECT_FALSE(d.DesignMode);

    // Expert mode asks nothing.
    asked_.clear();
    w.view().ExpertMode = true;
    w.doc().Modified = true;
    w.Action("Design1")->trigger();
    EXPECT_TRUE(asked_.empty());
    EXPECT_TRUE(d.DesignMode);
}

TEST_F(MainWindowTest, LeavingDesignWithTooManyColumnsAsksAndCancelKeepsDesign) {
    TWform& w = Make(true);
    Draft& d = w.draft();
    w.Action("Design1")->trigger();
    ASSERT_TRUE(d.DesignMode);
    // 130 distinct columns: column c is set on rows 1..c.
    for (int c = 1; c <= 130; ++c)
        for (int r = 1; r <= c; ++r) d.SetDesignCell(r, c, true);
    answer_ = 3;
    w.Action("Draft1")->trigger();
    ASSERT_EQ(asked_.size(), 1u);
    EXPECT_EQ(asked_[0], "@emaxshafts");
    EXPECT_TRUE(d.DesignMode);
    EXPECT_TRUE(d.GetDesignCell(130, 130));

    answer_ = 1;
    w.Action("Draft1")->trigger();
    EXPECT_FALSE(d.DesignMode);
    EXPECT_EQ(d.PatternShafts, 128);
}

TEST_F(MainWindowTest, ZoomSliderChangesZoomButNotBeyondWhatFits) {
    TWform& w = Make(true);
    QSlider* slider = w.findChild<QSlider*>("SlideBar1");
    QLabel* zpanel = w.findChild<QLabel*>("Zpanel");
    slider->setValue(7);
    EXPECT_EQ(w.draft().Zoom, 7);
    EXPECT_EQ(zpanel->text(), "7");
    // 32 shafts A on this window do not fit at zoom 20.
    w.draft().ShaftsA = 32;
    w.Update();
    const int fitted = w.draft().Zoom;
    slider->setValue(20);
    EXPECT_LT(w.draft().Zoom, 20);
    EXPECT_GE(w.draft().Zoom, fitted);
    EXPECT_EQ(slider->value(), w.draft().Zoom);
}

TEST_F(MainWindowTest, ScrollingAndZoomingDisableUndo) {
    TWform& w = Make(true);
    Draft& d = w.draft();
    d.ThreadingA[1] = 2;
    w.Action("ThreadingA1")->trigger(); // Clear > Threading A
    EXPECT_EQ(d.ThreadingA[1], 0);
    EXPECT_TRUE(w.undo().UndoAvailable);
    EXPECT_TRUE(Enabled("EditUndoItem"));
    EXPECT_TRUE(w.doc().Modified);

    QScrollBar* h = w.findChild<QScrollBar*>("ScrollBarH");
    ASSERT_GT(h->maximum(), 0);
    h->setValue(h->maximum() - 10); // reversed: ten ends in from the start
    EXPECT_EQ(d.FirstEnd, 10);
    EXPECT_FALSE(w.undo().UndoAvailable);
    EXPECT_FALSE(Enabled("EditUndoItem"));

    // Undo is available again after the next edit, and a zoom takes it away.
    w.Action("Colors1")->trigger();
    EXPECT_TRUE(Enabled("EditUndoItem"));
    w.findChild<QSlider*>("SlideBar1")->setValue(8);
    EXPECT_FALSE(Enabled("EditUndoItem"));
}

// The handle of each bar is as long as the share of the threads in view, after
// a zoom and a switch between Draft and Design as after any other layout.
TEST_F(MainWindowTest, ScrollBarRangeAndPageFollowEveryLayout) {
    TWform& w = Make(true);
    Draft& d = w.draft();
    d.Ends = 330;
    d.Picks = 400;
    w.Update();
    QScrollBar* h = w.findChild<QScrollBar*>("ScrollBarH");
    QScrollBar* v = w.findChild<QScrollBar*>("ScrollBarV");
    QSlider* zoom = w.findChild<QSlider*>("SlideBar1");
    auto expectFollows = [&](const char* step) {
        SCOPED_TRACE(step);
        const int ends = w.view().VisibleEnds, picks = w.view().VisiblePicks;
        ASSERT_GT(ends, 0);
        EXPECT_EQ(h->maximum(), std::max(0, d.Ends - ends));
        EXPECT_EQ(h->pageStep(), std::max(1, ends - 1));
        EXPECT_EQ(v->maximum(), std::max(0, d.Picks - picks));
        EXPECT_EQ(v->pageStep(), std::max(1, picks - 1));
        // The handle stands for ends 1 to `ends`: at the end where end 1 is.
        EXPECT_EQ(h->value(), d.ThreadingFromRight ? h->maximum() : 0);
        EXPECT_EQ(w.statusLine()->PanelText(1), QString("Warp: 1-%1").arg(ends));
    };
    expectFollows("start");
    zoom->setValue(20);
    ASSERT_GT(d.Zoom, 10);
    expectFollows("zoom in");
    QTest::keyClick(&w, Qt::Key_D);
    ASSERT_TRUE(d.DesignMode);
    expectFollows("Design");
    QTest::keyClick(&w, Qt::Key_D);
    ASSERT_FALSE(d.DesignMode);
    expectFollows("Draft");
    zoom->setValue(3);
    expectFollows("zoom out");
}

// A handle at the end of its track must not read as part of the groove: it is
// drawn darker than the groove beside it.
TEST_F(MainWindowTest, TheScrollBarHandleIsDarkerThanItsGroove) {
    TWform& w = Make(true);
    w.draft().Ends = 330;
    w.Update();
    for (const char* name : {"ScrollBarH", "ScrollBarV"}) {
        SCOPED_TRACE(name);
        QScrollBar* bar = w.findChild<QScrollBar*>(name);
        QStyleOptionSlider option;
        option.initFrom(bar);
        option.orientation = bar->orientation();
        option.minimum = bar->minimum();
        option.maximum = bar->maximum();
        option.sliderPosition = option.sliderValue = bar->value();
        option.pageStep = bar->pageStep();
        option.singleStep = bar->singleStep();
        option.upsideDown = false;
        option.subControls = QStyle::SC_All;
        const QRect handle = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option,
                                                          QStyle::SC_ScrollBarSlider, bar);
        const QRect groove = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option,
                                                          QStyle::SC_ScrollBarGroove, bar);
        ASSERT_FALSE(handle.isEmpty());
        // A point of the groove outside the handle, on the side with more room.
        const bool horizontal = bar->orientation() == Qt::Horizontal;
        const QPoint free =
            horizontal ? QPoint(handle.left() - groove.left() > groove.right() - handle.right()
                                    ? (groove.left() + handle.left()) / 2
                                    : (handle.right() + groove.right()) / 2,
                                groove.center().y())
                       : QPoint(groove.center().x(),
                                handle.top() - groove.top() > groove.bottom() - handle.bottom()
                                    ? (groove.top() + handle.top()) / 2
                                    : (handle.bottom() + groove.bottom()) / 2);
        const QImage image = bar->grab().toImage();
        EXPECT_LT(qGray(image.pixel(handle.center())) + 20, qGray(image.pixel(free)));
    }
}

TEST_F(MainWindowTest, VerticalBarIsReversedWithTheLiftplanFromTheBottom) {
    TWform& w = Make(true);
    Draft& d = w.draft();
    ASSERT_TRUE(d.LiftplanFromBottom);
    QScrollBar* v = w.findChild<QScrollBar*>("ScrollBarV");
    EXPECT_EQ(v->maximum(), d.Picks - w.view().VisiblePicks);
    EXPECT_EQ(v->value(), v->maximum()); // offset 0
    v->setValue(v->maximum() - 30);
    EXPECT_EQ(d.FirstPick, 30);
    EXPECT_EQ(w.statusLine()->PanelText(2), QString("Weft: 31-%1").arg(30 + w.view().VisiblePicks));
}

TEST_F(MainWindowTest, WheelMovesThreeRowsPerNotch) {
    TWform& w = Make(true);
    QScrollBar* v = w.findChild<QScrollBar*>("ScrollBarV");
    const int start = v->value();
    QWheelEvent towardsUser(QPointF(50, 50), w.mapToGlobal(QPointF(50, 50)), QPoint(),
                            QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                            false);
    QApplication::sendEvent(&w, &towardsUser);
    // Already at the end in that direction: nothing moves.
    EXPECT_EQ(v->value(), start);
    QWheelEvent away(QPointF(50, 50), w.mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, 120),
                     Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&w, &away);
    EXPECT_EQ(v->value(), start - 3);
    EXPECT_EQ(w.draft().FirstPick, 3);
}

TEST_F(MainWindowTest, FabricViewsAreOnTheViewMenuButTheYarnViewIsHidden) {
    Make();
    EXPECT_TRUE(Enabled("Fabric1"));
    EXPECT_TRUE(Enabled("Interlacement1"));
    EXPECT_TRUE(Enabled("DraftSpeedButton"));
    EXPECT_TRUE(Visible("Drapery1"));
    EXPECT_FALSE(Visible("FabricYarnView1"));
}

TEST_F(MainWindowTest, ZoomFittingBelongsToTheDraftViewAlone) {
    TWform& w = Make(true);
    Draft& d = w.draft();
    SmallPattern(d);
    QSlider* slider = w.findChild<QSlider*>("SlideBar1");
    slider->setValue(20);
    const int draftZoom = d.Zoom;
    ASSERT_GT(draftZoom, 12);
    d.FabricZoom = 3;
    SwitchToFabricView(w.context(), 0);
    ASSERT_TRUE(w.view().FabricView);
    // Shafts that no longer fit the draft view at its zoom, and a smaller
    // window: the fabric view's relayouts leave both zooms alone.
    d.ShaftsA = 32;
    w.Update();
    w.resize(w.width() - 100, w.height() - 100);
    QCoreApplication::processEvents();
    EXPECT_EQ(d.FabricZoom, 3);
    EXPECT_EQ(d.Zoom, draftZoom);
    EXPECT_EQ(slider->value(), 3);
    // Back in the Draft view the zoom is fitted, and only there.
    w.Action("Draft1")->trigger();
    EXPECT_LT(d.Zoom, draftZoom);
    EXPECT_EQ(slider->value(), d.Zoom);
    EXPECT_EQ(d.FabricZoom, 3);
}

TEST_F(MainWindowTest, FabricViewNeedsAPattern) {
    TWform& w = Make(true);
    SwitchToFabricView(w.context(), 0);
    ASSERT_EQ(asked_.size(), 1u);
    EXPECT_EQ(asked_[0], "@globnopat");
    EXPECT_FALSE(w.view().FabricView);
}

} // namespace hm::testing
