// The fabric views and the fabric window inside the main window: the View menu
// and the Draft/Fabric button, the zoom of each view, scrolling over the cloth,
// "Compressed", and the fabric window following strokes, keys and commands,
// showing the mouse position and reopening at start-up.

#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSlider>
#include <QTimer>
#include <tuple>

#include "fabric/fabricview.h"
#include "fabric/fabricwindowpainter.h"
#include "fabric/ui/fabricwindow.h"
#include "tools/ui/keyboardinput.h"
#include "view/ui/draftview.h"
#include "window/mainwindow_fixture.h"
#include "window/statusline.h"

namespace hm::testing {
namespace {

// A 2/2 twill on four shafts over `ends` x `picks`, red warp and blue weft.
void Twill(Draft& d, int ends, int picks) {
    d.ShaftsA = d.TreadlesA = 4;
    for (int e = 1; e <= ends; ++e) d.ThreadingA[e] = static_cast<uint8_t>((e - 1) % 4 + 1);
    for (int p = 1; p <= picks; ++p) d.TreadlingA[p] = static_cast<uint8_t>((p - 1) % 4 + 1);
    for (int t = 1; t <= 4; ++t)
        for (int k = 0; k < 2; ++k) d.SetTieup(TieupKind::AA, (t + k - 1) % 4 + 1, t, TieGround);
    d.Palette[1] = MakeColor(180, 30, 30);
    d.Palette[2] = MakeColor(30, 30, 180);
    for (int e = 1; e <= ends; ++e) d.WarpColors[e] = 1;
    for (int p = 1; p <= picks; ++p) d.WeftColors[p] = 2;
}

class FabricViewsTest : public MainWindowTest {
  protected:
    DraftView* View() { return window_->draftView(); }
    QSlider* Slider() { return window_->findChild<QSlider*>("SlideBar1"); }
    QString Panel(int i) { return window_->statusLine()->PanelText(i); }
    TFabwindow* FabricWindow() { return window_->context().Find<TFabwindow>(); }

