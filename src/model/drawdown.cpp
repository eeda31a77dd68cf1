#include "model/drawdown.h"

#include <map>

namespace hm {

namespace {

// Entries outside the capacities (possible only in damaged data) count as empty,
// so that no tie-up or liftplan lookup can leave its array.
inline int ValidShaft(int v) {
    return v <= MaxShafts ? v : 0;
}
inline int ValidPatternShaft(int v) {
    return v <= MaxPatternShafts ? v : 0;
}

// The ground shaft pair of an end and treadle pair of a pick as the rule sees them:
// group B counts only while switched on.
struct GroundPair {
    int a = 0;
    int b = 0;
    bool Acts() const { return a > 0 || b > 0; }
};

GroundPair EndPair(const Draft& d, int end) {
    return {ValidShaft(d.ThreadingA[end]), d.ThreadingBOn ? ValidShaft(d.ThreadingB[end]) : 0};
}

GroundPair PickPair(const Draft& d, int pick) {
    return {ValidShaft(d.TreadlingA[pick]), d.TreadlingBOn ? ValidShaft(d.TreadlingB[pick]) : 0};
}

int PatternShaftOf(const Draft& d, int end) {
    return d.PatternThreadingOn ? ValidPatternShaft(d.PatternThreading[end]) : 0;
}

// Pattern state of a crossing: the end has no pattern shaft, or has one that is
// not lifted, or has one that is lifted on this pick.
enum PatternState : uint8_t { NoPatternShaft = 0, NotLifted = 1, Lifted = 2 };

// The drawdown rule for one crossing; true = weft on top.
bool Rule(const Draft& d, GroundPair shafts, GroundPair treadles, PatternState pattern) {
    const bool s = d.SinkingShed;
    if (!(shafts.Acts() && treadles.Acts())) {
        // Without the ground level the end follows its pattern shaft alone.
        if (pattern != NoPatternShaft && (pattern == Lifted) != s) return false;
        return true;
    }
    // Applicable tie-up cells in their fixed order: AA, BA, AB, BB.
    uint8_t cells[4];
    int count = 0;
    if (shafts.a > 0 && treadles.a > 0) cells[count++] = d.TieupAA(shafts.a, treadles.a);
    if (shafts.b > 0 && treadles.a > 0) cells[count++] = d.TieupBA(shafts.b, treadles.a);
    if (shafts.a > 0 && treadles.b > 0) cells[count++] = d.TieupAB(shafts.a, treadles.b);
    if (shafts.b > 0 && treadles.b > 0) cells[count++] = d.TieupBB(shafts.b, treadles.b);

    bool result = true;
    for (int i = 0; i < count; ++i) {
        if ((cells[i] == TieGround) != s) {
            result = false;
            break;
        }
    }
    if (!result && !s) return false;
    if (pattern == Lifted) {
        for (int i = 0; i < count; ++i)
            if (cells[i] == TiePattern) return s;
    }
    return result;
}

PatternState PatternStateOf(const Draft& d, int pick, int patternShaft) {
    if (patternShaft == 0) return NoPatternShaft;
    return d.GetLiftplan(pick, patternShaft) ? Lifted : NotLifted;
}

bool DesignBit(const Draft& d, int pick, int end) {
    if (pick < 1 || pick > DesignSize || end < 1 || end > DesignSize) return false;
    return d.GetDesignCell(pick, end);
}

} // namespace

bool WeftOnTop(const Draft& d, int pick, int end) {
    return Rule(d, EndPair(d, end), PickPair(d, pick),
                PatternStateOf(d, pick, PatternShaftOf(d, end)));
}

bool WarpOnTop(const Draft& d, int pick, int end) {
    if (d.DesignMode) return DesignBit(d, pick, end) != d.SinkingShed;
    return !WeftOnTop(d, pick, end);
}

// ---- row evaluator ----

namespace {
inline int PairKey(GroundPair p) {
    return p.a * 64 + p.b;
}
} // namespace

DrawdownRows::DrawdownRows(const Draft& d) : draft_(d) {
    if (d.DesignMode) return;
    std::map<int, uint16_t> pairIndex;
    pairOfEnd_.resize(MaxEnds);
    patternShaftOfEnd_.resize(MaxEnds);
    for (int e = 1; e <= MaxEnds; ++e) {
        const GroundPair p = EndPair(d, e);
        auto [it, inserted] =
            pairIndex.try_emplace(PairKey(p), static_cast<uint16_t>(pairs_.size()));
        if (inserted) pairs_.emplace_back(static_cast<uint8_t>(p.a), static_cast<uint8_t>(p.b));
        pairOfEnd_[static_cast<size_t>(e - 1)] = static_cast<uint16_t>(it->second * 3);
        patternShaftOfEnd_[static_cast<size_t>(e - 1)] = static_cast<uint8_t>(PatternShaftOf(d, e));
    }
}

void DrawdownRows::WarpOnTopRow(int pick, int firstEnd, int count, uint8_t* out) const {
    const Draft& d = draft_;
    if (d.DesignMode) {
        const uint8_t sinking = d.SinkingShed ? 1 : 0;
        for (int k = 0; k < count; ++k)
            out[k] = static_cast<uint8_t>((DesignBit(d, pick, firstEnd + k) ? 1 : 0) ^ sinking);
        return;
    }
    // One result per (end shaft pair, pattern state) for this pick's treadles.
    const GroundPair treadles = PickPair(d, pick);
    thread_local std::vector<uint8_t> warpUp;
    warpUp.resize(pairs_.size() * 3);
    for (size_t i = 0; i < pairs_.size(); ++i) {
        const GroundPair shafts{pairs_[i].first, pairs_[i].second};
        for (int st = 0; st < 3; ++st)
            warpUp[i * 3 + static_cast<size_t>(st)] =
                Rule(d, shafts, treadles, static_cast<PatternState>(st)) ? 0 : 1;
    }
    // Pattern state by pattern shaft for this pick.
    uint8_t stateOfShaft[MaxPatternShafts + 1];
    stateOfShaft[0] = NoPatternShaft;
    const uint8_t* row = d.LiftplanRow(pick);
    for (int c = 1; c <= MaxPatternShafts; ++c)
        stateOfShaft[c] = ((row[(c - 1) >> 3] >> ((c - 1) & 7)) & 1) ? Lifted : NotLifted;

    const uint16_t* pairBase = pairOfEnd_.data() + (firstEnd - 1);
    const uint8_t* shaftOf = patternShaftOfEnd_.data() + (firstEnd - 1);
    const uint8_t* table = warpUp.data();
    for (int k = 0; k < count; ++k) out[k] = table[pairBase[k] + stateOfShaft[shaftOf[k]]];
}

} // namespace hm
