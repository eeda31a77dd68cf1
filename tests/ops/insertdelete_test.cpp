#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "ops/bitrows.h"
#include "ops/insertdelete.h"

using namespace hm;

namespace {

// A 10-end, 10-pick draft: end e on pattern shaft e, shaft A e, colour 10+e;
// pick p on treadle A p, lifting shaft p, colour 20+p.
std::unique_ptr<Draft> TenByTen() {
    auto d = std::make_unique<Draft>();
    d->Ends = d->Picks = 10;
    for (int i = 1; i <= 10; ++i) {
        d->PatternThreading[i] = static_cast<uint8_t>(i);
        d->ThreadingA[i] = static_cast<uint8_t>(i);
        d->ThreadingB[i] = static_cast<uint8_t>(i);
        d->WarpColors[i] = static_cast<uint8_t>(10 + i);
        d->TreadlingA[i] = static_cast<uint8_t>(i);
        d->SetLiftplan(i, i, true);
        d->WeftColors[i] = static_cast<uint8_t>(20 + i);
    }
    return d;
}

} // namespace

TEST(InsertEnds, OpensEmptyEndsWithTheColourOfTheFirst) {
    auto d = TenByTen();
    InsertEnds(*d, 5, 3, EndArrays{});
    for (int e : {5, 6, 7}) {
        EXPECT_EQ(d->PatternThreading[e], 0);
        EXPECT_EQ(d->ThreadingA[e], 0);
        EXPECT_EQ(d->WarpColors[e], 15) << "the old colour of end 5";
    }
    EXPECT_EQ(d->PatternThreading[8], 5);
    EXPECT_EQ(d->ThreadingB[10], 7);
    EXPECT_EQ(d->WarpColors[10], 17);
    EXPECT_EQ(d->PatternThreading[11], 0) << "ends pushed beyond Ends are lost";
    EXPECT_EQ(d->Ends, 10);
}

TEST(InsertEnds, CountIsCutAtTheLastEndAndOnlyChosenArraysMove) {
    auto d = TenByTen();
    InsertEnds(*d, 10, 5, EndArrays{});
    EXPECT_EQ(d->PatternThreading[10], 0);
    EXPECT_EQ(d->PatternThreading[9], 9);
    EXPECT_EQ(d->PatternThreading[11], 0);

    d = TenByTen();
    InsertEnds(*d, 2, 1, EndArrays::ColorsOnly());
    EXPECT_EQ(d->PatternThreading[2], 2);
    EXPECT_EQ(d->WarpColors[2], 12);
    EXPECT_EQ(d->WarpColors[3], 12);
    EXPECT_EQ(d->WarpColors[10], 19);

    d = TenByTen();
    InsertEnds(*d, 0, 2, EndArrays{});
    InsertEnds(*d, 11, 2, EndArrays{});
    EXPECT_EQ(d->PatternThreading[1], 1) << "positions outside the draft change nothing";
}

TEST(DeleteEnds, ClosesTheGapAndKeepsTailColours) {
    auto d = TenByTen();
    DeleteEnds(*d, 8, 5, EndArrays{});
    EXPECT_EQ(d->PatternThreading[5], 9);
    EXPECT_EQ(d->ThreadingA[6], 10);
    for (int e = 7; e <= 10; ++e) EXPECT_EQ(d->ThreadingB[e], 0);
    EXPECT_EQ(d->WarpColors[5], 19);
    EXPECT_EQ(d->WarpColors[7], 17) << "the tail keeps its old colours";
    EXPECT_EQ(d->WarpColors[10], 20);

    d = TenByTen();
    DeleteEnds(*d, 9, 4000, EndArrays{});
    EXPECT_EQ(d->PatternThreading[8], 8);
    EXPECT_EQ(d->PatternThreading[9], 0);
}

TEST(InsertDeletePicks, RowsTreadlingsAndColoursMove) {
    auto d = TenByTen();
    InsertPicks(*d, 3, 2, PickArrays{});
    EXPECT_FALSE(d->LiftplanRowUsed(3));
    EXPECT_FALSE(d->LiftplanRowUsed(4));
    EXPECT_TRUE(d->GetLiftplan(5, 3));
    EXPECT_EQ(d->TreadlingA[5], 3);
    EXPECT_EQ(d->WeftColors[4], 23);
    EXPECT_EQ(d->WeftColors[10], 28);

    DeletePicks(*d, 3, 4, PickArrays{});
    EXPECT_TRUE(d->GetLiftplan(3, 3));
    EXPECT_EQ(d->TreadlingA[8], 8);
    EXPECT_FALSE(d->LiftplanRowUsed(9));
    EXPECT_EQ(d->TreadlingA[10], 0);
    EXPECT_EQ(d->WeftColors[10], 28) << "tail colours stay";

    d = TenByTen();
    DeletePicks(*d, 1, 1, PickArrays::ColorsOnly());
    EXPECT_EQ(d->WeftColors[1], 22);
    EXPECT_EQ(d->TreadlingA[1], 1);
}