    // The drawing area as the fabric view of this kind and zoom paints it.
    QImage Expected(FabricKind kind, int zoom) {
        Draft copy = window_->draft();
        QImage img(View()->size(), QImage::Format_RGB32);
        img.fill(Qt::black);
        ImageCanvas canvas(img);
        PaintFabricView(
            canvas, copy,
            LayoutFabricView(copy, kind, zoom, DrawingArea{0, View()->width(), View()->height()}));
        return img;
    }
    // The fabric window's picture painted afresh at its present scroll.
    QImage FreshFabricWindow() {
        const FabricWindowLayout& l = FabricWindow()->layout();
        QImage img(l.winEnds, l.winPicks, QImage::Format_RGB32);
        ImageCanvas canvas(img);
        FabricWindowPainter(canvas, window_->draft(), l).FullRepaint();
        return img;
    }
};

TEST_F(FabricViewsTest, EachViewPaintsTheClothWithItsOwnZoom) {
    TWform& w = Make(true);
    Draft& d = w.draft();
    Twill(d, 120, 90);
    d.FabricZoom = 4;
    const int zoom = d.Zoom;
    w.Action("Fabric1")->trigger();
    ASSERT_TRUE(w.view().FabricView);
    EXPECT_TRUE(Checked("Fabric1"));
    EXPECT_FALSE(Checked("Draft1"));
    EXPECT_EQ(Slider()->value(), 4);
    EXPECT_EQ(View()->image(), Expected(FabricKind::Fabric, 4));

    Slider()->setValue(6);
    EXPECT_EQ(d.FabricZoom, 6);
    EXPECT_EQ(View()->image(), Expected(FabricKind::Fabric, 6));

    w.Action("Interlacement1")->trigger();
    EXPECT_EQ(Slider()->value(), 11);
    Slider()->setValue(14);
    EXPECT_EQ(w.view().InterlacementZoom, 14);
    EXPECT_EQ(d.FabricZoom, 6);
    EXPECT_EQ(View()->image(), Expected(FabricKind::Interlacement, 14));

    // Drapery is not on the menu, but its item works and shares the fabric zoom.
    w.Action("Drapery1")->trigger();
    EXPECT_EQ(w.view().FabricKind, 1);
    EXPECT_EQ(Slider()->value(), 6);
    EXPECT_EQ(View()->image(), Expected(FabricKind::Drapery, 6));

    w.Action("Draft1")->trigger();
    EXPECT_FALSE(w.view().FabricView);
    EXPECT_EQ(Slider()->value(), zoom);
    EXPECT_EQ(d.Zoom, zoom);
    EXPECT_NE(View()->image(), Expected(FabricKind::Fabric, 6));
}

TEST_F(FabricViewsTest, WithoutThreadingOrLiftplanTheViewsSayNoPattern) {
    TWform& w = Make(true);
    for (const char* item : {"Fabric1", "Interlacement1", "DraftSpeedButton"}) {
        asked_.clear();
        w.Action(item)->trigger();
        EXPECT_EQ(asked_, std::vector<std::string>{"@globnopat"}) << item;
        EXPECT_FALSE(w.view().FabricView);
        EXPECT_TRUE(Checked("Draft1"));
        EXPECT_FALSE(Checked("Fabric1"));
    }
}

TEST_F(FabricViewsTest, TheButtonReturnsToTheViewTheFabricCameFrom) {
    TWform& w = Make(true);
    Draft& d = w.draft();
    Twill(d, 40, 40);
    QAction* button = w.Action("DraftSpeedButton");
    button->trigger();
    EXPECT_TRUE(w.view().FabricView);
    EXPECT_EQ(w.view().FabricKind, 0);
    button->trigger();
    EXPECT_FALSE(w.view().FabricView);
    EXPECT_FALSE(d.DesignMode);

    w.Action("Design1")->trigger();
    ASSERT_TRUE(d.DesignMode);
    button->trigger();
    EXPECT_TRUE(w.view().FabricView);
    button->trigger();
    EXPECT_FALSE(w.view().FabricView);
    EXPECT_TRUE(d.DesignMode) << "back to Design, not to Draft";
    EXPECT_TRUE(Checked("Design1"));
}

TEST_F(FabricViewsTest, ScrollBarsRunOverTheClothOnlyAndKeepTheDraftsOffsets) {
    TWform& w = Make(true);
    Draft& d = w.draft();
    d.Ends = d.Picks = 1000;
    Twill(d, 300, 200);
    d.FabricZoom = 5;
    w.Action("Fabric1")->trigger();
    const int ends = w.view().VisibleEnds, picks = w.view().VisiblePicks;
    ASSERT_LT(ends, 300);
    ASSERT_LT(picks, 200);
    auto* h = w.findChild<QScrollBar*>("ScrollBarH");
    auto* v = w.findChild<QScrollBar*>("ScrollBarV");
    EXPECT_EQ(h->maximum(), 300 - ends);
    EXPECT_EQ(v->maximum(), 200 - picks);
    // Both reversed here (threading from the right, first pick at the bottom):
    // the far end of each bar is the start of the cloth.
    h->setValue(0);
    v->setValue(0);
    EXPECT_EQ(d.FabricFirstEnd, 300 - ends);
    EXPECT_EQ(d.FabricFirstPick, 200 - picks);
    EXPECT_EQ(d.FirstEnd, 0);
    EXPECT_EQ(d.FirstPick, 0);
    EXPECT_EQ(Panel(1), QString("Warp: %1-300").arg(301 - ends));
    EXPECT_EQ(View()->image(), Expected(FabricKind::Fabric, 5));
}

TEST_F(FabricViewsTest, CompressedStaysInTheStatusLineOfFabricAndDrapery) {
    TWform& w = Make(true);
    Draft& d = w.draft();
    d.Ends = d.Picks = 1000;
    Twill(d, 600, 600);
    d.FabricCompression = true;
    w.Action("Fabric1")->trigger();
    EXPECT_EQ(Panel(3), "Compressed");
    auto* h = w.findChild<QScrollBar*>("ScrollBarH");
    ASSERT_GT(h->maximum(), 0);
    h->setValue(h->maximum() / 2);
    QTest::mouseMove(View(), QPoint(40, 40));
    EXPECT_EQ(Panel(3), "Compressed");
    w.Action("Interlacement1")->trigger();
    EXPECT_EQ(Panel(3), QString());
    w.Action("Draft1")->trigger();
    EXPECT_EQ(Panel(3), QString());
}

// A click in the fabric window scrolls the draft; the status line shows the new
// ranges and still names the end and pick under the mouse, as after a move.
TEST_F(FabricViewsTest, AfterClickToCentreTheStatusLineShowsRangesAndTheCellUnderTheMouse) {
    TWform& w = Make(true);
    Draft& d = w.draft();
    Twill(d, 600, 600);
    w.Action("FabricWindow1")->trigger();
    TFabwindow* f = FabricWindow();
    ASSERT_NE(f, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f));
    const QPointF at(140, 130);
    const int end = f->layout().EndAt(140), pick = f->layout().PickAt(130);
    for (auto [type, button, buttons] :
         {std::tuple{QEvent::MouseMove, Qt::NoButton, Qt::NoButton},
          std::tuple{QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton},
          std::tuple{QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton}}) {
        QMouseEvent e(type, at, f->cloth()->mapToGlobal(at), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(f->cloth(), &e);
    }
    ASSERT_GT(d.FirstEnd, 0) << "the click scrolled the draft";
    EXPECT_EQ(Panel(1),
              QString("Warp: %1-%2").arg(d.FirstEnd + 1).arg(d.FirstEnd + w.view().VisibleEnds));
    EXPECT_EQ(Panel(3), QString("End: %1").arg(end));
    EXPECT_EQ(Panel(4), QString("Pick: %1").arg(pick));
}

TEST_F(FabricViewsTest, FabricWindowFollowsStrokesKeysAndCommands) {
    TWform& w = Make(true);
    Draft& d = w.draft();
    d.Ends = d.Picks = 1000;
    Twill(d, 1000, 1000);
    w.view().LineOn = false;
    w.ResetTool();
    w.Action("FabricWindow1")->trigger();
    TFabwindow* f = FabricWindow();
    ASSERT_NE(f, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f));
    EXPECT_TRUE(Checked("FabricWindow1"));
    EXPECT_EQ(f->frameGeometry().left(), w.frameGeometry().left() + 8);
    ASSERT_TRUE(f->horizontalBar()->isVisible());

