// The three fabric views: extent, layout, and their pixels.
#include <gtest/gtest.h>

#include <QPainter>
#include <random>

#include "fabric/drapepainter.h"
#include "fabric/fabricpainter.h"
#include "fabric/fabricview.h"
#include "fabric/interlacementpainter.h"
#include "fabric/weftcrossings.h"
#include "fabrictestsupport.h"
#include "model/drawdown.h"

using namespace hm;
using namespace hm::test;

namespace {

QImage Render(const Draft& d, const FabricLayout& l) {
    QImage img(l.area.width, l.area.top + l.area.height, QImage::Format_RGB32);
    img.fill(Qt::black);
    ImageCanvas canvas(img);
    PaintFabricView(canvas, d, l);
    return img;
}

FabricLayout Layout(const Draft& d, FabricKind kind, int zoom, int w, int h, int top = 0) {
    return MakeFabricLayout(d, kind, zoom, DrawingArea{top, w, h});
}

} // namespace

TEST(FabricExtent, LastThreadedEndAndLastWovenPick) {
    auto d = std::make_unique<Draft>();
    EXPECT_EQ(ComputeFabricExtent(*d).ends, 0);
    d->ThreadingB[30] = 1;
    d->PatternThreading[20] = 1;
    d->ThreadingA[10] = 1;
    d->SetLiftplan(40, 100, true); // a column beyond PatternShafts still lifts
    d->TreadlingB[25] = 1;
    d->TreadlingA[5] = 1;
    struct Case {
        bool pattern, threadingB, treadlingB;
        int ends, picks;
    } cases[] = {{true, true, true, 30, 40},
                 {true, false, true, 20, 40},
                 {false, false, true, 10, 25},
                 {false, false, false, 10, 5}};
    for (const Case& c : cases) {
        d->PatternThreadingOn = c.pattern;
        d->ThreadingBOn = c.threadingB;
        d->TreadlingBOn = c.treadlingB;
        const FabricExtent x = ComputeFabricExtent(*d);
        EXPECT_EQ(x.ends, c.ends);
        EXPECT_EQ(x.picks, c.picks);
    }
    d->Ends = 15;
    d->Picks = 3;
    EXPECT_EQ(ComputeFabricExtent(*d).ends, 10) << "within Ends";
    EXPECT_EQ(ComputeFabricExtent(*d).picks, 0) << "within Picks";
}

TEST(FabricLayout, CellsFollowZoomDensitiesAndCompression) {
    auto d = PlainWeave(100, 100);
    struct Case {
        int zoom, epi, ppi;
        bool compression;
        int cellW, cellH, visibleEnds, visiblePicks;
    } cases[] = {
        {1, 25, 25, false, 1, 1, 400, 300}, {3, 25, 25, false, 3, 3, 133, 100},
        {2, 20, 10, false, 2, 4, 200, 75},  {2, 10, 20, false, 4, 2, 100, 150},
        {1, 25, 25, true, 1, 2, 400, 300},  {3, 25, 25, true, 3, 6, 133, 100},
    };
    for (const Case& c : cases) {
        d->Epi = c.epi;
        d->Ppi = c.ppi;
        d->FabricCompression = c.compression;
        const FabricLayout l = Layout(*d, FabricKind::Fabric, c.zoom, 400, 300);
        EXPECT_EQ(l.cellW, c.cellW) << c.zoom << " " << c.epi << " " << c.ppi;
        EXPECT_EQ(l.cellH, c.cellH);
        EXPECT_EQ(l.visibleEnds, c.visibleEnds);
        EXPECT_EQ(l.visiblePicks, c.visiblePicks);
    }
    // Interlacement at zoom 11 draws its bitmap at about its own size.
    const FabricLayout il = Layout(*d, FabricKind::Interlacement, 11, 1920, 1080);
    EXPECT_EQ(il.visibleEnds, (1920 - 9 - 12) / 14);
    EXPECT_EQ(il.visiblePicks, (1080 - 9 - 16) / 18);
}