TEST(DesignInsertDelete, ColumnsAndRowsOfThePicture) {
    auto d = std::make_unique<Draft>();
    d->SetDesignCell(1, 5, true);
    d->SetDesignCell(1, 2400, true);
    d->WarpColors[5] = 40;
    d->WarpColors[2400] = 41;
    DesignInsertEnds(*d, 5, 2);
    EXPECT_FALSE(d->GetDesignCell(1, 5));
    EXPECT_TRUE(d->GetDesignCell(1, 7));
    EXPECT_FALSE(d->GetDesignCell(1, 2400)) << "column 2400 falls off";
    EXPECT_EQ(d->WarpColors[5], 40);
    EXPECT_EQ(d->WarpColors[6], 40);
    EXPECT_EQ(d->WarpColors[7], 40);

    DesignDeleteEnds(*d, 6, 5);
    EXPECT_TRUE(d->GetDesignCell(1, 5));
    EXPECT_EQ(d->WarpColors[5], 40);

    d->SetDesignCell(10, 1, true);
    d->WeftColors[10] = 3;
    DesignInsertPicks(*d, 9, 3);
    EXPECT_TRUE(d->GetDesignCell(13, 1));
    EXPECT_FALSE(d->GetDesignCell(10, 1));
    EXPECT_EQ(d->WeftColors[13], 3);
    DesignDeletePicks(*d, 9, 11);
    EXPECT_TRUE(d->GetDesignCell(10, 1));

    DesignInsertEnds(*d, 2398, 10);   // cut to 3 columns
    DesignDeleteEnds(*d, 2401, 2500); // nothing
    EXPECT_TRUE(d->GetDesignCell(1, 5));
}

namespace {

// One column at a time, as the picture moves for a single insert or delete:
// the reference that the word-wise shifts must match.
std::vector<uint8_t> Bits(const uint8_t* row, int width) {
    std::vector<uint8_t> bits(static_cast<size_t>(width) + 1);
    for (int c = 1; c <= width; ++c)
        bits[static_cast<size_t>(c)] = (row[(c - 1) / 8] >> ((c - 1) % 8)) & 1;
    return bits;
}

std::vector<uint8_t> OpenOneAtATime(std::vector<uint8_t> b, int width, int from, int count) {
    for (int step = 0; step < count; ++step) {
        for (int c = width; c > from; --c)
            b[static_cast<size_t>(c)] = b[static_cast<size_t>(c - 1)];
        b[static_cast<size_t>(from)] = false;
    }
    return b;
}

std::vector<uint8_t> CloseOneAtATime(std::vector<uint8_t> b, int width, int from, int count) {
    for (int step = 0; step < count; ++step) {
        for (int c = from; c < width; ++c)
            b[static_cast<size_t>(c)] = b[static_cast<size_t>(c + 1)];
        b[static_cast<size_t>(width)] = false;
    }
    return b;
}

} // namespace

TEST(BitRows, ShiftingByCountEqualsShiftingOneColumnAtATime) {
    std::mt19937 rng(5);
    for (int trial = 0; trial < 200; ++trial) {
        const int width = trial % 3 == 0   ? 2400
                          : trial % 3 == 1 ? 128
                                           : 1 + static_cast<int>(rng() % 200);
        const int from = 1 + static_cast<int>(rng() % static_cast<unsigned>(width));
        // Mostly short moves; every fourth one may reach the end of the row.
        const int room = width - from + 1;
        const int count =
            1 + static_cast<int>(rng() %
                                 static_cast<unsigned>(trial % 4 == 0 ? room : std::min(room, 70)));
        // Several rows, each with its own bits, move in one call.
        constexpr size_t Stride = 301;
        const int rows = 1 + (trial / 3) % 3;
        std::vector<uint8_t> grid(Stride * static_cast<size_t>(rows));
        for (auto& b : grid) b = static_cast<uint8_t>(rng());
        const std::vector<uint8_t> before = grid;
        const bool open = trial % 2 == 0;
        if (open)
            OpenBitGaps(grid.data(), Stride, rows, width, from, count);
        else
            CloseBitGaps(grid.data(), Stride, rows, width, from, count);
        for (int r = 0; r < rows; ++r) {
            const uint8_t* old = before.data() + static_cast<size_t>(r) * Stride;
            const uint8_t* row = grid.data() + static_cast<size_t>(r) * Stride;
            const auto expected = open ? OpenOneAtATime(Bits(old, width), width, from, count)
                                       : CloseOneAtATime(Bits(old, width), width, from, count);
            ASSERT_EQ(Bits(row, width), expected)
                << (open ? "open" : "close") << " width " << width << " from " << from << " count "
                << count << " row " << r;
            // Bits above the width are not touched.
            for (int c = width + 1; c <= 2408; ++c)
                ASSERT_EQ((row[(c - 1) / 8] >> ((c - 1) % 8)) & 1,
                          (old[(c - 1) / 8] >> ((c - 1) % 8)) & 1)
                    << "column " << c << " above width " << width << " row " << r;
        }
    }
}

