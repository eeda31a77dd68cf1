// The line tool's cells: stepping, rounding, the step limit and the reduction to
// one point per end or pick.

#include <gtest/gtest.h>

#include "tools/linecomputation.h"

namespace hm {
namespace {

using Points = std::vector<CellPoint>;

TEST(LineComputation, SteepLineThroughTwoEndsAndItsReduction) {
    const Points line = ComputeLine({1, 1}, {2, 8});
    EXPECT_EQ(line, (Points{{1, 1}, {1, 2}, {1, 3}, {1, 4}, {2, 5}, {2, 6}, {2, 7}, {2, 8}}));
    // End 1 keeps the press point's shaft, end 2 the last shaft of its points.
    EXPECT_EQ(ReduceLine(line, ThreadAxis::Column), (Points{{1, 1}, {2, 8}}));
    // Along picks the same line keeps every row.
    EXPECT_EQ(ReduceLine(line, ThreadAxis::Row).size(), line.size());
}

TEST(LineComputation, RoundingTiesGoToTheEvenNeighbour) {
    const Points line = ComputeLine({0, 0}, {4, 8});
    std::vector<int> xs;
    for (const CellPoint& p : line) xs.push_back(p.x);
    // 0, 0.5, 1, 1.5, 2, 2.5, 3, 3.5, 4
    EXPECT_EQ(xs, (std::vector<int>{0, 0, 1, 2, 2, 2, 3, 4, 4}));
    EXPECT_EQ(line.back(), (CellPoint{4, 8}));
}

TEST(LineComputation, LongLinesTakeAtMost999StepsAndStillReachTheTarget) {
    const Points line = ComputeLine({1, 1}, {2000, 1});
    ASSERT_EQ(line.size(), 1000u);
    EXPECT_EQ(line.front(), (CellPoint{1, 1}));
    EXPECT_EQ(line.back(), (CellPoint{2000, 1}));
    int skipped = 0;
    for (size_t i = 1; i < line.size(); ++i) {
        EXPECT_GT(line[i].x, line[i - 1].x);
        skipped += line[i].x - line[i - 1].x - 1;
    }
    EXPECT_EQ(skipped, 2000 - 1000);
    // Exactly 999 steps are not cut.
    EXPECT_EQ(ComputeLine({1, 1}, {1000, 1}).size(), 1000u);
    EXPECT_EQ(ComputeLine({5, 5}, {5, 5}), (Points{{5, 5}}));
}

TEST(LineComputation, LinesRunInEveryDirection) {
    const Points back = ComputeLine({10, 3}, {4, 6});
    ASSERT_EQ(back.size(), 7u);
    EXPECT_EQ(back.back(), (CellPoint{4, 6}));
    for (size_t i = 1; i < back.size(); ++i) EXPECT_EQ(back[i].x, back[i - 1].x - 1);
}

TEST(LineComputation, ReductionKeepsThePressPointAndTheLastPointOfEachThread) {
    // A shallow line over picks: rows 1..3, several columns per row.
    const Points line = ComputeLine({1, 1}, {7, 3});
    const Points r = ReduceLine(line, ThreadAxis::Row);
    ASSERT_EQ(r.size(), 3u);
    EXPECT_EQ(r[0], (CellPoint{1, 1}));
    EXPECT_EQ(r[2], (CellPoint{7, 3}));
    EXPECT_EQ(r[1].y, 2);
    // The last point of row 2 along the line.
    int last2 = 0;
    for (const CellPoint& p : line)
        if (p.y == 2) last2 = p.x;
    EXPECT_EQ(r[1].x, last2);
}

} // namespace
} // namespace hm
