// The fabric window: size, placement, mapping, click-to-centre and its pixels.
#include <gtest/gtest.h>

#include "fabric/fabricwindowpainter.h"
#include "fabrictestsupport.h"
#include "model/drawdown.h"

using namespace hm;
using namespace hm::test;

namespace {

QImage Paint(const Draft& d, const FabricWindowLayout& l) {
    QImage img(l.winEnds, l.winPicks, QImage::Format_RGB32);
    img.fill(Qt::black);
    ImageCanvas canvas(img);
    FabricWindowPainter(canvas, d, l).FullRepaint();
    return img;
}

// Every pixel against the drawdown: warp colour where the warp is on top, weft
// colour elsewhere, background beyond the last end.
void ExpectWindowShowsTheDrawdown(const Draft& d, const FabricWindowLayout& l, const QImage& img) {
    for (int y = 0; y < l.winPicks; ++y)
        for (int x = 0; x < l.winEnds; ++x) {
            const int end = l.EndAt(x), pick = l.PickAt(y);
            QRgb expected = ToRgb(d.BackgroundColor);
            if (end >= 1 && end <= l.ends)
                expected = pick < 1 || pick > l.picks || WarpOnTop(d, pick, end)
                               ? Palette(d, d.WarpColors[end])
                               : Palette(d, d.WeftColors[pick]);
            ASSERT_EQ(Px(img, x, y), expected) << "x " << x << " y " << y;
        }
}

} // namespace

TEST(FabricWindow, SmallDraftShrinksTo99WithoutScrollBars) {
    auto d = PlainWeave(60, 40);
    const FabricWindowLayout l = SizeFabricWindow(*d, 300, 200, 17);
    EXPECT_EQ(l.clientW, 99);
    EXPECT_EQ(l.clientH, 99);
    EXPECT_FALSE(l.scrollBars);
    EXPECT_EQ(l.winEnds, 99);
    EXPECT_EQ(l.winPicks, 99);

    d->Ends = 150;
    const FabricWindowLayout wide = SizeFabricWindow(*d, 120, 200, 17);
    EXPECT_EQ(wide.clientW, 120);
    EXPECT_EQ(wide.clientH, 99);
    EXPECT_TRUE(wide.scrollBars) << "the ends do not fit";
    EXPECT_EQ(wide.winEnds, 103);
    EXPECT_EQ(wide.winPicks, 82);
    EXPECT_EQ(wide.Horizontal().maximum, 150 - 103);
    EXPECT_EQ(wide.Horizontal().page, 103);
}

TEST(FabricWindow, ScrollBarsRunBackwardsLikeTheMainWindow) {
    auto d = PlainWeave(400, 300);
    for (bool reversed : {true, false}) {
        d->ThreadingFromRight = d->LiftplanFromBottom = reversed;
        FabricWindowLayout l = SizeFabricWindow(*d, 117, 117, 17);
        ASSERT_EQ(l.winEnds, 100);
        l.ScrollHorizontalTo(50);
        l.ScrollVerticalTo(500); // beyond the end: kept in range
        EXPECT_EQ(l.winFirstEnd, reversed ? 250 : 50);
        EXPECT_EQ(l.winFirstPick, reversed ? 0 : 200);
        EXPECT_EQ(l.Horizontal().position, 50);
        EXPECT_EQ(l.Vertical().position, 200);
    }
}

TEST(FabricWindow, PixelsAndThreadsMapBothWaysInEveryStartPosition) {
    auto d = PlainWeave(500, 500);
    for (int corner = 0; corner < 4; ++corner) {
        d->ThreadingFromRight = corner & 1;
        d->LiftplanFromBottom = corner & 2;
        FabricWindowLayout l = SizeFabricWindow(*d, 217, 167, 17);
        l.winFirstEnd = 30;
        l.winFirstPick = 12;
        EXPECT_EQ(l.EndAt(0), d->ThreadingFromRight ? 30 + 200 : 31);
        EXPECT_EQ(l.PickAt(0), d->LiftplanFromBottom ? 12 + 150 : 13);
        for (int x = 0; x < l.winEnds; x += 7) EXPECT_EQ(l.XOfEnd(l.EndAt(x)), x);
        for (int y = 0; y < l.winPicks; y += 7) EXPECT_EQ(l.YOfPick(l.PickAt(y)), y);
        EXPECT_EQ(l.XOfEnd(30), -1);
        EXPECT_EQ(l.XOfEnd(231), -1);
        EXPECT_EQ(l.YOfPick(163), -1);
    }
}

