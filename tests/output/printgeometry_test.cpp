// The printing rectangle, FitPicture, the footer or note rule, the fabric's
// printed thread sizes and the job titles.
#include <gtest/gtest.h>

#include "output/printdraft.h"
#include "output/printfabric.h"
#include "output/printscreen.h"
#include "outputsupport.h"
#include "view/sampledraft.h"

using namespace hm;

namespace {

PrinterGeometry Letter600() {
    PrinterGeometry g;
    g.DpiX = g.DpiY = 600;
    g.PaperW = g.PrintW = 5100;
    g.PaperH = g.PrintH = 6600;
    return g;
}

} // namespace

TEST(PrintGeometry, PrintingRectangle) {
    struct Case {
        const char* name;
        PrinterGeometry g;
        PageMargins m;
        PrintRect expected;
    };
    PrinterGeometry offset = Letter600();
    offset.OffsetX = offset.OffsetY = 100;
    offset.PrintW = 4900;
    offset.PrintH = 6400;
    PrinterGeometry tiny = Letter600();
    tiny.PrintW = 300;
    const Case cases[] = {
        {"letter at 600 dpi, one inch all round", Letter600(), {}, {600, 600, 4500, 6000}},
        {"offsets move the rectangle", offset, {}, {500, 500, 4400, 5900}},
        {"margins inside the offset start at 0", offset, {100, 50, 0, 0}, {0, 0, 4900, 6400}},
        {"right edge within the printable width, never left of Left",
         tiny,
         {},
         {600, 600, 600, 6000}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const PrintRect r = PrintingRectangle(c.g, c.m);
        EXPECT_EQ(r.Left, c.expected.Left);
        EXPECT_EQ(r.Top, c.expected.Top);
        EXPECT_EQ(r.Right, c.expected.Right);
        EXPECT_EQ(r.Bottom, c.expected.Bottom);
    }
}

TEST(PrintGeometry, FitPictureFillsTheWidthOrTheHeightLessTheFooter) {
    const PrinterGeometry g = Letter600();
    const PrintRect r = PrintingRectangle(g, {}); // 3900 x 5400
    // Wide: the width decides.
    PictureSize s = FitPicture(g, r, 90, 2, 1);
    EXPECT_EQ(s.W, 3900);
    EXPECT_EQ(s.H, 1950);
    // Tall: the height less TextH + TextH div 3 decides.
    s = FitPicture(g, r, 90, 1, 2);
    EXPECT_EQ(s.H, 5400 - 120);
    EXPECT_EQ(s.W, 2640);
    // Exactly enough room for the footer keeps the width.
    s = FitPicture(g, r, 90, 3900, 5400 - 120);
    EXPECT_EQ(s.W, 3900);
    // Non-square pixels: 600 x 300 dpi halves the height in pixels.
    PrinterGeometry wide = g;
    wide.DpiY = 300;
    wide.PaperH = wide.PrintH = 3300;
    s = FitPicture(wide, PrintingRectangle(wide, {}), 40, 1, 1);
    EXPECT_EQ(s.W, 3900);
    EXPECT_EQ(s.H, 1950);
    EXPECT_EQ(FitPicture(g, r, 90, 0, 1).W, 0);
}

TEST(PrintGeometry, ReadFromAPdfWriter) {
    test::MemoryPdf pdf(QPageSize::Letter, 600);
    const PrinterGeometry g = GeometryOf(pdf.writer);
    EXPECT_EQ(g.DpiX, 600);
    EXPECT_EQ(g.PaperW, 5100);
    EXPECT_EQ(g.PaperH, 6600);
    EXPECT_EQ(g.PrintW, 5100);
    EXPECT_EQ(g.OffsetX, 0);
    PrintJob job(pdf.writer, {});
    EXPECT_EQ(job.rect().Left, 600);
    EXPECT_EQ(job.rect().Bottom, 6000);
    EXPECT_GT(job.TextH(), 60); // ten points at 600 dpi
    EXPECT_LT(job.TextH(), 140);
}

TEST(PrintGeometry, NoteInsteadOfFooterFromSixCharacters) {
    EXPECT_FALSE(PrintsNote(true, "12345"));
    EXPECT_TRUE(PrintsNote(true, "123456"));
    EXPECT_FALSE(PrintsNote(false, "a long note"));
    EXPECT_FALSE(PrintsNote(true, "äöüßé")); // five characters, ten bytes
}

TEST(PrintGeometry, JobTitles) {
    EXPECT_EQ(PrintJobTitle("rosepath").toStdString(), "Heddlemark - rosepath");
    NumericJobCounter counter;
    EXPECT_EQ(counter.NextTitle().toStdString(), "Heddlemark Numeric 1");
    EXPECT_EQ(counter.NextTitle().toStdString(), "Heddlemark Numeric 2");
}

TEST(PrintFabric, TrueSizeThreadWidths) {
    Draft d;
    d.Epi = 20;
    d.Ppi = 40;
    d.Inches = true;
    ThreadSize t = TrueSizeThreads(d, Letter600());
    EXPECT_DOUBLE_EQ(t.w, 30.0);
    EXPECT_DOUBLE_EQ(t.h, 15.0);
    d.Inches = false; // per centimetre
    d.Epi = 10;
    t = TrueSizeThreads(d, Letter600());
    EXPECT_NEAR(t.w, 600 / 25.4, 1e-9);
}

TEST(PrintFabric, PlansOfSelectSizeAndTrueSize) {
    auto d = test::MakeSampleDraft();
    d->Ends = d->Picks = 200;
    d->ClearPatternThreading(101);
    d->ClearThreadingA(101);
    d->ClearThreadingB(101);
    d->ClearTreadlingA(81);
    d->ClearTreadlingB(81);
    d->ClearLiftplan(81);
    d->Epi = d->Ppi = 20;
    d->Inches = true;
    test::MemoryPdf pdf;
    PrintJob job(pdf.writer, {});

    PrintFabricChoice c{100, 51, FabricPrintSize::SelectSize};
    FabricPrintPlan p = PlanFabricPrint(job, *d, c);
    EXPECT_EQ(p.ends, 100);
    EXPECT_EQ(p.picks, 51);
    EXPECT_DOUBLE_EQ(p.threadW, 39.0);        // 3900 / 100
    EXPECT_DOUBLE_EQ(p.threadH, 1989.0 / 51); // the picture of 5000 : 2550 is 1989 high

    d->FabricCompression = true; // an odd count loses a pick; rows are two picks high
    p = PlanFabricPrint(job, *d, c);
    EXPECT_EQ(p.picks, 50);
    EXPECT_DOUBLE_EQ(p.threadH, 2 * p.threadW);

    d->FabricCompression = false;
    c.size = FabricPrintSize::TrueSize; // 30-pixel threads, limited to the used extent
    p = PlanFabricPrint(job, *d, c);
    EXPECT_DOUBLE_EQ(p.threadW, 30.0);
    EXPECT_EQ(p.ends, 100);
    EXPECT_EQ(p.picks, 80);
    d->Epi = d->Ppi = 4; // 150-pixel threads: the rectangle limits the counts
    p = PlanFabricPrint(job, *d, c);
    EXPECT_EQ(p.ends, 3900 / 150);
    EXPECT_EQ(p.picks, (5400 - job.TextH()) / 150);
}

TEST(PrintFabric, PaintsThroughTheFabricPainterOnlyWhenThereIsOne) {
    auto d = test::MakeSampleDraft();
    test::MemoryPdf pdf;
    PrintFabricChoice c{40, 30, FabricPrintSize::SelectSize};
    EXPECT_FALSE(PrintFabric(pdf.writer, {}, *d, c, {}).printed);
    EXPECT_TRUE(pdf.bytes.isEmpty());
    std::vector<FabricSpan> calls;
    d->FabricCompression = true;
    c.picks = 31;
    EXPECT_TRUE(PrintFabric(pdf.writer, {}, *d, c, test::CrossingPainter(&calls)).printed);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].Ends(), 40);
    EXPECT_EQ(calls[0].Picks(), 30);
    EXPECT_EQ(calls[0].cellH, 2);
    EXPECT_TRUE(pdf.bytes.startsWith("%PDF"));
    EXPECT_FALSE(ShowsPrintTimeNotice(true));
    EXPECT_EQ(PrintTimeNotice().text, "@printtime");
}

TEST(PrintScreen, FooterRangeOfTheView) {
    Draft d;
    d.FirstEnd = 10;
    d.FirstPick = 4;
    d.FabricFirstEnd = 100;
    d.Ends = 300;
    FooterRange r = ShownRange(d, false, 50, 40);
    EXPECT_EQ(r.firstEnd, 11);
    EXPECT_EQ(r.lastEnd, 60);
    EXPECT_EQ(r.lastPick, 44);
    r = ShownRange(d, true, 500, 40); // the fabric view counts no more than Ends
    EXPECT_EQ(r.firstEnd, 101);
    EXPECT_EQ(r.lastEnd, 400);
    test::MemoryPdf pdf;
    QImage area(200, 100, QImage::Format_RGB32);
    area.fill(Qt::blue);
    EXPECT_TRUE(PrintScreenImage(pdf.writer, {}, area, r).printed);
}