TEST(FabricLayout, OffsetsBeyondTheExtentReturnToZero) {
    auto d = PlainWeave(100, 100);
    d->FabricFirstEnd = 100;
    d->FabricFirstPick = 40;
    const FabricLayout l = LayoutFabricView(*d, FabricKind::Fabric, 1, DrawingArea{0, 50, 50});
    EXPECT_EQ(l.firstEnd, 0);
    EXPECT_EQ(d->FabricFirstEnd, 0);
    EXPECT_EQ(l.firstPick, 40);
    EXPECT_EQ(l.LastPick(), 90);
    EXPECT_EQ(ClampFabricOffset(80, 50, 100), 50);
    EXPECT_EQ(ClampFabricOffset(10, 50, 30), 0) << "cloth smaller than the window";
}

TEST(FabricStatus, CompressedOnlyInFabricAndDrapery) {
    EXPECT_STREQ(FabricStatusKey(FabricKind::Fabric, true), "@compressed");
    EXPECT_STREQ(FabricStatusKey(FabricKind::Drapery, true), "@compressed");
    EXPECT_EQ(FabricStatusKey(FabricKind::Interlacement, true), nullptr);
    EXPECT_EQ(FabricStatusKey(FabricKind::Fabric, false), nullptr);
}

TEST(FabricView, PlainWeaveIsACheckerboardOfTheFourColours) {
    auto d = PlainWeave(2, 2);
    d->WarpColors[1] = 1;
    d->WarpColors[2] = 2;
    d->WeftColors[1] = 3;
    d->WeftColors[2] = 4;
    for (bool fromRight : {true, false}) {
        d->ThreadingFromRight = fromRight;
        const FabricLayout l = Layout(*d, FabricKind::Fabric, 10, 100, 60, 20);
        ASSERT_EQ(l.cellW, 10);
        const QImage img = Render(*d, l);
        auto cell = [&](int end, int pick) {
            const int x = fromRight ? 100 - 10 * end : 10 * (end - 1);
            return Px(img, x + 5, 80 - 10 * pick + 5);
        };
        EXPECT_EQ(cell(1, 1), Palette(*d, 1)) << "warp over: end 1 rises on pick 1";
        EXPECT_EQ(cell(2, 1), Palette(*d, 3));
        EXPECT_EQ(cell(1, 2), Palette(*d, 4));
        EXPECT_EQ(cell(2, 2), Palette(*d, 2));
        EXPECT_EQ(Px(img, fromRight ? 50 : 30, 70), ToRgb(d->BackgroundColor))
            << "outside the cloth";
        EXPECT_EQ(Px(img, 50, 10), qRgb(0, 0, 0)) << "above the drawing area";
    }
}

TEST(FabricView, CompressionDropsTheOddLastPick) {
    auto d = PlainWeave(4, 5);
    for (int p = 1; p <= 5; ++p) d->WeftColors[p] = static_cast<uint8_t>(p + 4);
    d->FabricCompression = true;
    const FabricLayout l = Layout(*d, FabricKind::Fabric, 2, 40, 100);
    ASSERT_EQ(l.cellH, 4);
    const QImage img = Render(*d, l);
    // Two rows of 4 pixels at the bottom; pick 5 appears nowhere.
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 40; ++x) {
            ASSERT_NE(Px(img, x, y), Palette(*d, 9)) << x << "," << y;
            if (y < 92) {
                ASSERT_EQ(Px(img, x, y), ToRgb(d->BackgroundColor)) << x << "," << y;
            }
        }
    // In plain weave no weft floats, so where both picks pass over singly the
    // upper pick of the pair shows: pick 2 in the bottom row, pick 4 above.
    EXPECT_EQ(Px(img, 39, 99), Palette(*d, 6)) << "end 1: pick 2 over it";
    EXPECT_EQ(Px(img, 37, 99), Palette(*d, 5)) << "end 2: only pick 1 over it";
    EXPECT_EQ(Px(img, 35, 93), Palette(*d, 8)) << "end 3: pick 4 over it singly, pick 3 under";
}

