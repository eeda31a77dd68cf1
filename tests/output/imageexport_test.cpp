// Save Fabric as PNG, Save Drawdown as BMP and Save Draft as PNG: sizes,
// refusals, pixels and the PNG writer.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "files/savefile.h"
#include "output/draftpng.h"
#include "output/drawdownbmp.h"
#include "output/fabricpng.h"
#include "output/pngwriter.h"
#include "outputsupport.h"
#include "view/sampledraft.h"

using namespace hm;

namespace {

QImage Decode(const QByteArray& bytes) {
    QImage image;
    image.loadFromData(bytes);
    return image;
}

QRgb Px(const QImage& image, int x, int y) {
    return image.pixel(x, y) | 0xFF000000u;
}

std::unique_ptr<Draft> EmptyDraft() {
    auto d = std::make_unique<Draft>();
    d->ClearDraft();
    return d;
}

} // namespace

TEST(FabricPng, SizesWithStretchAndCompression) {
    struct Case {
        int ends, picks;
        bool compression;
        int epi, ppi;
        FabricPngSize expected;
    } cases[] = {
        {100, 100, false, 20, 10, {100, 100, 100, 200}}, // fewer picks per unit: taller
        {100, 101, true, 25, 25, {100, 100, 100, 100}},  // compression drops the odd pick
        {100, 60, false, 10, 15, {100, 60, 150, 60}},    // fewer ends per unit: wider
        {33, 33, false, 3, 2, {33, 33, 33, 50}},         // 49.5 rounds up
    };
    for (const Case& c : cases) {
        const FabricPngSize s = FabricPngSizes(c.ends, c.picks, c.compression, c.epi, c.ppi);
        EXPECT_EQ(s.bitmapW, c.expected.bitmapW);
        EXPECT_EQ(s.bitmapH, c.expected.bitmapH);
        EXPECT_EQ(s.pngW, c.expected.pngW);
        EXPECT_EQ(s.pngH, c.expected.pngH);
    }
}

TEST(FabricPng, WritesTheStretchedClothThroughThePainter) {
    auto d = test::MakeSampleDraft();
    d->Epi = 20;
    d->Ppi = 10;
    d->ThreadingFromRight = true;
    EXPECT_FALSE(MakeFabricPng(*d, 100, 100, {}).ok);
    const ExportResult r = MakeFabricPng(*d, 100, 100, test::CrossingPainter());
    ASSERT_TRUE(r.ok);
    const QImage png = Decode(r.bytes);
    ASSERT_EQ(png.size(), QSize(100, 200));
    // End 1 at the right, pick 1 at the bottom (two rows after the stretch).
    const uint8_t c = WarpOnTop(*d, 1, 1) ? d->WarpColors[1] : d->WeftColors[1];
    EXPECT_EQ(Px(png, 99, 199), ToRgb(d->Palette[c]));
    EXPECT_EQ(Px(png, 99, 198), ToRgb(d->Palette[c]));

    std::vector<FabricSpan> calls;
    d->FabricCompression = true;
    d->Epi = d->Ppi;
    const ExportResult compressed = MakeFabricPng(*d, 40, 101, test::CrossingPainter(&calls));
    ASSERT_TRUE(compressed.ok);
    EXPECT_EQ(Decode(compressed.bytes).size(), QSize(40, 100));
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].Picks(), 100);
    EXPECT_EQ(calls[0].cellH, 2);
}

TEST(FabricPng, StartValues) {
    auto d = EmptyDraft();
    FabricPngStart s = FabricPngStartValues(*d);
    EXPECT_FALSE(s.ok);
    EXPECT_EQ(s.notice.text, "@nopattern");
    for (int e = 1; e <= 10; ++e) d->ThreadingA[e] = 1;
    EXPECT_FALSE(FabricPngStartValues(*d).ok); // no pick yet
    for (int p = 1; p <= 90; ++p) d->TreadlingA[p] = 1;
    s = FabricPngStartValues(*d);
    ASSERT_TRUE(s.ok);
    EXPECT_EQ(s.ends, 10);
    EXPECT_EQ(s.endLimits.min, 10);
    EXPECT_EQ(s.pickLimits.min, 16);
    EXPECT_EQ(s.pickLimits.max, 90);
}

TEST(PngWriter, EncodesRowsAndStretches) {
    QImage image(3, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(1, 0, qRgb(0, 255, 0));
    image.setPixel(2, 0, qRgb(0, 0, 255));
    image.setPixel(0, 1, qRgb(1, 2, 3));
    image.setPixel(1, 1, qRgb(200, 100, 50));
    image.setPixel(2, 1, qRgb(255, 255, 255));
    PngResult png = EncodePng(image);
    ASSERT_TRUE(png.ok);
    QImage back = Decode(png.bytes);
    ASSERT_EQ(back.size(), image.size());
    EXPECT_FALSE(back.hasAlphaChannel());
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) EXPECT_EQ(Px(back, x, y), Px(image, x, y)) << x << "," << y;
    png = EncodePng(image, 6, 4);
    back = Decode(png.bytes);
    ASSERT_EQ(back.size(), QSize(6, 4));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) EXPECT_EQ(Px(back, x, y), Px(image, x / 2, y / 2));
    EXPECT_FALSE(EncodePng(QImage()).ok);
}

