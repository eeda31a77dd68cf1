#pragma once
// Row-by-row comparison of two drafts' drawdowns, for operations that must
// leave the cloth as it was.

#include <string>
#include <vector>

#include "model/drawdown.h"

namespace hm::test {

// Empty when the Draft-mode drawdown agrees on every crossing of picks
// 1..picks and ends 1..ends; else the first crossing that differs.
inline std::string DrawdownDifference(const Draft& a, const Draft& b, int ends, int picks) {
    const DrawdownRows rowsA(a, DrawdownRows::Rule::DraftRule);
    const DrawdownRows rowsB(b, DrawdownRows::Rule::DraftRule);
    std::vector<uint8_t> rowA(static_cast<size_t>(ends)), rowB(static_cast<size_t>(ends));
    for (int p = 1; p <= picks; ++p) {
        rowsA.WarpOnTopRow(p, 1, ends, rowA.data());
        rowsB.WarpOnTopRow(p, 1, ends, rowB.data());
        for (int e = 1; e <= ends; ++e)
            if (rowA[static_cast<size_t>(e - 1)] != rowB[static_cast<size_t>(e - 1)])
                return "pick " + std::to_string(p) + ", end " + std::to_string(e);
    }
    return {};
}

} // namespace hm::test
