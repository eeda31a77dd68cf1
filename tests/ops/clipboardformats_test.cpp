// The public clipboard forms: the cell picture as an image (ours and any other
// program's) and the colour list text.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QString>
#include <cstring>

#include "ops/clipboardformats.h"

using namespace hm;

namespace {

ClipboardCellPicture Picture(const std::vector<const char*>& rows) {
    ClipboardCellPicture p(static_cast<int>(std::strlen(rows[0])), static_cast<int>(rows.size()));
    for (size_t y = 0; y < rows.size(); ++y)
        for (int x = 0; rows[y][x]; ++x) p.set(x, static_cast<int>(y), rows[y][x] == '#');
    return p;
}

std::vector<int> Ints(const std::vector<uint8_t>& v) {
    return {v.begin(), v.end()};
}

} // namespace

TEST(ClipboardPicture, GoesOutBlackOnWhiteAndComesBackTheSame) {
    const ClipboardCellPicture p = Picture({"#..#", ".##.", "...."});
    const QImage image = PictureToImage(p);
    ASSERT_EQ(image.size(), QSize(4, 3));
    EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFF, 0x000000u);
    EXPECT_EQ(image.pixel(1, 0) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(PictureFromImage(image), p);
    // Saved and read as another program would, it keeps every cell.
    QImage reread;
    {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(image.save(&buffer, "PNG"));
        ASSERT_TRUE(reread.loadFromData(png, "PNG"));
    }
    EXPECT_EQ(PictureFromImage(reread), p);
    EXPECT_TRUE(PictureToImage(ClipboardCellPicture()).isNull());
}

TEST(ClipboardPicture, EveryPixelThatIsNotPureWhiteIsSetInAnyFormat) {
    // Pixels from left to right: pure white, near white, red, transparent black,
    // half-transparent white, grey.
    QImage argb(6, 1, QImage::Format_ARGB32);
    argb.setPixel(0, 0, qRgba(255, 255, 255, 255));
    argb.setPixel(1, 0, qRgba(255, 255, 254, 255));
    argb.setPixel(2, 0, qRgba(255, 0, 0, 255));
    argb.setPixel(3, 0, qRgba(0, 0, 0, 0));
    argb.setPixel(4, 0, qRgba(255, 255, 255, 128));
    argb.setPixel(5, 0, qRgba(128, 128, 128, 255));
    const ClipboardCellPicture expected = Picture({".##..#"});
    for (QImage::Format f : {QImage::Format_ARGB32, QImage::Format_ARGB32_Premultiplied,
                             QImage::Format_RGBA8888, QImage::Format_RGBA64}) {
        EXPECT_EQ(PictureFromImage(argb.convertToFormat(f)), expected) << f;
    }
    // Without alpha the transparent pixel is black.
    for (QImage::Format f : {QImage::Format_RGB32, QImage::Format_RGB888})
        EXPECT_EQ(PictureFromImage(argb.convertToFormat(f)), Picture({".###.#"})) << f;
    QImage indexed(3, 1, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 200)});
    indexed.setPixel(0, 0, 1);
    indexed.setPixel(1, 0, 0);
    indexed.setPixel(2, 0, 1);
    EXPECT_EQ(PictureFromImage(indexed), Picture({"#.#"}));
    QImage mono(3, 2, QImage::Format_Mono);
    mono.fill(1); // colour 1 of the default table: white
    mono.setPixel(1, 1, 0);
    EXPECT_EQ(PictureFromImage(mono), Picture({"...", ".#."}));
    QImage grey(2, 1, QImage::Format_Grayscale8);
    grey.setPixel(0, 0, qRgb(255, 255, 255));
    grey.setPixel(1, 0, qRgb(250, 250, 250));
    EXPECT_EQ(PictureFromImage(grey), Picture({".#"}));
}