TEST(DrawdownBmp, RefusalStartValuesAndOrientation) {
    auto d = EmptyDraft();
    d->ThreadingA[1] = 1;
    d->TreadlingA[1] = 1;
    d->TreadlingA[2] = 2;
    DrawdownBmpStart s = DrawdownBmpStartValues(*d);
    EXPECT_FALSE(s.ok); // one used end only
    EXPECT_EQ(s.notice.text, "@nopattern");

    // A straight pattern threading on 4 shafts and a 3-pick liftplan repeat.
    d = EmptyDraft();
    d->Ends = d->Picks = 24;
    for (int e = 1; e <= 24; ++e) d->PatternThreading[e] = static_cast<uint8_t>((e - 1) % 4 + 1);
    for (int p = 1; p <= 24; ++p) d->SetLiftplan(p, (p - 1) % 3 + 1, true);
    s = DrawdownBmpStartValues(*d);
    ASSERT_TRUE(s.ok);
    EXPECT_EQ(s.ends, 4);
    EXPECT_EQ(s.picks, 3);
    EXPECT_EQ(s.endLimits.max, 24);
    const QImage bitmap = DrawdownBitmap(*d, 8, 6);
    for (int p = 1; p <= 6; ++p)
        for (int e = 1; e <= 8; ++e)
            EXPECT_EQ(Px(bitmap, 8 - e, 6 - p),
                      WarpOnTop(*d, p, e) ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    const ExportResult r = MakeDrawdownBmp(*d, 8, 6);
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(r.bytes.startsWith("BM"));
    EXPECT_FALSE(MakeDrawdownBmp(*d, 1, 6).ok);
}

TEST(DraftPng, SizeNumbersAndGrid) {
    auto d = test::MakeSampleDraft();
    ExportMemory memory;
    DraftPngChoice c = DraftPngStart(*d, 30, 20, memory);
    EXPECT_EQ(c.pixelsPerEnd, 10);
    EXPECT_FALSE(c.grayGrid);
    c.range = {1, 30, 1, 20};
    c.pixelsPerEnd = 5;
    EXPECT_EQ(DraftPngSize(*d, c), QSize(45 * 5 + 1, 35 * 5 + 1));
    ExportResult r = MakeDraftPng(*d, c);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(Decode(r.bytes).size(), QSize(226, 176));
    EXPECT_TRUE(r.messages.empty());

    // Numbers in too small a grid: the notice, and the marks are filled instead.
    c.numbers = true;
    r = MakeDraftPng(*d, c);
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0].text, "@nonumbers");

    // In a large grid a threading mark holds its number: black and white pixels.
    c.pixelsPerEnd = 16;
    c.grayGrid = true;
    const QImage image = DraftPngImage(*d, c);
    const DraftPicture picture(*d, c.range, 16, 16);
    const DraftLayout& l = picture.layout();
    const PixelRect mark = l.InteriorRect(l.EndColumn(1), l.ShaftRow(ViewArea::ThreadingA, 1));
    int dark = 0, light = 0;
    for (int y = mark.y; y < mark.bottom(); ++y)
        for (int x = mark.x; x < mark.right(); ++x)
            (qGray(image.pixel(x, y)) < 128 ? dark : light)++;
    EXPECT_GT(dark, 3);
    EXPECT_GT(light, dark);
    EXPECT_EQ(Px(image, mark.x - 1, mark.y + 3), qRgb(128, 128, 128)); // the grey grid

    RememberDraftPng(memory, c);
    EXPECT_EQ(DraftPngStart(*d, 30, 20, memory).pixelsPerEnd, 16);
    EXPECT_TRUE(DraftPngStart(*d, 30, 20, memory).grayGrid);
    c.range = {1, 0, 1, 0};
    EXPECT_FALSE(MakeDraftPng(*d, c).ok);
    d->DesignMode = true;
    EXPECT_FALSE(DraftPngAvailable(*d));
}

TEST(ImageExport, NamesFoldersAndUnwritableFiles) {
    EXPECT_EQ(ProposedExportName("/home/w/drafts/rose path.v2.hdx", ".png").toStdString(),
              "rose path.v2.png");
    EXPECT_EQ(ProposedExportName("", ".bmp"), QString());
    ExportMemory memory;
    EXPECT_EQ(FabricPngFolder(memory, "/open").toStdString(), "/open");
    RememberPngFile(memory, "/pictures/cloth.png");
    EXPECT_EQ(FabricPngFolder(memory, "/open").toStdString(), "/pictures");
    EXPECT_EQ(PngFilter().toStdString(), "PNG Image (*.png);;Any file (*.*)");
    EXPECT_EQ(NumbersDialogTitle("Save &Fabric as PNG-image...").toStdString(),
              "Save Fabric as PNG-image...");

    QTemporaryDir dir;
    const QString path = dir.filePath("missing/cloth.png");
    const SaveResult saved =
        SaveFileAtomically(path, EncodePng(QImage(4, 4, QImage::Format_RGB32)).bytes);
    EXPECT_FALSE(saved.ok);
    EXPECT_NE(saved.error.suffix.find("missing/cloth.png: "), std::string::npos);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}
