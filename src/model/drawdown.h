#pragma once
// The drawdown: which thread lies on top at every crossing. It is never stored;
// every picture asks these functions.

#include <cstdint>
#include <vector>

#include "model/draft.h"

namespace hm {

// Draft-mode rule: true when the weft covers the end at that crossing.
bool WeftOnTop(const Draft& d, int pick, int end);
// Mode-aware: in Design mode the design picture decides, else !WeftOnTop.
bool WarpOnTop(const Draft& d, int pick, int end);

// Evaluates WarpOnTop for whole rows at a time, with exactly the same answer as
// WarpOnTop on every cell. It precomputes, per end, the ground shaft pair and the
// pattern shaft, and per pick one result per distinct shaft pair and pattern lift,
// so a row costs a few table lookups per cell. Build it after the draft changes.
class DrawdownRows {
  public:
    explicit DrawdownRows(const Draft& d);

    // out[k] = WarpOnTop(pick, firstEnd + k) for k in 0..count-1 (1 = warp on top).
    // Ends must lie in 1..4800 (1..2400 in Design mode).
    void WarpOnTopRow(int pick, int firstEnd, int count, uint8_t* out) const;

  private:
    const Draft& draft_;
    std::vector<uint16_t> pairOfEnd_; // index 0 = end 1
    std::vector<uint8_t> patternShaftOfEnd_;
    std::vector<std::pair<uint8_t, uint8_t>> pairs_; // distinct (shaft A, shaft B) in use
};

} // namespace hm
