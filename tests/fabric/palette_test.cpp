// Palette grids and the edits of single palette entries.
#include <gtest/gtest.h>

#include "fabric/paletteedit.h"
#include "fabric/palettegrid.h"
#include "model/draft.h"

using namespace hm;

namespace {

std::array<int, 3> Rgb(const Draft& d, int i) {
    const auto& c = d.PaletteRGB[static_cast<size_t>(i)];
    return {c[0], c[1], c[2]};
}

// Every entry's Palette colour matches its R, G, B bytes.
void ExpectInStep(const Draft& d) {
    for (int i = 0; i < PaletteEntries; ++i) {
        const auto rgb = Rgb(d, i);
        ASSERT_EQ(d.Palette[static_cast<size_t>(i)], MakeColor(rgb[0], rgb[1], rgb[2])) << i;
    }
}

} // namespace

TEST(PaletteGrid, SizesCellsAndStepping) {
    struct Case {
        int size, colours, columns, cell, next;
    };
    for (const Case& c : {Case{0, 16, 4, 24, 1}, Case{1, 64, 8, 20, 2}, Case{2, 256, 16, 16, 0},
                          Case{7, 64, 8, 20, 2}}) {
        SCOPED_TRACE(c.size);
        const PaletteGrid g = PaletteWindowGrid(c.size);
        EXPECT_EQ(ShownColours(c.size), c.colours);
        EXPECT_EQ(g.Count(), c.colours);
        EXPECT_EQ(g.columns, c.columns);
        EXPECT_EQ(g.cellPixels, c.cell);
        EXPECT_EQ(g.PixelSize(), QSize(c.columns * c.cell, c.columns * c.cell));
        EXPECT_EQ(NextPaletteSize(c.size), c.next);
    }
}

TEST(PaletteGrid, ClicksFindTheirCell) {
    const PaletteGrid g = PaletteWindowGrid(PaletteSize64); // 8 x 8 cells of 20
    struct Case {
        QPoint p;
        int index;
    };
    for (const Case& c :
         {Case{{0, 0}, 0}, Case{{19, 19}, 0}, Case{{20, 0}, 1}, Case{{159, 0}, 7}, Case{{0, 20}, 8},
          Case{{159, 159}, 63}, Case{{160, 10}, -1}, Case{{10, 160}, -1}, Case{{-1, 5}, -1}}) {
        EXPECT_EQ(g.IndexAt(c.p), c.index) << c.p.x() << "," << c.p.y();
        if (c.index >= 0) {
            EXPECT_TRUE(g.CellRect(c.index).contains(c.p));
        }
    }
    EXPECT_TRUE(g.CellRect(64).isEmpty());
    EXPECT_EQ(FitPaletteGrid(PaletteSize256, QSize(200, 170)).cellPixels, 10);
}

TEST(PaletteEdit, SetSwitchAndCopyKeepBothFormsInStep) {
    Draft d;
    d.WarpColors[1] = 6;
    EXPECT_TRUE(SetPaletteColour(d, 200, MakeColor(1, 2, 3)));
    EXPECT_FALSE(SetPaletteColour(d, 200, MakeColor(1, 2, 3)));
    EXPECT_FALSE(SetPaletteColour(d, 256, 0));
    EXPECT_EQ(PaletteEntryRgb(d, 200), qRgb(1, 2, 3));
    EXPECT_EQ(PaletteColourFromRgb(qRgb(1, 2, 3)), MakeColor(1, 2, 3));
    const auto six = Rgb(d, 6), two = Rgb(d, 200);
    EXPECT_EQ(two, (std::array<int, 3>{1, 2, 3}));
    EXPECT_TRUE(SwitchPaletteEntries(d, 6, 200));
    EXPECT_EQ(Rgb(d, 6), two);
    EXPECT_EQ(Rgb(d, 200), six);
    EXPECT_EQ(d.WarpColors[1], 6); // the yarn keeps its index
    EXPECT_FALSE(SwitchPaletteEntries(d, 3, 3));
    EXPECT_FALSE(SwitchPaletteEntries(d, 14, 15)); // both white
    EXPECT_TRUE(CopyPaletteEntry(d, 6, 100));
    EXPECT_EQ(Rgb(d, 100), two);
    EXPECT_EQ(Rgb(d, 6), two);
    EXPECT_FALSE(CopyPaletteEntry(d, 7, 7));
    ExpectInStep(d);
}

