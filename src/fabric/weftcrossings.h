#pragma once
// Where the weft lies over the warp, as the fabric views ask it (the draft rule,
// WeftOnTop, in any mode), a row at a time; and the rule by which a compressed
// row of two picks chooses its colour.

#include <cstdint>

#include "model/drawdown.h"

namespace hm {

class WeftCrossings {
  public:
    explicit WeftCrossings(const Draft& d);
    // out[k] = 1 where the weft of `pick` lies over end firstEnd + k. Ends and
    // picks outside the capacities give 0, so neighbours beyond the first and
    // last end never count as floating.
    void Row(int pick, int firstEnd, int count, uint8_t* out) const;
    // The opposite as bits (warp on top), as DrawdownRows::WarpOnTopBits gives them.
    void WarpBits(int pick, int firstEnd, int count, uint64_t* out) const {
        rows_.WarpOnTopBits(pick, firstEnd, count, out);
    }

  private:
    DrawdownRows rows_;
};

// A compressed row shows pick p over pick p - 1 at end e. `over` is whether the
// weft of p lies over e, `before`/`after` the same at the neighbouring ends, and
// `lowerOver`, `lowerBefore`, `lowerAfter` the same for pick p - 1. A float of
// either pick wins (a weft floats where it lies over the end and a neighbour),
// and p wins where both pass over singly.
enum class CompressedShows { UpperWeft, LowerWeft, Warp };
CompressedShows CompressedCell(bool over, bool before, bool after, bool lowerOver, bool lowerBefore,
                               bool lowerAfter);

} // namespace hm
