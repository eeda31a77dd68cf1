// The DraftView widget: its off-screen image, the signals the main window follows
// and partial updates.
#include <gtest/gtest.h>

#include <QSignalSpy>

#include "../paintsupport.h"
#include "../sampledraft.h"
#include "view/ui/draftview.h"

namespace hm {
namespace {

TEST(DraftView, UpdatePaintsTheImageAndReportsUndoAndZoom) {
    auto d = test::MakeSampleDraft();
    d->Zoom = 20;
    DraftView view(*d);
    QSignalSpy undo(&view, &DraftView::undoDisabled);
    QSignalSpy zoom(&view, &DraftView::zoomLowered);
    view.resize(300, 200);
    view.Update();
    EXPECT_GE(undo.count(), 1);
    ASSERT_GE(zoom.count(), 1);
    EXPECT_LT(d->Zoom, 20);
    EXPECT_EQ(zoom.last().at(0).toInt(), d->Zoom);
    EXPECT_EQ(view.LargestFittingZoom(), d->Zoom);
    // A larger window does not raise the zoom by itself.
    const int lowered = d->Zoom;
    view.resize(test::ImageW, test::ImageH);
    view.Update();
    EXPECT_EQ(d->Zoom, lowered);
    EXPECT_GT(view.LargestFittingZoom(), lowered);
    EXPECT_EQ(view.image().size(), QSize(test::ImageW, test::ImageH));

    Draft copy = *d;
    const test::Rendered r = test::RenderFull(copy);
    EXPECT_EQ(test::FirstDifference(view.image(), r.image), "");
    EXPECT_EQ(view.layout().visibleEnds, r.layout.visibleEnds);
}

TEST(DraftView, PartialPaintsAndRepaintVariants) {
    auto d = test::MakeSampleDraft();
    d->Zoom = 6;
    DraftView view(*d);
    view.resize(test::ImageW, test::ImageH);
    view.Update();
    d->TreadlingA[3] = 1;
    view.RepaintRowsFrom(3);
    d->ThreadingA[2] = 3;
    view.RepaintColumnsFrom(2);
    Draft copy = *d;
    EXPECT_EQ(test::FirstDifference(view.image(), test::RenderFull(copy).image), "");

    QSignalSpy undo(&view, &DraftView::undoDisabled);
    d->Palette[6] = MakeColor(10, 120, 10);
    view.RepaintDraft();
    EXPECT_EQ(undo.count(), 1);
    copy = *d;
    EXPECT_EQ(test::FirstDifference(view.image(), test::RenderFull(copy).image), "");

    view.PaintGridsInColour(0);
    view.PaintGridsInColour(d->GridColor);
    EXPECT_EQ(test::FirstDifference(view.image(), test::RenderFull(copy).image), "");

    // Design mode through the widget, both grid settings.
    d->DesignMode = true;
    d->SetDesignCell(1, 1, true);
    for (bool grid : {true, false}) {
        view.setDesignGridStyle(grid);
        view.Update();
        copy = *d;
        EXPECT_EQ(test::FirstDifference(view.image(), test::RenderFull(copy, grid).image), "");
    }
}

TEST(DraftView, TinyWidgetStaysSafe) {
    auto d = test::MakeSampleDraft();
    DraftView view(*d);
    view.resize(3, 2);
    view.Update();
    view.RepaintRowsFrom(1);
    view.PaintDrawdownColumn(1);
    EXPECT_EQ(view.layout().visibleEnds, 0);
    EXPECT_EQ(view.layout().visiblePicks, 0);
}

} // namespace
} // namespace hm