TEST(PaletteEdit, BlendRoundsHalvesToEven) {
    struct Case {
        std::array<int, 3> lo, hi;
        int i, j;
        std::vector<std::array<int, 3>> between;
    };
    const std::vector<Case> cases = {
        {{0, 0, 0}, {200, 100, 0}, 0, 4, {{50, 25, 0}, {100, 50, 0}, {150, 75, 0}}},
        {{0, 0, 0}, {200, 100, 0}, 4, 0, {{50, 25, 0}, {100, 50, 0}, {150, 75, 0}}},
        // 1/2 -> 0 and 3/2 -> 2: halves go to the even neighbour, both ways.
        {{10, 10, 10}, {11, 13, 7}, 20, 22, {{10, 12, 8}}},
        {{0, 255, 0}, {255, 0, 255}, 30, 33, {{85, 170, 85}, {170, 85, 170}}},
    };
    for (const Case& c : cases) {
        Draft d;
        const int lo = std::min(c.i, c.j), hi = std::max(c.i, c.j);
        SetPaletteColour(d, lo, MakeColor(c.lo[0], c.lo[1], c.lo[2]));
        SetPaletteColour(d, hi, MakeColor(c.hi[0], c.hi[1], c.hi[2]));
        EXPECT_TRUE(BlendPaletteEntries(d, c.i, c.j));
        for (size_t k = 0; k < c.between.size(); ++k)
            EXPECT_EQ(Rgb(d, lo + 1 + static_cast<int>(k)), c.between[k]) << lo << " +" << k + 1;
        EXPECT_EQ(Rgb(d, hi), c.hi);
        ExpectInStep(d);
    }
    Draft d;
    const Draft before = d;
    EXPECT_FALSE(BlendPaletteEntries(d, 5, 6));
    EXPECT_FALSE(BlendPaletteEntries(d, 6, 6));
    EXPECT_EQ(d.PaletteRGB, before.PaletteRGB);
}

TEST(PaletteEdit, RowButtonsWorkOnGridRows) {
    // 64 colours: rows of 8; 256 colours: rows of 16; 16 colours: no buttons.
    for (int size : {PaletteSize64, PaletteSize256}) {
        SCOPED_TRACE(size);
        const int width = PaletteGridColumns(size);
        Draft d;
        for (int i = 0; i < PaletteEntries; ++i) SetPaletteColour(d, i, MakeColor(i, 0, 0));
        EXPECT_TRUE(ExchangePaletteRows(d, size, 3));
        for (int c = 0; c < width; ++c) {
            EXPECT_EQ(Rgb(d, c)[0], 3 * width + c);
            EXPECT_EQ(Rgb(d, 3 * width + c)[0], c);
        }
        EXPECT_EQ(Rgb(d, width)[0], width); // row 1 untouched
        EXPECT_TRUE(CopyTopPaletteRow(d, size, 7));
        for (int c = 0; c < width; ++c) EXPECT_EQ(Rgb(d, 7 * width + c), Rgb(d, c));
        EXPECT_FALSE(ExchangePaletteRows(d, size, 0));
        EXPECT_FALSE(CopyTopPaletteRow(d, size, 8));
        ExpectInStep(d);
    }
    Draft d;
    EXPECT_FALSE(PaletteRowButtonsShown(PaletteSize16));
    EXPECT_FALSE(ExchangePaletteRows(d, PaletteSize16, 1));
    EXPECT_FALSE(CopyTopRowQuestion(true).has_value());
    ASSERT_TRUE(CopyTopRowQuestion(false).has_value());
    EXPECT_EQ(CopyTopRowQuestion(false)->text, "@kopiertop");
    EXPECT_EQ(CopyTopRowQuestion(false)->kind, MessageKind::Confirmation);
}
