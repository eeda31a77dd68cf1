// The .hdb design file and BMP pictures as design pictures.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>

#include "files/designfile.h"
#include "filetestsupport.h"

using namespace hm;
using namespace hmtest;

namespace {

ReadResult ReadDesign(Draft& d, const Bytes& f) {
    QByteArray data = f.q();
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    ReadResult r;
    ReadDesignData(d, buffer, r);
    return r;
}

} // namespace

TEST(DesignFile, CompanionNames) {
    EXPECT_EQ(CompanionDesignFile("/a/b/Rose.hdm", PatternFormat::Hdm), "/a/b/Rose.hdb");
    EXPECT_EQ(CompanionBitmap("/a/b/Rose.hdm", PatternFormat::Hdm), "/a/b/Rose.bmp");
    EXPECT_EQ(CompanionDesignFile("/a/b.c/Rose.hdx", PatternFormat::Hdx), "/a/b.c/Rose_cd.hdb");
    EXPECT_EQ(CompanionBitmap("/a/b/Rose.hdx", PatternFormat::Hdx), "/a/b/Rose cd.bmp");
    EXPECT_EQ(CompanionDesignFile("/a/b/Rose", PatternFormat::Hdx), "/a/b/Rose_cd.hdb");
}

TEST(DesignFile, ReadsRowsWithinTheCapacity) {
    // L + 1 = 302 bytes per row (two beyond the 300 kept), 2401 rows (one beyond).
    Bytes f;
    f.bs({'H', 'M'}).fill(8, 0).u16(301).u16(2401).fill(114, 0);
    for (int r = 1; r <= 2401; ++r) {
        f.b(r % 2 ? 0x05 : 0x00).fill(298, 0).b(0x80).bs({0xFF, 0xFF});
    }
    Draft d;
    const ReadResult r = ReadDesign(d, f);
    EXPECT_TRUE(r.messages.empty());
    EXPECT_TRUE(d.GetDesignCell(1, 1) && d.GetDesignCell(1, 3) && !d.GetDesignCell(1, 2));
    EXPECT_FALSE(d.GetDesignCell(2, 1));
    EXPECT_TRUE(d.GetDesignCell(2400, 2400));
}

TEST(DesignFile, WrongSignatureIsReportedAndReadingGoesOn) {
    Bytes f;
    f.bs({'X', 'M'}).fill(8, 0).u16(0).u16(1).fill(114, 0).b(0x02);
    Draft d;
    const ReadResult r = ReadDesign(d, f);
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0].text, "Incorrect file signature.");
    EXPECT_TRUE(d.GetDesignCell(1, 2));
}

TEST(DesignFile, MissingFilesChangeNothing) {
    TempFolder dir;
    Draft d;
    d.SetDesignCell(3, 3, true);
    ReadResult r;
    ReadDesignFile(d, dir.Path("none.hdb"), r);
    ReadDesignBitmap(d, dir.Path("none.bmp"), false, r);
    EXPECT_TRUE(r.messages.empty());
    EXPECT_TRUE(d.GetDesignCell(3, 3));
    EXPECT_FALSE(d.DesignMode);
}

namespace {

// A 4 x 3 picture with one black pixel at (x, y) and one grey pixel at (3, 2).
QByteArray Picture(int x, int y) {
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setPixel(x, y, qRgb(0, 0, 0));
    image.setPixel(3, 2, qRgb(254, 255, 255));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

} // namespace

TEST(DesignBitmap, OrientationAndColours) {
    const QByteArray bmp = Picture(0, 0);
    struct Case {
        bool companion, fromRight, fromBottom;
        int blackPick, blackEnd, greyPick, greyEnd;
    };
    const Case cases[] = {
        {true, false, false, 3, 4, 1, 1},  // a companion reverses both axes
        {false, false, false, 1, 1, 3, 4}, // opened directly, from left and top
        {false, true, false, 1, 4, 3, 1},
        {false, false, true, 3, 1, 1, 4},
    };
    for (const Case& c : cases) {
        Draft d;
        d.ThreadingFromRight = c.fromRight;
        d.LiftplanFromBottom = c.fromBottom;
        d.SetDesignCell(100, 100, true); // cleared: outside the picture
        ReadResult r;
        ReadDesignBitmapData(d, bmp, c.companion, r);
        EXPECT_TRUE(r.messages.empty());
        int set = 0;
        for (int i = 1; i <= 5; ++i)
            for (int j = 1; j <= 5; ++j) set += d.GetDesignCell(i, j);
        EXPECT_EQ(set, 2);
        EXPECT_TRUE(d.GetDesignCell(c.blackPick, c.blackEnd));
        EXPECT_TRUE(d.GetDesignCell(c.greyPick, c.greyEnd)); // any colour but pure white
        EXPECT_FALSE(d.GetDesignCell(100, 100));
        EXPECT_TRUE(d.DesignMode);
        EXPECT_TRUE(r.designModeChanged);
        EXPECT_TRUE(r.forgetCurrentFile);
    }
}

TEST(DesignBitmap, NotAPictureIsAnErrorAndChangesNothing) {
    Draft d;
    d.SetDesignCell(1, 1, true);
    ReadResult r;
    ReadDesignBitmapData(d, QByteArray("BM not really a bitmap"), false, r);
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0].kind, MessageKind::Error);
    EXPECT_TRUE(d.GetDesignCell(1, 1));
    EXPECT_FALSE(d.DesignMode);
}
