// Pixel tests of the draft painters: marks, bars, drawdown styles, tie-up point
// marks, grids, connector lines, Design mode, and partial painters agreeing with
// a full repaint.
#include <gtest/gtest.h>

#include <QPainter>

#include "model/drawdown.h"
#include "paintsupport.h"
#include "sampledraft.h"

namespace hm {
namespace {

using test::Px;
using test::RenderFull;

constexpr int kZooms[] = {2, 3, 4, 6, 11};

QRgb Warp(const Draft& d, int end) {
    return ToRgb(d.Palette[d.WarpColors[end]]);
}
QRgb Weft(const Draft& d, int pick) {
    return ToRgb(d.Palette[d.WeftColors[pick]]);
}

// A cleared full repaint through a QPainter canvas; `changed` is what the
// canvas reports as touched.
QImage RepaintThroughPainter(const Draft& d, const DraftLayout& l, QRect* changed = nullptr) {
    QImage img(test::ImageW, test::ImageH, QImage::Format_RGB32);
    {
        QPainter qp(&img);
        PainterCanvas canvas(qp, img.width(), img.height());
        DraftPainter p(canvas, d, l);
        p.ClearAll();
        p.Repaint();
        if (changed) *changed = canvas.TakeChanged();
    }
    return img;
}

void SetOrientation(Draft& d, int combo) {
    d.ThreadingFromRight = combo & 1;
    d.LiftplanFromBottom = combo & 2;
    d.ShaftOneAtBottom = combo & 4;
}

TEST(Colours, ModelColoursConvertToRgb) {
    EXPECT_EQ(ToRgb(MakeColor(255, 0, 0)), qRgb(255, 0, 0));
    EXPECT_EQ(ToRgb(0x00FF0000u), qRgb(0, 0, 255)); // 0x00BBGGRR: blue
    EXPECT_EQ(Darkened(qRgb(200, 100, 3)), qRgb(150, 75, 3));
}

// Checks one drawdown cell against the rule for the given style.
void ExpectDrawdownCell(const QImage& img, const DraftLayout& l, const Draft& d, int i, int j) {
    const int end = l.firstEnd + i, pick = l.firstPick + j;
    const bool up = WarpOnTop(d, pick, end);
    const QRgb warp = Warp(d, end), weft = Weft(d, pick);
    const QRgb top = up ? warp : weft;
    const int x = l.CellX(l.EndColumn(i)), y = l.CellY(l.PickRow(j));
    const int cw = l.cellW, ch = l.cellH;
    const QRgb bg = ToRgb(d.BackgroundColor), grid = ToRgb(d.GridColor);
    SCOPED_TRACE("end " + std::to_string(end) + " pick " + std::to_string(pick));
    switch (d.DrawdownStyle) {
    case DrawdownStyleKind::Normal:
        ASSERT_EQ(Px(img, x, y), top);
        ASSERT_EQ(Px(img, x + cw - 1, y + ch - 1), top);
        break;
    case DrawdownStyleKind::Grid:
        ASSERT_EQ(Px(img, x, y), grid);
        ASSERT_EQ(Px(img, x + 1, y + 1), top);
        ASSERT_EQ(Px(img, x + cw - 1, y + ch - 1), top);
        break;
    case DrawdownStyleKind::Threads: {
        const int w = cw - (cw > 2 ? 1 : 0) - cw / 6, o = cw / 12;
        ASSERT_EQ(Px(img, x + o + w / 2, y + o + w / 2), top);
        if (o + w < cw) {
            ASSERT_EQ(Px(img, x + cw - 1, y + ch - 1), bg);
            if (up)
                ASSERT_EQ(Px(img, x + o + w, y + o), weft) << "weft band beside the warp";
            else
                ASSERT_EQ(Px(img, x + o, y + o + w), warp) << "warp band below the weft";
        }
        break;
    }
    case DrawdownStyleKind::ThreadsOutlined:
        ASSERT_EQ(Px(img, x + cw / 2, y + ch / 2), top);
        if (up) {
            ASSERT_EQ(Px(img, x, y + ch / 2), Darkened(warp));
            ASSERT_EQ(Px(img, x + cw - 1, y + ch / 2), l.zoom > 2 ? Darkened(warp) : warp);
        } else {
            ASSERT_EQ(Px(img, x + cw / 2, y), Darkened(weft));
            ASSERT_EQ(Px(img, x + cw / 2, y + ch - 1), l.zoom > 2 ? Darkened(weft) : weft);
        }
        break;
    }
}

// Marks, bars and every drawdown cell at each zoom, style and start position.
TEST(DraftPainter, MarksBarsAndDrawdownInEveryStyleAndOrientation) {
    auto d = test::MakeSampleDraft();
    const QRgb mark = ToRgb(d->MarkColor), bg = ToRgb(d->BackgroundColor);
    for (int zoom : kZooms)
        for (int style = 1; style <= 4; ++style)
            for (int combo = 0; combo < 8; ++combo) {
                d->Zoom = zoom;
                d->DrawdownStyle = static_cast<DrawdownStyleKind>(style);
                SetOrientation(*d, combo);
                d->FirstEnd = 3;
                d->FirstPick = 5;
                const test::Rendered r = RenderFull(*d);
                const DraftLayout& l = r.layout;
                SCOPED_TRACE("zoom " + std::to_string(zoom) + " style " + std::to_string(style) +
                             " orientation " + std::to_string(combo));
                ASSERT_EQ(d->Zoom, zoom);
                ASSERT_GT(l.visibleEnds, 8);
                ASSERT_GT(l.visiblePicks, 8);
                auto centre = [&](int u, int v) {
                    const PixelRect in = l.InteriorRect(u, v);
                    return Px(r.image, in.x + in.w / 2, in.y + in.h / 2);
                };
                for (int i = 1; i <= l.visibleEnds; ++i) {
                    const int e = l.firstEnd + i;
                    const int u = l.EndColumn(i);
                    for (auto [area, arr] :
                         {std::pair{ViewArea::PatternThreading, &d->PatternThreading},
                          std::pair{ViewArea::ThreadingA, &d->ThreadingA},
                          std::pair{ViewArea::ThreadingB, &d->ThreadingB}})
                        for (int s = 1; s <= l.ShaftCount(area); ++s)
                            ASSERT_EQ(centre(u, l.ShaftRow(area, s)), s == (*arr)[e] ? mark : bg);
                    ASSERT_EQ(centre(u, l.warpBar.v), Warp(*d, e));
                }
                for (int j = 1; j <= l.visiblePicks; ++j) {
                    const int p = l.firstPick + j;
                    const int v = l.PickRow(j);
                    for (auto [area, arr] : {std::pair{ViewArea::TreadlingA, &d->TreadlingA},
                                             std::pair{ViewArea::TreadlingB, &d->TreadlingB}})
                        for (int t = 1; t <= l.TreadleCount(area); ++t)
                            ASSERT_EQ(centre(l.TreadleColumn(area, t), v),
                                      t == (*arr)[p] ? mark : bg);
                    for (int c = 1; c <= l.liftplanWidth; ++c)
                        ASSERT_EQ(centre(l.TreadleColumn(ViewArea::Liftplan, c), v),
                                  d->GetLiftplan(p, c) ? mark : bg);
                    ASSERT_EQ(centre(l.weftBar.u, v), Weft(*d, p));
                    for (int i = 1; i <= l.visibleEnds; ++i)
                        ExpectDrawdownCell(r.image, l, *d, i, j);
                }
            }
}

TEST(DraftPainter, ThreadsStyleBandsAtZoomEleven) {
    auto d = test::MakeSampleDraft();
    d->Zoom = 11;
    d->DrawdownStyle = DrawdownStyleKind::Threads;
    const test::Rendered r = RenderFull(*d);
    const DraftLayout& l = r.layout;
    // Find a warp-on-top cell and measure its warp band: 9 pixels from offset 1.
    for (int i = 1; i <= l.visibleEnds; ++i) {
        const int e = l.firstEnd + i, p = l.firstPick + 1;
        if (!WarpOnTop(*d, p, e)) continue;
        const int x = l.CellX(l.EndColumn(i)), y = l.CellY(l.PickRow(1));
        const QRgb warp = Warp(*d, e);
        EXPECT_NE(Px(r.image, x, y + 11), warp);
        for (int k = 1; k <= 9; ++k) EXPECT_EQ(Px(r.image, x + k, y + 11), warp) << k;
        EXPECT_NE(Px(r.image, x + 10, y + 11), warp);
        return;
    }
    FAIL() << "no warp-on-top cell in the first row";
}

// Point marks of pattern ties: a pixel, a 2 x 2 square, then circles.
TEST(DraftPainter, TieupPointMarksAtEachZoom) {
    auto d = test::MakeSampleDraft();
    const QRgb mark = ToRgb(d->MarkColor);
    for (int combo : {0, 4})
        for (int zoom : {2, 3, 4, 5, 6, 7, 10, 11}) {
            d->Zoom = zoom;
            SetOrientation(*d, combo);
            const test::Rendered r = RenderFull(*d);
            const DraftLayout& l = r.layout;
            SCOPED_TRACE("zoom " + std::to_string(zoom));
            auto interior = [&](ViewArea a, int s, int t) {
                return l.InteriorRect(l.TreadleColumn(a, t), l.ShaftRow(a, s));
            };
            // Ground tie: filled interior; empty cell: background.
            const PixelRect g = interior(ViewArea::TieupAA, 1, 1);
            EXPECT_EQ(Px(r.image, g.x, g.y), mark);
            EXPECT_EQ(Px(r.image, g.x + g.w - 1, g.y + g.h - 1), mark);
            const PixelRect e = interior(ViewArea::TieupAA, 1, 2);
            EXPECT_EQ(Px(r.image, e.x + e.w / 2, e.y + e.h / 2), ToRgb(d->BackgroundColor));

            const PixelRect pr = interior(ViewArea::TieupAB, 1, 1);
            int count = 0, widest = 0, top = -1, left = 1000;
            for (int y = pr.y; y < pr.y + pr.h; ++y) {
                int row = 0;
                for (int x = pr.x; x < pr.x + pr.w; ++x)
                    if (Px(r.image, x, y) == mark) {
                        ++row;
                        left = std::min(left, x - pr.x);
                        if (top < 0) top = y - pr.y;
                    }
                count += row;
                widest = std::max(widest, row);
            }
            if (zoom <= 2) {
                EXPECT_EQ(count, pr.w * pr.h);
            } else if (zoom == 3) {
                EXPECT_EQ(count, 1);
                EXPECT_EQ(Px(r.image, pr.x + 1, pr.y + 1), mark);
            } else if (zoom == 4) {
                EXPECT_EQ(count, 4);
                EXPECT_EQ(Px(r.image, pr.x + 2, pr.y + 2), mark);
                EXPECT_EQ(top, 1);
            } else {
                const int inner = zoom;
                const int side = inner / 2 + inner % 2 + ((zoom == 6 || zoom == 10) ? 1 : 0);
                EXPECT_EQ(widest, side);
                EXPECT_EQ(top, inner / 4);
                EXPECT_EQ(left, inner / 4);
            }
        }
    // The circle at zoom 6 is one pixel wider than at zoom 5.
    auto widthAt = [&](int zoom) {
        d->Zoom = zoom;
        const test::Rendered r = RenderFull(*d);
        const PixelRect pr = r.layout.InteriorRect(r.layout.TreadleColumn(ViewArea::TieupAB, 1),
                                                   r.layout.ShaftRow(ViewArea::TieupAB, 1));
        int widest = 0;
        for (int y = pr.y; y < pr.y + pr.h; ++y) {
            int row = 0;
            for (int x = pr.x; x < pr.x + pr.w; ++x) row += Px(r.image, x, y) == mark;
            widest = std::max(widest, row);
        }
        return widest;
    };
    EXPECT_EQ(widthAt(6), widthAt(5) + 1);
}

TEST(DraftPainter, GridLinesAndConnectorLines) {
    auto d = test::MakeSampleDraft();
    const QRgb grid = ToRgb(d->GridColor), bg = ToRgb(d->BackgroundColor);
    for (int zoom : kZooms)
        for (int combo = 0; combo < 8; ++combo) {
            d->Zoom = zoom;
            SetOrientation(*d, combo);
            const test::Rendered r = RenderFull(*d);
            const DraftLayout& l = r.layout;
            const QImage& img = r.image;
            SCOPED_TRACE("zoom " + std::to_string(zoom) + " orientation " + std::to_string(combo));
            const int cw = l.cellW, ch = l.cellH;
            // Threading A grid: corners inclusive, nothing beyond.
            const int x = l.CellX(0), y = l.CellY(l.threadingA.v);
            EXPECT_EQ(Px(img, x, y), grid);
            EXPECT_EQ(Px(img, x + l.visibleEnds * cw, y + l.shaftsA * ch), grid);
            EXPECT_EQ(Px(img, x + l.visibleEnds * cw + 1, y), bg);
            EXPECT_EQ(Px(img, x + cw, y + 1), grid);
            // Weft colour bar grid.
            EXPECT_EQ(Px(img, l.CellX(l.weftBar.u + 1), l.CellY(l.weftBar.v) + 1), grid);
            // Connector lines from each pattern shaft to its liftplan column.
            const int x0 = l.CellX(l.treadlingB.u) - 2;
            const int gapTop = l.CellY(l.drawdown.v - 1);
            for (int k = 1; k <= l.patternShafts; ++k) {
                const int shaft = d->ShaftOneAtBottom ? l.patternShafts - k + 1 : k;
                ASSERT_EQ(l.ShaftRow(ViewArea::PatternThreading, shaft),
                          l.patternThreading.v + k - 1);
                const int col = l.TreadleColumn(ViewArea::Liftplan, shaft);
                const int cy = l.CellY(l.patternThreading.v + k - 1) + ch / 2;
                const int cx = l.CellX(col) + cw / 2;
                EXPECT_EQ(Px(img, x0, cy), grid);
                EXPECT_EQ(Px(img, cx - 1, cy), grid);
                EXPECT_EQ(Px(img, cx, cy), grid);
                EXPECT_EQ(Px(img, cx, gapTop + 1), grid);
                EXPECT_EQ(Px(img, cx, gapTop + 2), bg);
                if (zoom >= 3) {
                    EXPECT_EQ(Px(img, x0 - 1, cy), bg);
                }
            }
        }
}

TEST(DraftPainter, RowPassesStopAtLastThreadedEndWithBothLevels) {
    auto d = test::MakeSampleDraft();
    d->Zoom = 6;
    d->ThreadingFromRight = false;
    d->ClearPatternThreading(11);
    d->ClearThreadingA(11);
    d->ClearThreadingB(11);
    test::Rendered r = RenderFull(*d);
    const DraftLayout& l = r.layout;
    const int x = l.CellX(l.EndColumn(14)) + 2, y = l.CellY(l.PickRow(3)) + 2;
    EXPECT_EQ(Px(r.image, x, y), ToRgb(d->BackgroundColor)) << "beyond the limit";
    const int x10 = l.CellX(l.EndColumn(10)) + 2;
    EXPECT_NE(Px(r.image, x10, y), ToRgb(d->BackgroundColor));
    // Without group B every visible column is covered: unthreaded ends show the weft.
    d->ThreadingBOn = false;
    r = RenderFull(*d);
    EXPECT_EQ(Px(r.image, x, r.layout.CellY(r.layout.PickRow(3)) + 2), Weft(*d, 3));
}

TEST(DraftPainter, DesignModeWithAndWithoutGridStyle) {
    auto d = test::MakeSampleDraft();
    d->DesignMode = true;
    d->Zoom = 6;
    for (int p = 1; p <= 60; ++p)
        for (int e = 1; e <= 80; ++e) d->SetDesignCell(p, e, (p * 3 + e) % 5 < 2);
    const QRgb grid = ToRgb(d->GridColor);
    for (bool gridStyle : {true, false}) {
        const test::Rendered r = RenderFull(*d, gridStyle);
        const DraftLayout& l = r.layout;
        EXPECT_EQ(l.drawdown.v, 2);
        for (int j = 1; j <= l.visiblePicks; ++j)
            for (int i = 1; i <= l.visibleEnds; ++i) {
                const int e = i, p = j;
                const QRgb c = WarpOnTop(*d, p, e) ? Warp(*d, e) : Weft(*d, p);
                const int x = l.CellX(l.EndColumn(i)), y = l.CellY(l.PickRow(j));
                ASSERT_EQ(Px(r.image, x + 1, y + 1), c);
                ASSERT_EQ(Px(r.image, x, y), gridStyle ? grid : c);
            }
        EXPECT_EQ(Px(r.image, l.CellX(l.EndColumn(1)) + 2, l.CellY(0) + 2), Warp(*d, 1));
        EXPECT_EQ(Px(r.image, l.CellX(l.weftBar.u) + 2, l.CellY(l.PickRow(1)) + 2), Weft(*d, 1));
    }
}

// Repaints an image after a change with a partial painter and compares it with a
// fresh full repaint of the changed draft.
void ExpectPartialMatchesFull(Draft& d, const std::function<void(Draft&, DraftPainter&)>& change,
                              const char* what) {
    test::Rendered r = RenderFull(d);
    test::PaintOn(r, d, [&](DraftPainter& p) { change(d, p); });
    // Partial painters run on the layout they were given; recompute for scrolls.
    const test::Rendered full = RenderFull(d);
    EXPECT_EQ(test::FirstDifference(r.image, full.image), "") << what;
}

TEST(DraftPainter, PartialPaintersLeaveTheSamePixelsAsAFullRepaint) {
    auto d = test::MakeSampleDraft();
    for (int style = 1; style <= 4; ++style)
        for (int zoom : {3, 11})
            for (int combo : {0, 7}) {
                d->Zoom = zoom;
                d->DrawdownStyle = static_cast<DrawdownStyleKind>(style);
                SetOrientation(*d, combo);
                SCOPED_TRACE("style " + std::to_string(style) + " zoom " + std::to_string(zoom) +
                             " orientation " + std::to_string(combo));
                ExpectPartialMatchesFull(
                    *d,
                    [](Draft& dr, DraftPainter& p) {
                        p.PaintSequenceCell(ViewArea::ThreadingA, 4, false);
                        dr.ThreadingA[4] = dr.ThreadingA[4] % 4 + 1;
                        p.PaintSequenceCell(ViewArea::ThreadingA, 4, true);
                        p.PaintSequenceCell(ViewArea::PatternThreading, 4, false);
                        dr.PatternThreading[4] = 0;
                        p.PaintDrawdownColumn(4);
                    },
                    "threading");
                ExpectPartialMatchesFull(
                    *d,
                    [](Draft& dr, DraftPainter& p) {
                        p.PaintSequenceCell(ViewArea::TreadlingB, 2, false);
                        dr.TreadlingB[2] = 0;
                        p.PaintSequenceCell(ViewArea::TreadlingA, 2, false);
                        dr.TreadlingA[2] = 3;
                        p.PaintSequenceCell(ViewArea::TreadlingA, 2, true);
                        p.PaintDrawdownRow(2);
                    },
                    "treadling");
                ExpectPartialMatchesFull(
                    *d,
                    [](Draft& dr, DraftPainter& p) {
                        dr.SetLiftplan(5, 2, !dr.GetLiftplan(5, 2));
                        p.PaintLiftplanCell(5, 2, dr.GetLiftplan(5, 2));
                        p.PaintDrawdownRow(5);
                    },
                    "liftplan");
                ExpectPartialMatchesFull(
                    *d,
                    [](Draft& dr, DraftPainter& p) {
                        dr.TieupAA(2, 3) = TiePattern;
                        dr.TieupBB(2, 2) = TieGround;
                        p.PaintTieupCell(TieupKind::AA, 2, 3, TiePattern);
                        p.PaintTieupCell(TieupKind::BB, 2, 2, TieGround);
                        for (int j = 1; j <= 200; ++j) p.PaintDrawdownRow(j);
                    },
                    "tie-up");
                ExpectPartialMatchesFull(
                    *d,
                    [](Draft& dr, DraftPainter& p) {
                        dr.WarpColors[7] = 4;
                        dr.WeftColors[6] = 2;
                        p.PaintWarpBarCell(7);
                        p.PaintDrawdownColumn(7);
                        p.PaintWeftBarCell(6);
                        p.PaintDrawdownRow(6);
                    },
                    "colours");
                ExpectPartialMatchesFull(
                    *d,
                    [](Draft& dr, DraftPainter& p) {
                        dr.SetLiftplan(9, 1, true);
                        dr.SetLiftplan(9, 4, true);
                        p.RepaintRowsWithLiftplan(8, false);
                    },
                    "rows with liftplan");
            }
    // Scrolling: new offsets, new layout, then the areas that move.
    for (int combo : {0, 7}) {
        SetOrientation(*d, combo);
        d->Zoom = 4;
        d->DrawdownStyle = DrawdownStyleKind::Normal;
        d->FirstEnd = d->FirstPick = 0;
        test::Rendered r = RenderFull(*d);
        d->FirstEnd = 13;
        d->FirstPick = 21;
        r.layout = Layout(*d, test::TestGeometry()).layout;
        test::PaintOn(r, *d, [](DraftPainter& p) {
            p.RepaintColumnsFrom(1);
            p.RepaintRowsWithLiftplan(1, true);
        });
        EXPECT_EQ(test::FirstDifference(r.image, RenderFull(*d).image), "") << "scroll " << combo;
    }
}

TEST(DraftPainter, DesignPartialsAndTheSecondFullVariant) {
    auto d = test::MakeSampleDraft();
    d->DesignMode = true;
    d->Zoom = 5;
    for (int p = 1; p <= 100; ++p)
        for (int e = 1; e <= 100; ++e) d->SetDesignCell(p, e, (p + 2 * e) % 7 < 3);
    for (bool gridStyle : {true, false}) {
        test::Rendered r = RenderFull(*d, gridStyle);
        d->SetDesignCell(3, 4, !d->GetDesignCell(3, 4));
        d->SetDesignCell(9, 2, true);
        test::PaintOn(r, *d, [](DraftPainter& p) {
            p.PaintDrawdownColumn(4);
            p.PaintDesignColumn(2);
        });
        EXPECT_EQ(test::FirstDifference(r.image, RenderFull(*d, gridStyle).image), "");
        // The second variant paints every cell over what is there, without a clear.
        for (int p = 1; p <= 100; ++p) d->SetDesignCell(p, 10, p % 2);
        d->WeftColors[3] = 6;
        test::PaintOn(r, *d, [](DraftPainter& p) { p.Repaint(false); });
        EXPECT_EQ(test::FirstDifference(r.image, RenderFull(*d, gridStyle).image), "");
    }
}

TEST(DraftPainter, GridsInAnotherColourAndBack) {
    auto d = test::MakeSampleDraft();
    d->Zoom = 6;
    d->DrawdownStyle = DrawdownStyleKind::Grid;
    test::Rendered r = RenderFull(*d);
    const QImage before = r.image;
    test::PaintOn(r, *d, [](DraftPainter& p) { p.PaintGridsInColour(0); });
    const DraftLayout& l = r.layout;
    EXPECT_EQ(Px(r.image, l.CellX(0), l.CellY(l.threadingA.v)), qRgb(0, 0, 0));
    EXPECT_EQ(Px(r.image, l.CellX(3), l.CellY(l.drawdown.v + 2)), qRgb(0, 0, 0));
    test::PaintOn(r, *d, [&](DraftPainter& p) { p.PaintGridsInColour(d->GridColor); });
    EXPECT_EQ(test::FirstDifference(r.image, before), "");
}

// Printing draws through a QPainter and takes the plain path of the algorithm
// (warp fill of threaded columns, then the weft-on-top cells); the view's image
// takes the merged row path. Both must give the same pixels.
TEST(DraftPainter, PainterCanvasMatchesImageCanvas) {
    auto d = test::MakeSampleDraft();
    d->ClearThreadingA(40); // unthreaded ends beyond the row-pass limit
    d->ClearThreadingB(40);
    d->ClearPatternThreading(40);
    for (int p = 1; p <= 100; ++p)
        for (int e = 1; e <= 100; ++e) d->SetDesignCell(p, e, (p * e) % 7 < 3);
    for (int design = 0; design < 3; ++design)
        for (int zoom : {1, 2, 7})
            for (int style = 1; style <= 4; ++style) {
                d->DesignMode = design > 0;
                d->Zoom = zoom;
                d->DrawdownStyle = static_cast<DrawdownStyleKind>(style);
                const bool gridStyle = design != 2;
                const test::Rendered direct = RenderFull(*d, gridStyle);
                QRect changed;
                const QImage img = RepaintThroughPainter(*d, direct.layout, &changed);
                EXPECT_EQ(changed, img.rect());
                EXPECT_EQ(test::FirstDifference(img, direct.image), "")
                    << "design " << design << " zoom " << zoom << " style " << style;
            }
}

// The view's rows are written straight into the image, with the drawdown grid's
// columns and a clear that skips the cells the rows overwrite; every start
// position and a scrolled view must still match the plain path.
TEST(DraftPainter, DirectRowsMatchThePlainPathInEveryStartPosition) {
    auto d = test::MakeSampleDraft();
    d->ClearThreadingA(70);
    d->ClearThreadingB(70);
    d->ClearPatternThreading(70);
    d->FirstEnd = 13;
    d->FirstPick = 9;
    for (int p = 1; p <= 200; ++p)
        for (int e = 1; e <= 200; ++e) d->SetDesignCell(p, e, (p + 2 * e) % 5 < 2);
    for (int combo = 0; combo < 4; ++combo)
        for (int design = 0; design < 2; ++design)
            for (int zoom : {1, 3})
                for (int style : {1, 2}) {
                    SetOrientation(*d, combo);
                    d->DesignMode = design;
                    d->Zoom = zoom;
                    d->DrawdownStyle = static_cast<DrawdownStyleKind>(style);
                    const test::Rendered direct = RenderFull(*d, style == 2);
                    const QImage img = RepaintThroughPainter(*d, direct.layout);
                    ASSERT_EQ(test::FirstDifference(img, direct.image), "")
                        << "combo " << combo << " design " << design << " zoom " << zoom
                        << " style " << style;
                }
}

// A clear that waits for the next paint still happens when no full repaint follows.
TEST(DraftPainter, PendingClearHappensBeforeAnyOtherPaint) {
    auto d = test::MakeSampleDraft();
    test::Rendered r = RenderFull(*d);
    test::PaintOn(r, *d, [&](DraftPainter& p) {
        p.ClearAll();
        p.PaintWeftBarCell(1);
    });
    EXPECT_EQ(Px(r.image, r.layout.CellX(0) + 1, r.layout.CellY(r.layout.drawdown.v) + 1),
              ToRgb(d->BackgroundColor));
    test::PaintOn(r, *d, [&](DraftPainter& p) { p.ClearAll(); });
    EXPECT_EQ(Px(r.image, 2, 2), ToRgb(d->BackgroundColor));
    for (int y = 0; y < r.image.height(); y += 9)
        for (int x = 0; x < r.image.width(); x += 9)
            ASSERT_EQ(Px(r.image, x, y), ToRgb(d->BackgroundColor));
}

TEST(DraftPainter, OutOfRangeCallsPaintNothing) {
    auto d = test::MakeSampleDraft();
    d->ThreadingA[2] = 30;     // beyond ShaftsA: no mark, no crash
    d->Ends = d->Picks = 6000; // damaged counts: ends beyond the capacity must not be read
    d->FirstEnd = MaxEnds - 5;
    d->FirstPick = MaxPicks - 5;
    test::Rendered r = RenderFull(*d);
    ImageCanvas canvas(r.image);
    DraftPainter p(canvas, *d, r.layout);
    p.PaintSequenceCell(ViewArea::ThreadingA, 0, true);
    p.PaintSequenceCell(ViewArea::ThreadingA, 9999, true);
    p.PaintSequenceCell(ViewArea::TreadlingA, -1, true);
    p.PaintLiftplanCell(1, 200, true);
    p.PaintTieupCell(TieupKind::AA, 40, 1, 1);
    p.PaintDrawdownColumn(0);
    p.PaintDrawdownRow(100000);
    p.PaintSequenceCell(ViewArea::Drawdown, 1, true);
    EXPECT_TRUE(canvas.TakeChanged().isEmpty());
    p.RepaintColumnsFrom(1);
    p.RepaintRowsFrom(1);
    SUCCEED();
}

} // namespace
} // namespace hm
