#pragma once
// The satin moves the satin dialog offers for N shafts: pairs (u, v) with
// u + v = N and no common factor, counted down from the middle; with either
// move every shaft is lifted once and no two neighbouring treadles lift
// neighbouring shafts.

#include <string>
#include <vector>

namespace hm {

enum class SatinMoveListKind {
    None,     // fewer than 5 shafts, or 6
    VeryMany, // more than 32 shafts
    Moves,
};

struct SatinMoveList {
    SatinMoveListKind kind = SatinMoveListKind::None;
    std::vector<int> numbers; // the moves, two per accepted pair
    // NumLabel: the first twelve numbers as "3,4, 2,5"; for None and VeryMany
    // the key "@satinnone" or "@satinmany" that the dialog translates.
    std::string numLabel;
    // NumLabel2: numbers 13 and later in the same form, its last ", " kept.
    std::string numLabel2;
    // SpinEdit1's start value: the first move found, or 1.
    int firstMove = 1;
};

SatinMoveList SatinMoves(int shafts);

// SpinEdit1's range is 1..SatinMaxMove(N).
inline int SatinMaxMove(int shafts) {
    return shafts > 2 ? shafts - 1 : 1;
}

} // namespace hm
