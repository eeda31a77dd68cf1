// The draft as printed and as exported: its size in cells, the proposed range,
// and pixel checks against the screen painter at the same cell size.
#include <gtest/gtest.h>

#include "output/printdraft.h"
#include "outputsupport.h"
#include "view/draftpainter.h"
#include "view/sampledraft.h"

using namespace hm;

namespace {

// The draft view's own picture of the range at zoom cell - 1, sized to show it.
QImage ScreenPicture(Draft& d, const DraftRange& r, int cell) {
    d.Zoom = cell - 1;
    d.FirstEnd = r.fromEnd - 1;
    d.FirstPick = r.fromPick - 1;
    const CellGrid g = DraftPictureCells(d, r.ends, r.picks);
    ViewGeometry geometry;
    geometry.originX = geometry.originY = 0;
    geometry.clientW = g.cols * cell;
    geometry.clientH = g.rows * cell;
    const DraftLayout layout = Layout(d, geometry).layout;
    EXPECT_EQ(layout.visibleEnds, r.ends);
    EXPECT_EQ(layout.visiblePicks, r.picks);
    QImage image(g.cols * cell + 1, g.rows * cell + 1, QImage::Format_RGB32);
    ImageCanvas canvas(image);
    DraftPainter p(canvas, d, layout);
    p.ClearAll();
    p.Repaint();
    return image;
}

// The printed picture, painted through a QPainter as on a printer.
QImage PrintedPicture(const Draft& d, const DraftRange& r, int cell, const DraftFill& fill = {},
                      int pen = 1) {
    const DraftPicture picture(d, r, cell, cell);
    QImage image(picture.Width(pen), picture.Height(pen), QImage::Format_RGB32);
    QPainter painter(&image);
    PainterCanvas canvas(painter, image.width(), image.height());
    picture.Paint(canvas, fill, qRgb(0, 0, 0), pen, pen);
    return image;
}

std::unique_ptr<Draft> PrintableSample() {
    auto d = test::MakeSampleDraft();
    d->GridColor = 0x000000;
    d->BackgroundColor = 0xFFFFFF;
    d->MarkColor = 0x000000;
    return d;
}

std::string FirstDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return "sizes differ";
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return "pixel " + std::to_string(x) + "," + std::to_string(y);
    return {};
}

QRgb Px(const QImage& image, int x, int y) {
    return image.pixel(x, y) | 0xFF000000u;
}

} // namespace

TEST(DraftPicture, CellsOfThePicture) {
    auto d = PrintableSample(); // 4 pattern shafts, 4 + 2 shafts, 4 + 2 treadles
    struct Case {
        int ends, picks, cols, rows;
    } cases[] = {
        {30, 20, 30 + 4 + 3 + 5 + 3, 20 + 4 + 3 + 5 + 3},
        {30, 0, 30, 15},
        {0, 20, 15, 20},
    };
    for (const Case& c : cases) {
        const CellGrid g = DraftPictureCells(*d, c.ends, c.picks);
        EXPECT_EQ(g.cols, c.cols) << c.ends << "x" << c.picks;
        EXPECT_EQ(g.rows, c.rows) << c.ends << "x" << c.picks;
    }
    d->PatternThreadingOn = d->ThreadingBOn = d->TreadlingBOn = false;
    EXPECT_EQ(DraftPictureCells(*d, 30, 20).cols, 30 + 4 + 3);
    EXPECT_EQ(DraftPictureCells(*d, 30, 20).rows, 20 + 4 + 3);
}

TEST(DraftPicture, ProposedRange) {
    auto d = std::make_unique<Draft>();
    d->ClearDraft();
    struct Case {
        int usedEnds, usedPicks, visibleEnds, visiblePicks, ends, picks;
    } cases[] = {
        {0, 0, 80, 50, 80, 80},    // nothing used: the view, picks take the ends
        {40, 30, 80, 50, 40, 30},  // fewer used than shown
        {120, 30, 80, 50, 80, 30}, // more ends used than shown
        {40, 70, 80, 50, 40, 40},  // more picks used than shown: picks take the ends
    };
    for (const Case& c : cases) {
        d->ClearDraft();
        for (int e = 1; e <= c.usedEnds; ++e) d->ThreadingA[e] = 1;
        for (int p = 1; p <= c.usedPicks; ++p) d->TreadlingA[p] = 1;
        const DraftRange r = PrintDraftStart(*d, c.visibleEnds, c.visiblePicks).range;
        EXPECT_EQ(r.ends, c.ends) << c.usedEnds << "/" << c.usedPicks;
        EXPECT_EQ(r.picks, c.picks) << c.usedEnds << "/" << c.usedPicks;
        EXPECT_EQ(r.fromEnd, 1);
    }
    const DraftRangeLimits l = DraftRangeLimitsOf(*d);
    EXPECT_EQ(l.fromEnd.max, d->Ends - 2);
    EXPECT_EQ(l.picks.max, d->Picks);
    EXPECT_FALSE(l.Allow({0, 10, 1, 10}));
}

TEST(DraftPicture, PrintedMatchesTheScreenInEveryStartPositionAndStyle) {
    for (int mask = 0; mask < 8; ++mask) {
        for (auto style : {DrawdownStyleKind::Normal, DrawdownStyleKind::Grid,
                           DrawdownStyleKind::Threads, DrawdownStyleKind::ThreadsOutlined}) {
            auto d = PrintableSample();
            d->ThreadingFromRight = mask & 1;
            d->LiftplanFromBottom = mask & 2;
            d->ShaftOneAtBottom = mask & 4;
            d->DrawdownStyle = style;
            const DraftRange r{11, 30, 5, 20};
            const QImage printed = PrintedPicture(*d, r, 7);
            const QImage screen = ScreenPicture(*d, r, 7);
            EXPECT_EQ(FirstDifference(printed, screen), "")
                << "positions " << mask << ", style " << static_cast<int>(style);
        }
    }
}

