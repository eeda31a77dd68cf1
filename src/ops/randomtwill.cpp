#include "ops/randomtwill.h"

#include <algorithm>
#include <numeric>

namespace hm {

TwillColumn TwillRuns(int shafts, RandomSource& random) {
    TwillColumn column(static_cast<size_t>(std::max(shafts, 0)));
    uint8_t value = random.Coin() ? 1 : 0;
    int bound;
    if (shafts == 2) {
        bound = 1;
    } else if (shafts >= 10) {
        bound = random.Random(5) + 1;
    } else {
        bound = random.Random(shafts / 2) + 1;
        if (shafts % 2 == 1 && random.Coin()) ++bound;
    }
    size_t s = 0;
    while (s < column.size()) {
        const size_t run = static_cast<size_t>(random.Random(bound) + 1);
        for (size_t i = 0; i < run && s < column.size(); ++i) column[s++] = value;
        value ^= 1;
    }
    return column;
}

void BreakWrapFloat(TwillColumn& column) {
    const size_t n = column.size();
    if (n < 2 || column.front() != column.back()) return;
    const uint8_t v = column.front();
    size_t j = 0;
    while (j < n && column[j] == v) ++j;
    size_t k = 0;
    while (k < n && column[n - 1 - k] == v) ++k;
    if (j + k <= 5) return;
    if (k < j)
        column.front() = v ^ 1;
    else
        column.back() = v ^ 1;
}

void BalanceColumn(TwillColumn& column, RandomSource& random) {
    const int shafts = static_cast<int>(column.size());
    const int half = shafts / 2;
    const bool odd = shafts % 2 == 1;
    int raised = std::accumulate(column.begin(), column.end(), 0);
    while (raised != half && !(odd && raised == half + 1)) {
        uint8_t& cell = column[static_cast<size_t>(random.Random(shafts))];
        const uint8_t value = raised < half ? 1 : 0;
        raised += value - cell;
        cell = value;
    }
}

TwillColumn RandomTwillColumn(int shafts, RandomSource& random) {
    TwillColumn column = TwillRuns(shafts, random);
    BreakWrapFloat(column);
    BalanceColumn(column, random);
    return column;
}

TwillColumn ShiftColumn(const TwillColumn& column, bool up) {
    TwillColumn next(column.size());
    if (column.empty()) return next;
    if (up)
        std::rotate_copy(column.begin(), column.begin() + 1, column.end(), next.begin());
    else
        std::rotate_copy(column.begin(), column.end() - 1, column.end(), next.begin());
    return next;
}

} // namespace hm