    // The status line names the end and pick under the mouse. (The event goes
    // to the window itself: a test move goes to whichever window lies at that
    // place on the test screen, and the main window lies under this one.)
    QMouseEvent move(QEvent::MouseMove, QPointF(40, 30), f->cloth()->mapToGlobal(QPointF(40, 30)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(f->cloth(), &move);
    EXPECT_EQ(Panel(3), QString("End: %1").arg(f->layout().EndAt(40)));
    EXPECT_EQ(Panel(4), QString("Pick: %1").arg(f->layout().PickAt(30)));

    // Scrolled by one end, so that a full refresh (which starts over) shows.
    f->horizontalBar()->setValue(f->horizontalBar()->maximum() - 1);
    ASSERT_EQ(f->layout().winFirstEnd, 1);

    // A pen stroke in threading A updates its end in the window.
    const DraftLayout& l = View()->layout();
    const QPoint cell(l.CellX(l.EndColumn(5)) + l.cellW / 2,
                      l.CellY(l.ShaftRow(ViewArea::ThreadingA, 3)) + l.cellH / 2);
    QTest::mouseClick(View(), Qt::LeftButton, {}, cell);
    ASSERT_EQ(d.ThreadingA[5], 3);
    EXPECT_EQ(f->layout().winFirstEnd, 1);
    EXPECT_EQ(f->image(), FreshFabricWindow());
    EXPECT_TRUE(w.doc().Modified);

    // Keyboard Input in threading A: the cursor's end follows in the window.
    const Qt::Key later = d.ThreadingFromRight ? Qt::Key_Left : Qt::Key_Right;
    QTimer::singleShot(0, [later] {
        auto* form = qobject_cast<TEdKeyForm*>(QApplication::activeModalWidget());
        ASSERT_NE(form, nullptr);
        for (int k = 0; k < 7; ++k) QTest::keyClick(form, later);
        QTest::keyClick(form, Qt::Key_2);
        form->close();
    });
    w.Action("Keyasghovl")->trigger();
    ASSERT_EQ(d.ThreadingA[d.FirstEnd + 8], 2);
    EXPECT_EQ(f->layout().winFirstEnd, 1);
    EXPECT_EQ(f->image(), FreshFabricWindow());

    // A command refreshes the whole window, from the start.
    w.Action("Colors1")->trigger(); // Edit > Clear > Colors
    EXPECT_EQ(f->layout().winFirstEnd, 0);
    EXPECT_EQ(f->image(), FreshFabricWindow());
}

TEST_F(FabricViewsTest, FabricWindowOpenAtExitOpensAgainAndClosingOnlyHidesIt) {
    TWform& w = Make(true);
    Twill(w.draft(), 60, 40);
    w.Action("FabricWindow1")->trigger();
    ASSERT_TRUE(FabricWindow()->isVisible());
    w.close();
    EXPECT_TRUE(Stored("Fabric Window").toBool());

    TWform& again = Make(true);
    TFabwindow* f = FabricWindow();
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(f->isVisible());
    EXPECT_TRUE(Checked("FabricWindow1"));
    f->close();
    EXPECT_FALSE(Checked("FabricWindow1"));
    EXPECT_FALSE(again.view().FabricWindowOn);
    EXPECT_EQ(FabricWindow(), f);
    again.close();
    EXPECT_FALSE(Stored("Fabric Window").toBool());
}

} // namespace
} // namespace hm::testing