TEST(ClipboardPicture, SizesFromEmptyToHugeAreReadOnlyAsFarAsWanted) {
    EXPECT_TRUE(PictureFromImage(QImage()).empty());
    QImage wide(9000, 3, QImage::Format_RGB32);
    wide.fill(Qt::black);
    const ClipboardCellPicture p = PictureFromImage(wide);
    EXPECT_EQ(p.width(), MaxPictureExtent);
    EXPECT_EQ(p.height(), 3);
    EXPECT_TRUE(p.at(MaxPictureExtent - 1, 2));
    const ClipboardCellPicture cut = PictureFromImage(wide, 5, 2);
    EXPECT_EQ(cut.width(), 5);
    EXPECT_EQ(cut.height(), 2);
    EXPECT_TRUE(PictureFromImage(wide, 0, 10).empty());
    EXPECT_TRUE(PictureFromImage(wide, -3, -3).empty());
    // Strips of a tall picture are read whole.
    QImage tall(1, 600, QImage::Format_RGB32);
    tall.fill(Qt::white);
    tall.setPixel(0, 599, qRgb(0, 0, 0));
    EXPECT_TRUE(PictureFromImage(tall).at(0, 599));
    EXPECT_FALSE(PictureFromImage(tall).at(0, 598));
}

TEST(ClipboardPicture, ThreadValuesAreTheFirstSetColumnPlusOneWithinTheGroup) {
    const ClipboardCellPicture p = PictureFromThreadValues({0, 1, 4, 2, 7}, 4);
    EXPECT_EQ(p.width(), 4);
    EXPECT_EQ(p.height(), 5);
    EXPECT_EQ(p, Picture({"....", "#...", "...#", ".#..", "...."}));
    EXPECT_EQ(Ints(ThreadValuesFromPicture(p, 4)), (std::vector<int>{0, 1, 4, 2, 0}));
    // Several set pixels: the leftmost counts; beyond a smaller group: 0.
    const ClipboardCellPicture q = Picture({".#.#", "...#", "#..."});
    EXPECT_EQ(Ints(ThreadValuesFromPicture(q, 4)), (std::vector<int>{2, 4, 1}));
    EXPECT_EQ(Ints(ThreadValuesFromPicture(q, 2)), (std::vector<int>{2, 0, 1}));
    EXPECT_EQ(Ints(ThreadValuesFromPicture(q, 4, 2)), (std::vector<int>{2, 4}));
    EXPECT_TRUE(ThreadValuesFromPicture(ClipboardCellPicture(), 4).empty());
}

TEST(ClipboardColorList, TextRoundTripAndLineBreaks) {
    const ClipboardColorList colors{0, 7, 255, 12};
    const QString text = ColorListToText(colors);
    EXPECT_EQ(text, QStringLiteral("HDMCLIPC\n0\n7\n255\n12\n"));
    EXPECT_EQ(ColorListFromText(text), colors);
    EXPECT_EQ(ColorListFromText(QStringLiteral("HDMCLIPC\r\n3\r\n4\r\n")),
              (ClipboardColorList{3, 4}));
    EXPECT_EQ(ColorListFromText(QStringLiteral("HDMCLIPC\r3\r4")), (ClipboardColorList{3, 4}));
    EXPECT_EQ(ColorListFromText(QStringLiteral("HDMCLIPC")), ClipboardColorList{});
    EXPECT_EQ(ColorListFromText(QStringLiteral("HDMCLIPC\n")), ClipboardColorList{});
    EXPECT_EQ(ColorListFromText(QStringLiteral("HDMCLIPC\n\n")), ClipboardColorList{0});
    EXPECT_EQ(ColorListFromText(text, 2), (ClipboardColorList{0, 7}));
}

TEST(ClipboardColorList, AWrongFirstLineIsRefused) {
    for (const char* text : {"HDMCLIPC \n1", " HDMCLIPC\n1", "hdmclipc\n1", "HDMCLIP\n1", "",
                             "\nHDMCLIPC\n1", "1\n2\n3"})
        EXPECT_FALSE(ColorListFromText(QString::fromLatin1(text)).has_value()) << text;
}

TEST(ClipboardColorList, ALineThatIsNotAnIndexGivesZero) {
    const struct {
        const char* line;
        int value;
    } cases[] = {
        {"17", 17},  {" 17 ", 17}, {"+5", 5},  {"0", 0},   {"255", 255},
        {"256", 0},  {"-1", 0},    {"abc", 0}, {"1.5", 0}, {"99999999999999", 0},
        {"0x10", 0}, {"12a", 0},   {"٣", 0},
    };
    for (const auto& c : cases) {
        const auto list =
            ColorListFromText(QStringLiteral("HDMCLIPC\n") + QString::fromUtf8(c.line));
        ASSERT_TRUE(list.has_value()) << c.line;
        ASSERT_EQ(list->size(), 1u) << c.line;
        EXPECT_EQ(list->front(), c.value) << c.line;
    }
}