TEST(DesignInsertDelete, DeletedColumnsAndRowsTakeTheColourOfTheLast) {
    auto d = std::make_unique<Draft>();
    for (int i = 1; i <= DesignSize; ++i) {
        d->WarpColors[i] = static_cast<uint8_t>(i % 200);
        d->WeftColors[i] = static_cast<uint8_t>(i % 150);
    }
    d->SetDesignCell(2400, 2400, true);
    EXPECT_TRUE(DesignDeleteEnds(*d, 10, 12).changed);
    EXPECT_TRUE(d->GetDesignCell(2400, 2397));
    EXPECT_FALSE(d->GetDesignCell(2400, 2400));
    EXPECT_EQ(d->WarpColors[10], 13 % 200);
    EXPECT_EQ(d->WarpColors[2397], 2400 % 200);
    for (int e = 2398; e <= 2400; ++e) EXPECT_EQ(d->WarpColors[e], 2400 % 200) << e;

    DesignDeletePicks(*d, 2400, 2400);
    EXPECT_FALSE(d->GetDesignCell(2400, 2397)) << "the last row itself can be deleted";
    DesignDeletePicks(*d, 1, 5);
    for (int p = 2396; p <= 2400; ++p) EXPECT_EQ(d->WeftColors[p], 2400 % 150) << p;
    EXPECT_FALSE(DesignInsertPicks(*d, 2401, 1).changed);
    EXPECT_TRUE(DesignInsertPicks(*d, 2400, 9).changed) << "cut to the last row";
}

TEST(DesignInsertDelete, EndsAndPicksMoveWithTheirColours) {
    // Line i (a column for ends, a row for picks) has colour i % 251 and, when
    // i is a multiple of 3, one cell at place 1 + i % 7 across it.
    struct Case {
        bool ends, insert;
        int from, second; // count when inserting, `to` when deleting
    };
    const Case cases[] = {
        {true, true, 600, 1200},  {true, true, 2400, 5},     {true, true, 2395, 20},
        {true, false, 1800, 600}, {true, false, 2399, 2500}, {false, true, 600, 1200},
        {false, true, 2400, 5},   {false, false, 1800, 600}, {false, false, 2399, 2500},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.ends ? "ends " : "picks ") + (c.insert ? "insert " : "delete ") +
                     std::to_string(c.from) + " " + std::to_string(c.second));
        auto d = std::make_unique<Draft>();
        auto& colours = c.ends ? d->WarpColors : d->WeftColors;
        auto cell = [&](int line, int across) {
            return c.ends ? d->GetDesignCell(across, line) : d->GetDesignCell(line, across);
        };
        for (int i = 1; i <= DesignSize; ++i) {
            colours[i] = static_cast<uint8_t>(i % 251);
            if (i % 3 == 0) {
                if (c.ends)
                    d->SetDesignCell(1 + i % 7, i, true);
                else
                    d->SetDesignCell(i, 1 + i % 7, true);
            }
        }
        const auto operation = c.ends ? (c.insert ? DesignInsertEnds : DesignDeleteEnds)
                                      : (c.insert ? DesignInsertPicks : DesignDeletePicks);
        EXPECT_TRUE(operation(*d, c.from, c.second).changed);
        // Where line i came from; 0 for an empty line with colour `fill`. Deleting
        // takes lines lo..hi; inserting or deleting moves the lines by n.
        const int lo = std::min(c.from, c.second);
        const int hi = std::min(std::max(c.from, c.second), DesignSize);
        const int n = c.insert ? std::min(c.second, DesignSize + 1 - c.from) : hi - lo + 1;
        const int fill = c.insert ? c.from % 251 : DesignSize % 251;
        for (int i = 1; i <= DesignSize; ++i) {
            int source = i;
            if (c.insert && i >= c.from) source = i < c.from + n ? 0 : i - n;
            if (!c.insert && i >= lo) source = i <= DesignSize - n ? i + n : 0;
            ASSERT_EQ(colours[i], source ? source % 251 : fill) << "line " << i;
            for (int across = 1; across <= 7; ++across)
                ASSERT_EQ(cell(i, across),
                          source != 0 && source % 3 == 0 && across == 1 + source % 7)
                    << "line " << i << " across " << across;
        }
    }
}