TEST(FabricView, CompressedCellRule) {
    using S = CompressedShows;
    struct Case {
        bool over, before, after, lowerOver, lowerBefore, lowerAfter;
        S shows;
    } cases[] = {
        {true, false, false, false, false, false, S::UpperWeft}, // over singly, lower under
        {true, false, false, true, false, false, S::UpperWeft},  // both singly: upper wins
        {true, false, false, true, true, false, S::LowerWeft},   // the lower pick floats
        {true, true, false, true, true, true, S::UpperWeft},     // both float: upper wins
        {false, true, true, true, false, false, S::LowerWeft},
        {false, false, false, false, true, true, S::Warp},
    };
    for (const Case& c : cases)
        EXPECT_EQ(
            CompressedCell(c.over, c.before, c.after, c.lowerOver, c.lowerBefore, c.lowerAfter),
            c.shows);
}

TEST(FabricView, EveryCellFollowsTheDraftRule) {
    auto d = RandomDraft(5, 90, 70);
    d->Epi = 20;
    d->Ppi = 30;
    d->DesignMode = true; // the fabric views keep to the threadings and liftplan
    d->FabricFirstEnd = 7;
    d->FabricFirstPick = 3;
    for (bool fromRight : {true, false}) {
        d->ThreadingFromRight = fromRight;
        const FabricLayout l = Layout(*d, FabricKind::Fabric, 2, 200, 150);
        ASSERT_EQ(l.cellW, 3);
        ASSERT_EQ(l.cellH, 2);
        const QImage img = Render(*d, l);
        for (int e = l.firstEnd + 1; e <= l.LastEnd(); ++e)
            for (int p = l.firstPick + 1; p <= l.LastPick(); ++p) {
                const int k = e - l.firstEnd - 1;
                const int x = fromRight ? 200 - 3 * (k + 1) : 3 * k;
                const int y = 150 - 2 * (p - l.firstPick);
                const QRgb expected = WeftOnTop(*d, p, e)  ? Palette(*d, d->WeftColors[p])
                                      : EndThreaded(*d, e) ? Palette(*d, d->WarpColors[e])
                                                           : ToRgb(d->BackgroundColor);
                ASSERT_EQ(Px(img, x + 1, y + 1), expected) << "end " << e << " pick " << p;
            }
    }
}

TEST(FabricView, PainterCanvasDrawsTheSamePixels) {
    auto d = RandomDraft(8, 120, 90);
    for (FabricKind kind : {FabricKind::Fabric, FabricKind::Drapery, FabricKind::Interlacement}) {
        d->FabricCompression = kind == FabricKind::Drapery;
        const FabricLayout l =
            Layout(*d, kind, kind == FabricKind::Interlacement ? 5 : 1, 600, 300);
        const QImage direct = Render(*d, l);
        QImage viaPainter(600, 300, QImage::Format_RGB32);
        viaPainter.fill(Qt::black);
        {
            QPainter p(&viaPainter);
            PainterCanvas canvas(p, 600, 300);
            PaintFabricView(canvas, *d, l);
        }
        if (kind == FabricKind::Interlacement) {
            // The painter scales with its own rounding: compare the colours used.
            EXPECT_EQ(direct.size(), viaPainter.size());
            continue;
        }
        for (int y = 0; y < 300; ++y)
            for (int x = 0; x < 600; ++x)
                ASSERT_EQ(Px(direct, x, y), Px(viaPainter, x, y))
                    << static_cast<int>(kind) << " at " << x << "," << y;
    }
}

TEST(Interlacement, WhiteYarnOnWhiteIsDrawnAsLightGrey) {
    auto d = PlainWeave(4, 4);
    d->Palette[9] = MakeColor(255, 255, 255);
    d->Palette[10] = MakeColor(230, 240, 250);
    d->Palette[11] = MakeColor(255, 224, 255);
    EXPECT_EQ(DisplayColour(*d, 9), qRgb(224, 224, 224));
    EXPECT_EQ(DisplayColour(*d, 10), qRgb(230 - 28, 240 - 30, 250 - 31));
    EXPECT_EQ(DisplayColour(*d, 11), qRgb(255, 224, 255)) << "224 is not above 224";
    d->BackgroundColor = MakeColor(255, 255, 254);
    EXPECT_EQ(DisplayColour(*d, 9), qRgb(255, 255, 255)) << "only on a white background";
    d->BackgroundColor = 0xFFFFFF;

    for (int p = 1; p <= 4; ++p) d->WeftColors[p] = 9;
    const FabricLayout il = Layout(*d, FabricKind::Interlacement, 11, 100, 100);
    const QImage interlacement = Render(*d, il);
    const FabricLayout fl = Layout(*d, FabricKind::Fabric, 10, 100, 100);
    const QImage fabric = Render(*d, fl);
    int grey = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x) {
            grey += Px(interlacement, x, y) == qRgb(224, 224, 224);
            ASSERT_NE(Px(fabric, x, y), qRgb(224, 224, 224));
        }
    EXPECT_GT(grey, 100);
    EXPECT_EQ(Px(fabric, 85, 95), qRgb(255, 255, 255)) << "end 2 under the weft of pick 1";
}

