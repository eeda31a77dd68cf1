// Moving the yarns in use to the top of the palette and clearing the others.
#include <gtest/gtest.h>

#include <set>

#include "fabric/paletteyarns.h"
#include "model/drawdown.h"

using namespace hm;

namespace {

// A 2/2 twill on four shafts over `ends` x `picks`, every end and pick
// coloured from `colours` in turn.
Draft Twill(int ends, int picks, std::vector<uint8_t> warp, std::vector<uint8_t> weft) {
    Draft d;
    d.PatternThreadingOn = false;
    for (int s = 1; s <= 4; ++s) {
        d.TieupAA(s, s) = 1;
        d.TieupAA(s, s % 4 + 1) = 1;
    }
    for (int e = 1; e <= ends; ++e) {
        d.ThreadingA[e] = static_cast<uint8_t>((e - 1) % 4 + 1);
        d.WarpColors[e] = warp[static_cast<size_t>(e - 1) % warp.size()];
    }
    for (int p = 1; p <= picks; ++p) {
        d.TreadlingA[p] = static_cast<uint8_t>((p - 1) % 4 + 1);
        d.WeftColors[p] = weft[static_cast<size_t>(p - 1) % weft.size()];
    }
    // Distinct colours everywhere, so that a wrong exchange shows.
    for (int i = 0; i < PaletteEntries; ++i) {
        d.PaletteRGB[static_cast<size_t>(i)] = {
            static_cast<uint8_t>(i), static_cast<uint8_t>(i * 7), static_cast<uint8_t>(255 - i)};
    }
    d.RebuildPaletteFromRGB();
    return d;
}

// The cloth as it looks: per cell the warp colour where the warp is on top,
// else the weft colour.
std::vector<uint32_t> Cloth(const Draft& d, int ends, int picks) {
    std::vector<uint32_t> cells;
    for (int p = 1; p <= picks; ++p)
        for (int e = 1; e <= ends; ++e)
            cells.push_back(d.Palette[WarpOnTop(d, p, e) ? d.WarpColors[e] : d.WeftColors[p]]);
    return cells;
}

} // namespace

TEST(MoveUsedYarnsToTop, UsedColoursTakeTheLowestIndicesInOrder) {
    Draft d = Twill(24, 20, {7, 3, 3}, {3, 7});
    const uint32_t three = d.Palette[3], seven = d.Palette[7];
    const auto cloth = Cloth(d, 24, 20);
    const PaletteChange change = MoveUsedYarnsToTop(d);
    EXPECT_TRUE(change.changed);
    EXPECT_TRUE(change.messages.empty());
    EXPECT_EQ(d.Palette[0], three);
    EXPECT_EQ(d.Palette[1], seven);
    EXPECT_EQ(d.WarpColors[1], 1);
    EXPECT_EQ(d.WarpColors[2], 0);
    EXPECT_EQ(d.WeftColors[1], 0);
    EXPECT_EQ(Cloth(d, 24, 20), cloth);
    EXPECT_FALSE(MoveUsedYarnsToTop(d).changed); // already at the top
}

TEST(MoveUsedYarnsToTop, TheClothLooksTheSame) {
    struct Case {
        const char* name;
        std::vector<uint8_t> warp, weft;
        bool design;
    };
    const std::vector<Case> cases = {
        {"used gaps closing one by one", {2, 4, 6, 8, 255}, {1, 3, 5, 7, 250}, false},
        {"already partly at the top", {0, 1, 2, 40}, {3, 41, 0}, false},
        {"design picture", {9, 17}, {33, 2, 64}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Draft d = Twill(40, 30, c.warp, c.weft);
        if (c.design) {
            d.DesignMode = true;
            for (int p = 1; p <= 30; ++p)
                for (int e = 1; e <= 40; ++e) d.SetDesignCell(p, e, (e * p) % 3 == 0);
        }
        const auto cloth = Cloth(d, 40, 30);
        std::set<uint8_t> used(c.warp.begin(), c.warp.end());
        used.insert(c.weft.begin(), c.weft.end());
        EXPECT_TRUE(MoveUsedYarnsToTop(d).changed);
        EXPECT_EQ(Cloth(d, 40, 30), cloth);
        for (int e = 1; e <= 40; ++e) EXPECT_LT(d.WarpColors[e], used.size());
        for (int p = 1; p <= 30; ++p) EXPECT_LT(d.WeftColors[p], used.size());
        for (int i = 0; i < PaletteEntries; ++i) // both forms still in step
            EXPECT_EQ(d.Palette[static_cast<size_t>(i)],
                      MakeColor(d.PaletteRGB[i][0], d.PaletteRGB[i][1], d.PaletteRGB[i][2]));
    }
}

TEST(PaletteYarns, GroundOnlyDraftsCountTheirYarns) {
    // No pattern threading at all: the ends of threading A still count, so
    // their colours are neither cleared nor moved away from them.
    Draft d = Twill(12, 12, {9}, {2});
    const auto cloth = Cloth(d, 12, 12);
    EXPECT_TRUE(ClearUnusedYarns(d).changed);
    EXPECT_EQ(Cloth(d, 12, 12), cloth);
    EXPECT_NE(d.Palette[9], 0xFFFFFFu);
}

TEST(ClearUnusedYarns, OnlyUnusedEntriesTurnWhite) {
    Draft d = Twill(10, 10, {4, 250}, {4, 0});
    const auto before = d.PaletteRGB;
    const PaletteChange change = ClearUnusedYarns(d);
    EXPECT_TRUE(change.changed);
    for (int i = 0; i < PaletteEntries; ++i) {
        const auto& rgb = d.PaletteRGB[static_cast<size_t>(i)];
        if (i == 0 || i == 4 || i == 250) {
            EXPECT_EQ(rgb, before[static_cast<size_t>(i)]) << i;
        } else {
            EXPECT_EQ(rgb, (std::array<uint8_t, 3>{255, 255, 255})) << i;
            EXPECT_EQ(d.Palette[static_cast<size_t>(i)], 0xFFFFFFu) << i;
        }
    }
}

TEST(PaletteYarns, AnEmptyDraftHasNoPattern) {
    for (auto op : {MoveUsedYarnsToTop, ClearUnusedYarns}) {
        Draft d;
        const auto palette = d.PaletteRGB;
        const PaletteChange change = op(d);
        EXPECT_FALSE(change.changed);
        ASSERT_EQ(change.messages.size(), 1u);
        EXPECT_EQ(change.messages[0].text, "@globnopat");
        EXPECT_EQ(d.PaletteRGB, palette);
    }
}
