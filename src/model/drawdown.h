#pragma once
// The drawdown: which thread lies on top at every crossing. It is never stored;
// every picture asks these functions.

#include <array>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "model/draft.h"

namespace hm {

// Draft-mode rule: true when the weft covers the end at that crossing.
bool WeftOnTop(const Draft& d, int pick, int end);
// Mode-aware: in Design mode the design picture decides, else !WeftOnTop.
bool WarpOnTop(const Draft& d, int pick, int end);

// Evaluates the drawdown for whole rows at a time, with exactly the same answer
// as the cell rule on every cell. A row is computed as bit masks: the ends of each
// shaft and of each pattern shaft are kept as sparse masks, and a pick ORs the
// masks of the shafts its treadles tie and of the pattern shafts it lifts, so a
// row costs a few word operations per shaft instead of work per cell. Build it
// after the draft changes: it keeps the rows it has computed (not thread-safe).
class DrawdownRows {
  public:
    enum class Rule {
        ModeAware, // WarpOnTop: the design picture in Design mode
        DraftRule, // !WeftOnTop: threadings, treadlings and liftplan, in any mode
    };
    explicit DrawdownRows(const Draft& d, Rule rule = Rule::ModeAware);

    // out[k] = warp on top at (pick, firstEnd + k) for k in 0..count-1 (1 = warp
    // on top). Ends beyond the capacity read as unthreaded (0 = weft on top; in
    // Design mode as empty picture cells).
    void WarpOnTopRow(int pick, int firstEnd, int count, uint8_t* out) const;
    // The same as bits: bit k % 64 of out[k / 64] stands for end firstEnd + k;
    // out holds (count + 63) / 64 words and the bits after count are 0.
    void WarpOnTopBits(int pick, int firstEnd, int count, uint64_t* out) const;

    static constexpr int Words = (MaxEnds + 63) / 64;

  private:
    struct Span {
        uint16_t word;
        uint64_t bits;
    };
    using Row = std::array<uint64_t, Words + 1>; // one spare word for shifting
    // The ends of one shaft, both as runs of non-zero words and as a full row;
    // a pick uses whichever is shorter over the words it asks for.
    struct SparseMask {
        std::vector<Span> spans;
        Row dense{};
        bool empty() const { return spans.empty(); }
    };

    void AbsoluteRow(int pick, int w0, int w1, Row& up) const;
    void ComputeRow(int pick, int w0, int w1, Row& up) const;
    void DesignRow(int pick, int w0, int w1, Row& up) const;
    static void AddEnd(SparseMask& m, int end);
    static void OrInto(const SparseMask& m, int w0, int w1, Row& acc);

    const Draft& draft_;
    bool design_ = false;
    std::array<SparseMask, MaxShafts + 1> shaftA_;
    std::array<SparseMask, MaxShafts + 1> shaftB_;
    std::array<SparseMask, MaxPatternShafts + 1> patternShaft_;
    std::vector<int> usedA_, usedB_;
    Row groundThreaded_{};  // ends on a ground shaft of a group in use
    Row patternThreaded_{}; // ends with a pattern shaft while the pattern level is on

    // Rows computed so far over words cachedW0_..cachedW1_, by treadles and lifts.
    using RowKey = std::array<uint8_t, 2 + LiftplanRowBytes>;
    struct RowKeyHash {
        size_t operator()(const RowKey& k) const;
    };
    static constexpr size_t MaxCachedRows = 1024;
    mutable std::unordered_map<RowKey, std::vector<uint64_t>, RowKeyHash> cache_;
    mutable int cachedW0_ = -1, cachedW1_ = -1;
};

} // namespace hm