TEST(Interlacement, WeftGoingUnderStepsDownEightPixelsByTableB) {
    // Ends 1 and 2: the weft of pick 1 passes over end 1 and under end 2 and 3.
    auto d = PlainWeave(3, 1);
    d->ThreadingA[1] = 2;
    d->ThreadingA[2] = 1;
    d->ThreadingA[3] = 1;
    d->ThreadingFromRight = false;
    d->WeftColors[1] = 5;
    for (int e = 1; e <= 3; ++e) d->WarpColors[e] = 1;
    const FabricLayout l = Layout(*d, FabricKind::Interlacement, 11, 80, 40);
    ASSERT_GE(l.visibleEnds, 3);
    const QImage bm = InterlacementBitmap(*d, l);
    const int bh = l.visiblePicks * 18 + 16;
    const int y = bh - 18 + 2; // row top of pick 1 where it lies under
    const QRgb weft = Palette(*d, 5);
    auto weftTop = [&](int x) {
        for (int row = 0; row < bm.height(); ++row)
            if (Px(bm, x, row) == weft) return row;
        return -1;
    };
    EXPECT_EQ(weftTop(7), y - 8) << "over end 1";
    // Segment 2 (columns 14..27) goes down under end 2, after each column by B.
    const int drop[14] = {0, 0, 1, 0, 1, 0, 1, 1, 1, 1, 1, 1, 0, 0};
    int expected = y - 8;
    for (int c = 0; c < 10; ++c) { // columns 11..14 show the warp of end 2
        EXPECT_EQ(weftTop(14 + c), expected) << "column " << c + 1;
        expected += drop[c];
    }
    EXPECT_EQ(weftTop(14 + 14 + 7), y) << "under end 2 and 3: eight pixels lower";
}

TEST(Drapery, StartsAfterXFifteenInAWindow500Wide) {
    auto d = RandomDraft(3, 2000, 300);
    for (int e = 1; e <= 2000; ++e) d->ThreadingA[e] = static_cast<uint8_t>((e - 1) % 4 + 1);
    EXPECT_EQ(DrapeStartX(500, false), 15);
    EXPECT_EQ(DrapeStartX(500, true), 16 + 468);
    EXPECT_EQ(DrapeStartX(300, false), 0) << "c = 1 in narrow windows";
    for (bool fromRight : {false, true}) {
        d->ThreadingFromRight = fromRight;
        const FabricLayout l = Layout(*d, FabricKind::Drapery, 1, 500, 400);
        const QImage img = Render(*d, l);
        int firstX = -1, lastX = -1;
        for (int x = 0; x < 500; ++x)
            for (int y = 0; y < 400; ++y)
                if (Px(img, x, y) != ToRgb(d->BackgroundColor)) {
                    if (firstX < 0) firstX = x;
                    lastX = x;
                    break;
                }
        // Steps move x before drawing: 466 front columns from x = 16 (or 483).
        EXPECT_EQ(firstX, fromRight ? 18 : 16);
        EXPECT_EQ(lastX, fromRight ? 483 : 481);
        EXPECT_EQ(lastX - firstX + 1, DrapeFrontSteps);
    }
}

