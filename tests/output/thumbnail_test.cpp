// Thumbnails: their size, the cloth or the drawdown they show, sharp cells when
// enlarged and a faithful average when much reduced.
#include <gtest/gtest.h>

#include <cstdlib>

#include "output/drawdownbmp.h"
#include "output/fabrichook.h"
#include "output/fabricpng.h"
#include "output/thumbnail.h"
#include "view/sampledraft.h"

using namespace hm;

namespace {

// The mean difference per colour channel of two pictures of one size.
double MeanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * a.width() * a.height());
}

// The whole cloth painted and reduced by plain averaging, as a reference.
QImage AveragedCloth(const Draft& d, int ends, int picks, QSize size) {
    return FabricBitmap(d, ends, picks, OutputFabricPainter())
        .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

} // namespace

TEST(Thumbnail, SizeKeepsTheProportionsWithTheLargerSideAsAsked) {
    struct Case {
        int w, h, side;
        QSize expected;
    } cases[] = {
        {200, 100, 128, {128, 64}},
        {100, 300, 90, {30, 90}},
        {4800, 2, 64, {64, 1}},
        {0, 5, 10, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ThumbnailSize(c.w, c.h, c.side), c.expected) << c.w << "x" << c.h;
}

TEST(Thumbnail, OnlyDefaultOrSingleColouredClothCountsAsWithoutColours) {
    auto fresh = std::make_unique<Draft>();
    struct Case {
        const char* name;
        void (*change)(Draft&);
        bool colours;
    } cases[] = {
        {"default colours", [](Draft&) {}, false},
        {"sinking shed defaults",
         [](Draft& d) {
             d.SinkingShed = true;
             d.ClearWarpColors(1);
             d.ClearWeftColors(1);
         },
         false},
        {"one end recoloured", [](Draft& d) { d.WarpColors[7] = 3; }, true},
        {"a recoloured end beyond the extent", [](Draft& d) { d.WarpColors[41] = 3; }, false},
        {"the default warp colour redefined",
         [](Draft& d) { d.Palette[d.DefaultWarpColor()] = MakeColor(0, 0, 200); }, true},
        {"warp and weft in one other colour",
         [](Draft& d) {
             d.WarpColors.FillFrom(1, 9);
             d.WeftColors.FillFrom(1, 9);
         },
         false},
        {"two indices of one colour",
         [](Draft& d) {
             d.WarpColors.FillFrom(1, 14); // 14 and 15 are both white
             d.WeftColors.FillFrom(1, 15);
         },
         false},
    };
    for (const Case& c : cases) {
        Draft d = *fresh;
        c.change(d);
        EXPECT_EQ(ClothHasColours(d, 40, 30), c.colours) << c.name;
    }
}

TEST(Thumbnail, SmallClothIsEnlargedWithSharpCells) {
    auto d = test::MakeSampleDraft();
    d->Ends = 30;
    d->Picks = 20;
    d->Epi = d->Ppi = 25;
    const Thumbnail t = MakeThumbnail(*d, 90);
    const QImage cells = FabricBitmap(*d, 30, 20, OutputFabricPainter())
                             .scaled(90, 60, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                             .convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(t.image, cells);
    // The cloth's proportions: twice as many ends as picks per centimetre
    // make each end half as wide as a pick is high.
    d->Epi = 50;
    EXPECT_EQ(MakeThumbnail(*d, 90).image.size(), QSize(68, 90));
}

TEST(Thumbnail, DraftWithoutColoursShowsItsDrawdownInBlackAndWhite) {
    auto d = test::MakeSampleDraft();
    d->Ends = 40;
    d->Picks = 30;
    d->Epi = 10; // the drawdown has square cells whatever the cloth's proportions
    d->FabricCompression = true;
    d->Palette = Draft().Palette;
    d->WarpColors.FillFrom(1, d->DefaultWarpColor());
    d->WeftColors.FillFrom(1, d->DefaultWeftColor());
    const Thumbnail t = MakeThumbnail(*d, 120);
    ASSERT_EQ(t.image.size(), QSize(120, 90));
    const QImage drawdown = DrawdownBitmap(*d, 40, 30)
                                .scaled(120, 90, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                                .convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(t.image, drawdown);
}

TEST(Thumbnail, LargeClothIsReducedFaithfully) {
    auto d = test::MakeSampleDraft();
    d->Ends = 2400;
    d->Picks = 1800;
    d->Epi = d->Ppi = 20;
    // Blocks that show the orientation: a band of ends near end 1, of picks
    // near pick 1.
    for (int e = 1; e <= 500; ++e) d->WarpColors[e] = 20;
    for (int p = 1; p <= 300; ++p) d->WeftColors[p] = 10;
    for (const bool compression : {false, true})
        for (const int side : {160, 64}) {
            d->FabricCompression = compression;
            const Thumbnail t = MakeThumbnail(*d, side);
            const QSize size(side, side * 3 / 4);
            ASSERT_EQ(t.image.size(), size);
            const QImage reference = AveragedCloth(*d, 2400, 1800, size);
            // Close pixel by pixel, and closer still over areas of a few pixels.
            const QSize areas(size.width() / 8, size.height() / 8);
            auto coarse = [&](const QImage& image) {
                return image.scaled(areas, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            };
            EXPECT_LT(MeanDifference(t.image, reference), 8.0) << compression << " " << side;
            EXPECT_LT(MeanDifference(coarse(t.image), coarse(reference)), 2.0)
                << compression << " " << side;
        }
}

TEST(Thumbnail, ReducedPlainWeaveMixesWarpAndWeft) {
    // Sampling every other thread would show one colour only.
    Draft d;
    d.ClearDraft();
    d.Ends = d.Picks = 2400;
    d.PatternThreadingOn = d.ThreadingBOn = d.TreadlingBOn = false;
    d.ShaftsA = d.TreadlesA = 2;
    for (int i = 1; i <= 2400; ++i) {
        d.ThreadingA[i] = static_cast<uint8_t>(2 - i % 2);
        d.TreadlingA[i] = static_cast<uint8_t>(2 - i % 2);
    }
    d.TieupAA(1, 1) = d.TieupAA(2, 2) = TieGround;
    d.Palette[2] = MakeColor(200, 0, 0);
    d.Palette[4] = MakeColor(0, 0, 200);
    d.WarpColors.FillFrom(1, 2);
    d.WeftColors.FillFrom(1, 4);
    for (const int side : {150, 64}) {
        const QImage image = MakeThumbnail(d, side).image;
        ASSERT_EQ(image.size(), QSize(side, side));
        int worst = 0;
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x) {
                const QRgb p = image.pixel(x, y);
                worst =
                    std::max({worst, std::abs(qRed(p) - 100), qGreen(p), std::abs(qBlue(p) - 100)});
            }
        EXPECT_LE(worst, 12) << "size " << side;
    }
}

TEST(Thumbnail, DesignModeShowsThePictureAndNothingUsedShowsNothing) {
    // The picture, not the liftplan left from before, decides: its lower half
    // raises every pattern shaft, its upper half only that of the last end.
    auto d = test::MakeSampleDraft();
    d->Ends = d->Picks = 48;
    d->DesignMode = true;
    d->ClearLiftplan(1);
    for (int p = 1; p <= 48; ++p)
        for (int e = 1; e <= 48; ++e) d->SetDesignCell(p, e, p <= 24 || e == 48);
    const Thumbnail t = MakeThumbnail(*d, 48);
    ASSERT_EQ(t.image.size(), QSize(48, 48));
    EXPECT_GT(MeanDifference(t.image.copy(0, 0, 48, 24), t.image.copy(0, 24, 48, 24)), 20.0);

    auto empty = std::make_unique<Draft>();
    empty->ClearDraft();
    const Thumbnail none = MakeThumbnail(*empty, 64);
    EXPECT_TRUE(none.image.isNull());
    ASSERT_EQ(none.messages.size(), 1u);
    EXPECT_EQ(none.messages[0].text, "@nopattern");
}
