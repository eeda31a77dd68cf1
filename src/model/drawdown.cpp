#include "model/drawdown.h"

#include <algorithm>
#include <bit>
#include <cstring>

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

DrawdownRows::DrawdownRows(const Draft& d, Rule rule)
    : draft_(d), design_(rule == Rule::ModeAware && d.DesignMode) {
    if (design_) return;
    for (int e = 1; e <= MaxEnds; ++e) {
        const GroundPair p = EndPair(d, e);
        const int ps = PatternShaftOf(d, e);
        const uint64_t bit = uint64_t{1} << ((e - 1) & 63);
        const size_t w = static_cast<size_t>((e - 1) >> 6);
        if (p.a) AddEnd(shaftA_[static_cast<size_t>(p.a)], e);
        if (p.b) AddEnd(shaftB_[static_cast<size_t>(p.b)], e);
        if (p.Acts()) groundThreaded_[w] |= bit;
        if (ps) {
            AddEnd(patternShaft_[static_cast<size_t>(ps)], e);
            patternThreaded_[w] |= bit;
        }
    }
    for (int s = 1; s <= MaxShafts; ++s) {
        if (!shaftA_[static_cast<size_t>(s)].empty()) usedA_.push_back(s);
        if (!shaftB_[static_cast<size_t>(s)].empty()) usedB_.push_back(s);
    }
}

void DrawdownRows::AddEnd(SparseMask& m, int end) {
    const auto w = static_cast<uint16_t>((end - 1) >> 6);
    const uint64_t bit = uint64_t{1} << ((end - 1) & 63);
    m.dense[w] |= bit;
    if (m.spans.empty() || m.spans.back().word != w)
        m.spans.push_back({w, bit});
    else
        m.spans.back().bits |= bit;
}

void DrawdownRows::OrInto(const SparseMask& m, int w0, int w1, Row& acc) {
    const auto& spans = m.spans;
    if (spans.empty()) return;
    if (spans.size() * 4 > static_cast<size_t>(w1 - w0 + 1)) {
        for (int w = w0; w <= w1; ++w)
            acc[static_cast<size_t>(w)] |= m.dense[static_cast<size_t>(w)];
        return;
    }
    auto it = spans.begin();
    if (w0 > it->word)
        it = std::lower_bound(spans.begin(), spans.end(), w0,
                              [](const Span& s, int w) { return s.word < w; });
    for (; it != spans.end() && it->word <= w1; ++it) acc[it->word] |= it->bits;
}

void DrawdownRows::DesignRow(int pick, int w0, int w1, Row& up) const {
    const Draft& d = draft_;
    const uint64_t sinking = d.SinkingShed ? ~uint64_t{0} : 0;
    constexpr int designWords = (DesignSize + 63) / 64;
    const uint8_t* bytes = pick >= 1 && pick <= DesignSize ? d.DesignRow(pick) : nullptr;
    for (int w = w0; w <= w1; ++w) {
        uint64_t bits = 0;
        if (bytes && w < designWords) {
            const int first = w * 8;
            const int last = std::min(first + 8, DesignRowBytes);
            for (int b = last - 1; b >= first; --b) bits = (bits << 8) | bytes[b];
        }
        // Cells beyond the picture read as empty.
        up[static_cast<size_t>(w)] = bits ^ sinking;
    }
}

void DrawdownRows::AbsoluteRow(int pick, int w0, int w1, Row& up) const {
    if (design_) {
        DesignRow(pick, w0, w1, up);
        return;
    }
    if (pick < 1 || pick > MaxPicks) {
        ComputeRow(pick, w0, w1, up);
        return;
    }
    // Picks with the same treadles and lifts weave the same row: drafts repeat,
    // so rows already computed over the same ends are copied.
    const Draft& d = draft_;
    const GroundPair treadles = PickPair(d, pick);
    RowKey key{};
    key[0] = static_cast<uint8_t>(treadles.a);
    key[1] = static_cast<uint8_t>(treadles.b);
    if (d.PatternThreadingOn) std::memcpy(key.data() + 2, d.LiftplanRow(pick), LiftplanRowBytes);
    if (w0 != cachedW0_ || w1 != cachedW1_) {
        cache_.clear();
        cachedW0_ = w0;
        cachedW1_ = w1;
    }
    const size_t n = static_cast<size_t>(w1 - w0 + 1);
    if (auto it = cache_.find(key); it != cache_.end()) {
        std::copy(it->second.begin(), it->second.end(), up.begin() + w0);
        return;
    }
    ComputeRow(pick, w0, w1, up);
    if (cache_.size() < MaxCachedRows)
        cache_.emplace(key, std::vector<uint64_t>(
                                up.begin() + w0, up.begin() + w0 + static_cast<std::ptrdiff_t>(n)));
}

size_t DrawdownRows::RowKeyHash::operator()(const RowKey& k) const {
    uint64_t h = 14695981039346656037ull; // FNV-1a
    for (uint8_t b : k) h = (h ^ b) * 1099511628211ull;
    return static_cast<size_t>(h);
}