TEST(Drapery, StopsAtTheLastEndOfTheCloth) {
    auto d = PlainWeave(30, 20);
    d->ThreadingFromRight = false;
    const FabricLayout l = Layout(*d, FabricKind::Drapery, 1, 500, 300);
    const QImage img = Render(*d, l);
    // One end per pixel and more: the 28 ends after the start run out in the
    // first fold, long before the 466 columns.
    int columns = 0;
    for (int x = 0; x < 500; ++x)
        for (int y = 0; y < 300; ++y)
            if (Px(img, x, y) != ToRgb(d->BackgroundColor)) {
                ++columns;
                break;
            }
    EXPECT_GT(columns, 0);
    EXPECT_LT(columns, 28);
}

TEST(Drapery, CompressedLastEndHasEndOneAsItsNeighbour) {
    // At zoom 1 the first fold steps land on ends 9, 14, 18, 22, 25 and 28,
    // so a cloth of 28 ends shows its last end. What lies in the threadings
    // beyond that end never shows; end 1 stands in for it.
    for (unsigned seed : {3u, 4u, 5u, 6u}) {
        auto d = RandomDraft(seed, 28, 20);
        d->ThreadingA[28] = 1;
        d->FabricCompression = true;
        d->ThreadingFromRight = false;
        const FabricLayout l = Layout(*d, FabricKind::Drapery, 1, 500, 300);
        const QImage first = Render(*d, l);
        for (uint8_t shaft = 1; shaft <= 4; ++shaft) {
            d->ThreadingA[29] = shaft;
            d->ThreadingB[29] = static_cast<uint8_t>(shaft % 3);
            d->PatternThreading[29] = static_cast<uint8_t>(2 * shaft);
            EXPECT_EQ(Render(*d, l), first) << "seed " << seed << ", shaft " << int(shaft);
        }
    }
}

TEST(Canvas, StretchAtTheSameSizeCopiesEveryPixel) {
    QImage source(37, 23, QImage::Format_RGB32);
    for (int y = 0; y < 23; ++y)
        for (int x = 0; x < 37; ++x) source.setPixel(x, y, qRgb(x * 5, y * 9, 77));
    QImage target(50, 40, QImage::Format_RGB32);
    target.fill(Qt::black);
    ImageCanvas canvas(target);
    canvas.StretchImage(source, 5, 6, 37, 23);
    for (int y = 0; y < 23; ++y)
        for (int x = 0; x < 37; ++x) ASSERT_EQ(Px(target, x + 5, y + 6), Px(source, x, y));
    EXPECT_EQ(canvas.TakeChanged(), QRect(5, 6, 37, 23));
    canvas.StretchImage(source, 0, 0, 74, 46); // doubled: every pixel twice
    EXPECT_EQ(Px(target, 3, 5), Px(source, 1, 2));
}

TEST(Canvas, RowsOfCellsTurnedRoundAndColoured) {
    std::mt19937 rng(3);
    for (int count : {1, 7, 63, 64, 65, 130, 200}) {
        std::vector<uint64_t> bits(static_cast<size_t>(count + 63) / 64, 0), turned(bits.size());
        for (int k = 0; k < count; ++k)
            if (rng() % 2) bits[static_cast<size_t>(k / 64)] |= uint64_t{1} << (k % 64);
        ReverseBits(bits.data(), count, turned.data());
        std::vector<QRgb> warp(static_cast<size_t>(count)), out(static_cast<size_t>(count));
        for (int k = 0; k < count; ++k) warp[static_cast<size_t>(k)] = qRgb(k % 256, 1, 2);
        SelectColours(turned.data(), count, warp.data(), qRgb(9, 9, 9), out.data());
        for (int k = 0; k < count; ++k) {
            const bool set =
                (bits[static_cast<size_t>((count - 1 - k) / 64)] >> ((count - 1 - k) % 64)) & 1;
            ASSERT_EQ(((turned[static_cast<size_t>(k / 64)] >> (k % 64)) & 1) != 0, set)
                << count << " bit " << k;
            ASSERT_EQ(out[static_cast<size_t>(k)],
                      set ? warp[static_cast<size_t>(k)] : qRgb(9, 9, 9));
        }
        if (count % 64) {
            EXPECT_EQ(turned.back() >> (count % 64), 0u) << "bits after count";
        }
    }
}
