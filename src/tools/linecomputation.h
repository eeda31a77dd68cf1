#pragma once
// The straight line of the line tool and its reduction to one point per end or
// pick. Pure arithmetic on cell coordinates (visible columns and rows).

#include <vector>

namespace hm {

struct CellPoint {
    int x = 0; // column
    int y = 0; // row
    bool operator==(const CellPoint&) const = default;
};

// A line holds the press point plus at most this many steps.
inline constexpr int MaxLineSteps = 999;

// The cells of the line from `from` to `to`: point 0 is `from`; n = the larger of
// the two distances, cut to 999, steps are taken with 64-bit accumulators and each
// point is rounded to nearest with ties to even. A line longer than 999 cells
// skips cells but still ends at `to`.
std::vector<CellPoint> ComputeLine(CellPoint from, CellPoint to);

// Which coordinate names the thread of a point: the column (ends, for the
// threadings) or the row (picks, for the treadlings).
enum class ThreadAxis { Column, Row };

// Keeps one point per end (pick): the first point keeps its own place, every other
// end (pick) keeps the last of its points along the line.
std::vector<CellPoint> ReduceLine(const std::vector<CellPoint>& line, ThreadAxis axis);

} // namespace hm