void DrawdownRows::ComputeRow(int pick, int w0, int w1, Row& up) const {
    const Draft& d = draft_;
    const bool s = d.SinkingShed;
    if (pick < 1 || pick > MaxPicks) {
        // No treadles and no lifts: pattern ends sink in a sinking shed.
        for (int w = w0; w <= w1; ++w)
            up[static_cast<size_t>(w)] = s ? patternThreaded_[static_cast<size_t>(w)] : 0;
        return;
    }
    Row lifted{};
    if (d.PatternThreadingOn) {
        const uint8_t* row = d.LiftplanRow(pick);
        for (int half = 0; half < 2; ++half) {
            uint64_t liftedShafts = 0;
            for (int b = 7; b >= 0; --b) liftedShafts = (liftedShafts << 8) | row[half * 8 + b];
            for (; liftedShafts; liftedShafts &= liftedShafts - 1) {
                const int c = half * 64 + std::countr_zero(liftedShafts) + 1;
                const SparseMask& m = patternShaft_[static_cast<size_t>(c)];
                if (!m.empty()) OrInto(m, w0, w1, lifted);
            }
        }
    }
    const GroundPair treadles = PickPair(d, pick);
    if (!treadles.Acts()) {
        // Every end follows its pattern shaft alone.
        for (int w = w0; w <= w1; ++w) {
            const auto i = static_cast<size_t>(w);
            up[i] = s ? (patternThreaded_[i] & ~lifted[i]) : lifted[i];
        }
        return;
    }
    // Shafts whose applicable cells include a ground tie (rising: any cell 1;
    // sinking: any cell other than 1) and those with a pattern tie.
    Row ground{}, pattern{};
    auto visit = [&](const std::array<SparseMask, MaxShafts + 1>& masks,
                     const std::vector<int>& used, const TieupBlock& withA,
                     const TieupBlock& withB) {
        for (int sh : used) {
            bool groundTie = false, patternTie = false;
            for (int k = 0; k < 2; ++k) {
                const int t = k == 0 ? treadles.a : treadles.b;
                if (!t) continue;
                const uint8_t cell = (k == 0 ? withA : withB)(sh, t);
                groundTie |= (cell == TieGround) != s;
                patternTie |= cell == TiePattern;
            }
            const SparseMask& m = masks[static_cast<size_t>(sh)];
            if (groundTie) OrInto(m, w0, w1, ground);
            if (patternTie) OrInto(m, w0, w1, pattern);
        }
    };
    visit(shaftA_, usedA_, d.TieupAA, d.TieupAB);
    visit(shaftB_, usedB_, d.TieupBA, d.TieupBB);
    for (int w = w0; w <= w1; ++w) {
        const auto i = static_cast<size_t>(w);
        const uint64_t alone = ~groundThreaded_[i]; // ends the ground level does not reach
        if (s)
            up[i] = (ground[i] & ~(lifted[i] & pattern[i])) |
                    (patternThreaded_[i] & ~lifted[i] & alone);
        else
            up[i] = ground[i] | (lifted[i] & (pattern[i] | alone));
    }
}

void DrawdownRows::WarpOnTopBits(int pick, int firstEnd, int count, uint64_t* out) const {
    if (count <= 0) return;
    const int outWords = (count + 63) / 64;
    std::fill(out, out + outWords, uint64_t{0});
    // Ends within 1..MaxEnds; the rest stays 0 (or the picture's empty value).
    const int lo = std::max(firstEnd, 1);
    const int hi = std::min(firstEnd + count - 1, MaxEnds);
    Row up{};
    if (lo <= hi) AbsoluteRow(pick, (lo - 1) >> 6, (hi - 1) >> 6, up);
    for (int k = 0; k < count;) {
        const int e = firstEnd + k;
        if (e < lo || e > hi) {
            // Outside the capacity: weft on top, or an empty picture cell.
            if (design_ && draft_.SinkingShed) out[k >> 6] |= uint64_t{1} << (k & 63);
            ++k;
            continue;
        }
        // Copy as many bits as fit both the source and the target word.
        const int srcBit = (e - 1) & 63, dstBit = k & 63;
        const int n = std::min({64 - srcBit, 64 - dstBit, hi - e + 1});
        const uint64_t mask = n == 64 ? ~uint64_t{0} : ((uint64_t{1} << n) - 1);
        const uint64_t bits = (up[static_cast<size_t>((e - 1) >> 6)] >> srcBit) & mask;
        out[k >> 6] |= bits << dstBit;
        k += n;
    }
}

void DrawdownRows::WarpOnTopRow(int pick, int firstEnd, int count, uint8_t* out) const {
    if (count <= 0) return;
    thread_local std::vector<uint64_t> bits;
    bits.resize(static_cast<size_t>((count + 63) / 64));
    WarpOnTopBits(pick, firstEnd, count, bits.data());
    // Eight cells at a time through a table of the 256 byte patterns.
    static const auto spread = [] {
        std::array<std::array<uint8_t, 8>, 256> t{};
        for (size_t b = 0; b < 256; ++b)
            for (size_t i = 0; i < 8; ++i) t[b][i] = static_cast<uint8_t>((b >> i) & 1);
        return t;
    }();
    int k = 0;
    for (; k + 8 <= count; k += 8) {
        const auto byte = (bits[static_cast<size_t>(k >> 6)] >> (k & 63)) & 0xFF;
        std::memcpy(out + k, spread[static_cast<size_t>(byte)].data(), 8);
    }
    for (; k < count; ++k)
        out[k] = static_cast<uint8_t>((bits[static_cast<size_t>(k >> 6)] >> (k & 63)) & 1);
}

} // namespace hm