TEST(FabricWindow, PlacedBesideTheMainWindow) {
    const WindowPosition tall = PlaceFabricWindow(100, 50, 800, 40, 1080, 300);
    EXPECT_EQ(tall.left, 108);
    EXPECT_EQ(tall.top, 50 + 40 + 7 + (1080 - 300) / 3 * 2);
    const WindowPosition small = PlaceFabricWindow(100, 50, 200, 40, 1080, 300);
    EXPECT_EQ(small.top, 82);
}

TEST(FabricWindow, ClickCentresTheDraftView) {
    auto d = PlainWeave(1000, 1000);
    d->ThreadingFromRight = d->LiftplanFromBottom = false;
    const FabricWindowLayout l = SizeFabricWindow(*d, 400, 400, 17);
    const int end = l.EndAt(299), pick = l.PickAt(10);
    EXPECT_EQ(end, 300) << "the 300th pixel column";
    EXPECT_TRUE(CentreDraftOn(*d, end, pick, 100, 60));
    EXPECT_EQ(d->FirstEnd, 250);
    EXPECT_EQ(d->FirstPick, 0) << "kept within the scroll range";
    EXPECT_FALSE(CentreDraftOn(*d, end, pick, 100, 60)) << "nothing changes the second time";
    EXPECT_TRUE(CentreDraftOn(*d, 990, 995, 100, 60));
    EXPECT_EQ(d->FirstEnd, 900);
    EXPECT_EQ(d->FirstPick, 940);
}

TEST(FabricWindow, FullRepaintAgreesWithWarpOnTop) {
    for (unsigned seed : {1u, 2u}) {
        auto d = RandomDraft(seed, 150, 130);
        for (int corner = 0; corner < 4; ++corner) {
            d->ThreadingFromRight = corner & 1;
            d->LiftplanFromBottom = corner & 2;
            FabricWindowLayout l = SizeFabricWindow(*d, 120, 110, 15);
            l.winFirstEnd = 20;
            l.winFirstPick = 5;
            ExpectWindowShowsTheDrawdown(*d, l, Paint(*d, l));
        }
        // Design mode shows the picture; a small draft leaves background.
        d->DesignMode = true;
        for (int r = 1; r <= 130; ++r)
            for (int c = 1; c <= 150; ++c) d->SetDesignCell(r, c, (r * c + seed) % 3 == 0);
        d->Ends = 70;
        d->Picks = 60;
        const FabricWindowLayout small = SizeFabricWindow(*d, 300, 300, 15);
        ExpectWindowShowsTheDrawdown(*d, small, Paint(*d, small));
    }
}

TEST(FabricWindow, ColumnAndRowUpdatesMatchAFullRepaint) {
    auto d = RandomDraft(4, 200, 200);
    for (bool reversed : {true, false}) {
        d->ThreadingFromRight = d->LiftplanFromBottom = reversed;
        FabricWindowLayout l = SizeFabricWindow(*d, 150, 150, 17);
        l.winFirstEnd = 10;
        l.winFirstPick = 20;
        QImage img = Paint(*d, l);
        // A stroke in threading A and one in treadling A, then the updates.
        d->ThreadingA[40] = static_cast<uint8_t>(d->ThreadingA[40] % 4 + 1);
        d->TreadlingA[60] = static_cast<uint8_t>(d->TreadlingA[60] % 4 + 1);
        ImageCanvas canvas(img);
        FabricWindowPainter painter(canvas, *d, l);
        painter.UpdateColumn(40);
        painter.UpdateRow(60);
        painter.UpdateColumn(5); // scrolled away: nothing
        painter.UpdateRow(500);  // beyond Picks: nothing
        const QImage full = Paint(*d, l);
        EXPECT_EQ(img, full);
    }
}
