#include "ops/satinmoves.h"

#include <numeric>

namespace hm {

namespace {

// Each number followed by ",", a blank after every second one.
std::string Listed(const std::vector<int>& numbers, size_t from, size_t to) {
    std::string text;
    for (size_t i = from; i < to && i < numbers.size(); ++i) {
        text += std::to_string(numbers[i]) + ",";
        if ((i - from) % 2 == 1) text += " ";
    }
    return text;
}

} // namespace

SatinMoveList SatinMoves(int shafts) {
    SatinMoveList list;
    if (shafts < 5 || shafts == 6) {
        list.numLabel = "@satinnone";
        return list;
    }
    if (shafts > 32) {
        list.kind = SatinMoveListKind::VeryMany;
        list.numLabel = "@satinmany";
        return list;
    }
    list.kind = SatinMoveListKind::Moves;
    int u = shafts / 2;
    int v = shafts - u;
    if (u == v) {
        --u;
        ++v;
    }
    for (; u > 1 && list.numbers.size() < 23; --u, ++v) {
        // A move sharing a factor with N would return to shaft 1 before every
        // shaft is lifted, so only pairs without a common factor are satins.
        if (std::gcd(u, v) == 1) {
            list.numbers.push_back(u);
            list.numbers.push_back(v);
        }
    }
    list.numLabel = Listed(list.numbers, 0, 12);
    // The trailing ", " of the first label goes.
    list.numLabel.resize(list.numLabel.size() >= 2 ? list.numLabel.size() - 2 : 0);
    list.numLabel2 = Listed(list.numbers, 12, list.numbers.size());
    if (!list.numbers.empty()) list.firstMove = list.numbers.front();
    return list;
}

} // namespace hm