TEST(DraftPicture, EveryDrawdownCellIsColouredPastTheLastThreadedEnd) {
    // With the pattern level and group B both on, the screen stops its weft
    // rows at the last threaded end; the printed picture colours every cell.
    auto d = PrintableSample();
    d->PatternThreadingOn = d->ThreadingBOn = true;
    for (int e = 16; e <= 20; ++e) d->PatternThreading[e] = d->ThreadingA[e] = d->ThreadingB[e] = 0;
    const int cell = 8;
    const DraftRange r{1, 20, 1, 6};
    const DraftPicture picture(*d, r, cell, cell);
    const DraftLayout& l = picture.layout();
    const QImage printed = PrintedPicture(*d, r, cell);
    for (int e : {16, 20})
        for (int j = 1; j <= 6; ++j) {
            const PixelRect c = l.InteriorRect(l.EndColumn(e), l.PickRow(j));
            const QRgb expected = WarpOnTop(*d, j, e) ? ToRgb(d->Palette[d->WarpColors[e]])
                                                      : ToRgb(d->Palette[d->WeftColors[j]]);
            EXPECT_EQ(Px(printed, c.x + 3, c.y + 3), expected) << "end " << e << ", pick " << j;
        }
}

TEST(DraftPicture, WithoutPicksOnlyTheWarpSide) {
    auto d = PrintableSample();
    const int cell = 6;
    const QImage image = PrintedPicture(*d, {1, 30, 1, 0}, cell);
    ASSERT_EQ(image.width(), 30 * cell + 1);
    ASSERT_EQ(image.height(), 15 * cell + 1);
    // The warp colour bar on top, in end 1's colour at the right.
    EXPECT_EQ(Px(image, 29 * cell + 2, 2), ToRgb(d->Palette[d->WarpColors[1]]));
    // Threading A's grid, and the row below the last threading is empty.
    const DraftPicture picture(*d, {1, 30, 1, 0}, cell, cell);
    EXPECT_FALSE(picture.layout().tieupAA.shown);
    EXPECT_FALSE(picture.layout().weftBar.shown);
    for (int x = 0; x < image.width(); ++x)
        EXPECT_EQ(Px(image, x, image.height() - 2), qRgb(255, 255, 255));
}

TEST(DraftPicture, FillBoxesAndPens) {
    auto d = PrintableSample();
    const int cell = 10;
    const DraftRange r{1, 20, 1, 12};
    const DraftPicture picture(*d, r, cell, cell);
    const DraftLayout& l = picture.layout();
    // End 1 is on threading A shaft 1; its mark's interior.
    const PixelRect mark = l.InteriorRect(l.EndColumn(1), l.ShaftRow(ViewArea::ThreadingA, 1));
    const PixelRect bar = l.InteriorRect(l.EndColumn(1), l.warpBar.v);
    const PixelRect dd = l.InteriorRect(l.EndColumn(1), l.PickRow(1));
    const QImage filled = PrintedPicture(*d, r, cell);
    EXPECT_EQ(Px(filled, mark.x + 4, mark.y + 4), qRgb(0, 0, 0));
    DraftFill none{false, false, false, false};
    const QImage empty = PrintedPicture(*d, r, cell, none);
    EXPECT_EQ(Px(empty, mark.x + 4, mark.y + 4), qRgb(255, 255, 255));
    EXPECT_EQ(Px(empty, dd.x + 4, dd.y + 4), qRgb(255, 255, 255));
    EXPECT_EQ(Px(empty, bar.x + 4, bar.y + 4), ToRgb(d->Palette[d->WarpColors[1]]));
    // Pens of 3 pixels: the grid line and the two pixels right of it are black.
    const QImage thick = PrintedPicture(*d, r, cell, none, 3);
    const int gx = l.CellX(l.EndColumn(1));
    for (int dx = 0; dx < 3; ++dx) EXPECT_EQ(Px(thick, gx + dx, mark.y + 5), qRgb(0, 0, 0)) << dx;
    EXPECT_EQ(Px(thick, gx + 3, mark.y + 5), qRgb(255, 255, 255));
}

TEST(PrintDraft, RefusesCellsBelowTwoPrinterPixels) {
    auto d = PrintableSample();
    d->Ends = 4800;
    test::MemoryPdf pdf(QPageSize::Letter, 600); // 3900 pixels across
    PrintDraftChoice c;
    c.range = {1, 2000, 1, 20};
    PrintOutcome out = PrintDraft(pdf.writer, {}, *d, c);
    EXPECT_FALSE(out.printed);
    ASSERT_EQ(out.messages.size(), 1u);
    EXPECT_EQ(out.messages[0].text, "@printtoosmall");
    EXPECT_EQ(out.messages[0].kind, MessageKind::Error);
    EXPECT_TRUE(pdf.bytes.isEmpty());
    c.range = {1, 0, 1, 0}; // nothing chosen: nothing printed, nothing said
    out = PrintDraft(pdf.writer, {}, *d, c);
    EXPECT_FALSE(out.printed);
    EXPECT_TRUE(out.messages.empty());
    c.range = {1, 1900, 1, 20}; // 1915 columns: two pixels each
    out = PrintDraft(pdf.writer, {}, *d, c);
    EXPECT_TRUE(out.printed);
    EXPECT_TRUE(pdf.bytes.startsWith("%PDF"));
}
