#include "tools/linecomputation.h"

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <cstdlib>

namespace hm {

namespace {

// Round to nearest, ties to even (the default floating-point rounding mode).
int RoundEven(double v) {
    return static_cast<int>(std::nearbyint(v));
}

} // namespace

std::vector<CellPoint> ComputeLine(CellPoint from, CellPoint to) {
    std::vector<CellPoint> line{from};
    int n = std::max(std::abs(to.x - from.x), std::abs(to.y - from.y));
    if (n == 0) return line;
    if (n > MaxLineSteps) n = MaxLineSteps;
    // The steps are divided in extended precision and kept as 64-bit values, as are
    // the sums, so that the rounding of every point is reproducible.
    const long double dn = n;
    const double sx = static_cast<double>(static_cast<long double>(to.x - from.x) / dn);
    const double sy = static_cast<double>(static_cast<long double>(to.y - from.y) / dn);
    double ax = from.x;
    double ay = from.y;
    const int oldMode = std::fegetround();
    if (oldMode != FE_TONEAREST) std::fesetround(FE_TONEAREST);
    line.reserve(static_cast<size_t>(n) + 1);
    for (int i = 1; i <= n; ++i) {
        ax = ax + sx;
        ay = ay + sy;
        line.push_back({RoundEven(ax), RoundEven(ay)});
    }
    if (oldMode != FE_TONEAREST) std::fesetround(oldMode);
    return line;
}

std::vector<CellPoint> ReduceLine(const std::vector<CellPoint>& line, ThreadAxis axis) {
    auto thread = [axis](const CellPoint& p) { return axis == ThreadAxis::Column ? p.x : p.y; };
    std::vector<CellPoint> out;
    out.reserve(line.size());
    for (const CellPoint& p : line) {
        // From the second point on, a point replaces its predecessor on the same
        // thread; the press point is never replaced here.
        if (out.size() >= 2 && thread(out.back()) == thread(p))
            out.back() = p;
        else
            out.push_back(p);
    }
    if (out.size() >= 2 && thread(out[0]) == thread(out[1])) out.erase(out.begin() + 1);
    return out;
}

} // namespace hm
