#pragma once
// The cloth of a draft on one harness. Formats that know only a threading and a
// liftplan (.hdm, WIF) cannot hold the ground level, group B or a design
// picture; they can still hold the cloth: ends whose drawdown columns are alike
// share one shaft, and every pick lifts the shafts whose ends are up. The
// drawdown of the result equals the draft's on every crossing.

#include <cstdint>
#include <vector>

#include "model/draft.h"

namespace hm {

struct ClothSize {
    int ends = 0;
    int picks = 0;
};

// What a file that keeps the cloth holds: the draft's own ends and picks, or
// more where an entry in use (a threading, treadling or liftplan entry of a part
// that is switched on, or a cell of the design picture in Design mode) lies
// beyond them. Every crossing further out is weft on top, or lies beyond the
// draft.
ClothSize DraftCloth(const Draft& d);

class FlatCloth {
  public:
    int Ends() const { return ends_; }
    int Picks() const { return picks_; }
    int Shafts() const { return static_cast<int>(columnOfShaft_.size()); }
    // 1..Shafts(), or 0 for an end whose column is the blank one.
    int ShaftOf(int end) const { return shaftOfEnd_[static_cast<size_t>(end - 1)]; }
    // Whether the ends of the shaft are up (warp on top) on the pick.
    bool WarpUp(int pick, int shaft) const {
        const uint64_t* column =
            &bits_[static_cast<size_t>(columnOfShaft_[static_cast<size_t>(shaft - 1)])];
        return (column[(pick - 1) / 64] >> ((pick - 1) % 64)) & 1;
    }

  private:
    friend FlatCloth FlattenCloth(const Draft& d, ClothSize size, bool blankWarpUp);
    int ends_ = 0;
    int picks_ = 0;
    std::vector<uint64_t> bits_;        // the drawdown column of every end, warp up = 1
    std::vector<int> shaftOfEnd_;       // index 0 = end 1
    std::vector<size_t> columnOfShaft_; // offset in bits_ of the first end of each shaft
};

// Numbers the distinct drawdown columns of ends 1..size.ends over picks
// 1..size.picks in order of first appearance, as NumberColumns numbers the
// columns of a picture. The blank column (all warp up when blankWarpUp is set,
// else all weft on top) needs no shaft: its ends get 0. There is no limit on the
// count; a caller with one checks Shafts().
FlatCloth FlattenCloth(const Draft& d, ClothSize size, bool blankWarpUp);

} // namespace hm
