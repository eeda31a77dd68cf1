#include "model/design.h"

#include <array>
#include <cstring>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "ops/repeatlength.h"

namespace hm {

void BuildDesign(Draft& d, int ends, int picks) {
    ends = std::min(ends, DesignSize);
    picks = std::min(picks, DesignSize);
    for (int p = 1; p <= picks; ++p) {
        for (int e = 1; e <= ends; ++e) {
            const int ps = d.PatternThreading[e];
            d.SetDesignCell(p, e, ps > 0 && ps <= MaxPatternShafts && d.GetLiftplan(p, ps));
        }
    }
}

namespace {

// Columns 1..ends of rows 1..picks of the picture, each packed into 64-bit words.
class PictureColumns {
  public:
    PictureColumns(const Draft& d, int ends, int picks)
        : words_((picks + 63) / 64),
          bits_(static_cast<size_t>(ends) * static_cast<size_t>(words_)) {
        const int bytesUsed = (ends + 7) / 8;
        for (int r = 1; r <= picks; ++r) {
            const uint8_t* row = d.DesignRow(r);
            const uint64_t rowBit = uint64_t{1} << ((r - 1) % 64);
            const int rowWord = (r - 1) / 64;
            for (int b = 0; b < bytesUsed; ++b) {
                unsigned v = row[b];
                while (v) {
                    const int bit = __builtin_ctz(v);
                    v &= v - 1;
                    const int c = b * 8 + bit + 1;
                    if (c <= ends) Column(c)[rowWord] |= rowBit;
                }
            }
        }
    }
    uint64_t* Column(int c) {
        return &bits_[static_cast<size_t>(c - 1) * static_cast<size_t>(words_)];
    }
    std::string_view Bytes(int c) {
        return {reinterpret_cast<const char*>(Column(c)), static_cast<size_t>(words_) * 8};
    }
    bool Empty(int c) {
        const uint64_t* w = Column(c);
        for (int i = 0; i < words_; ++i)
            if (w[i]) return false;
        return true;
    }

  private:
    int words_;
    std::vector<uint64_t> bits_;
};

} // namespace

int NumberColumns(Draft& d, int ends, int picks, bool stopAbove128) {
    ends = std::min(ends, DesignSize);
    picks = std::min(picks, DesignSize);
    if (ends < 1 || picks < 1) return 0;
    PictureColumns columns(d, ends, picks);
    // Equal columns always share a shaft, so the shaft of the first equal column
    // found is the shaft of any earlier equal column.
    std::unordered_map<std::string_view, uint8_t> shaftOfColumn;
    shaftOfColumn.reserve(static_cast<size_t>(ends));
    int count = 0;
    for (int c = 1; c <= ends; ++c) {
        d.PatternThreading[c] = 0;
        if (columns.Empty(c)) continue;
        auto [it, inserted] = shaftOfColumn.try_emplace(columns.Bytes(c), uint8_t{0});
        if (inserted) {
            ++count;
            it->second = count <= MaxPatternShafts ? static_cast<uint8_t>(count) : 0;
        }
        d.PatternThreading[c] = it->second;
        if (stopAbove128 && count > MaxPatternShafts) break;
    }
    return count;
}

void BuildLiftplanFromDesign(Draft& d, int ends, int picks) {
    ends = std::min(ends, DesignSize);
    picks = std::min(picks, MaxPicks);
    for (int p = 1; p <= picks; ++p) {
        std::memset(d.LiftplanRow(p), 0, LiftplanRowBytes);
        if (p > DesignSize) continue;
        for (int e = 1; e <= ends; ++e) {
            const int ps = d.PatternThreading[e];
            if (ps > 0 && ps <= MaxPatternShafts && d.GetDesignCell(p, e))
                d.SetLiftplan(p, ps, true);
        }
    }
}

namespace {

// BuildLiftplanFromDesign right after NumberColumns over the same ends and
// picks: every column of a shaft then has the same cells, so the first column
// of each shaft stands for all of them, and a row costs one read per shaft
// instead of one per end.
void LiftplanFromNumberedColumns(Draft& d, int ends, int picks) {
    std::array<int, MaxPatternShafts + 1> firstEnd{};
    for (int e = ends; e >= 1; --e) {
        const int s = d.PatternThreading[e];
        if (s > 0 && s <= MaxPatternShafts) firstEnd[static_cast<size_t>(s)] = e;
    }
    for (int p = 1; p <= picks; ++p) {
        uint8_t* row = d.LiftplanRow(p);
        std::memset(row, 0, LiftplanRowBytes);
        for (int s = 1; s <= MaxPatternShafts; ++s) {
            const int e = firstEnd[static_cast<size_t>(s)];
            if (e > 0 && d.GetDesignCell(p, e))
                row[(s - 1) / 8] |= static_cast<uint8_t>(1u << ((s - 1) % 8));
        }
    }
}

} // namespace

void AnalyzeDesign(Draft& d, int ends, int picks) {
    ends = std::min(ends, DesignSize);
    picks = std::min(picks, DesignSize);
    d.UpdateDesignExtents();
    ends = std::max(ends, d.UsedEnds);
    picks = std::max(picks, d.UsedPicks);
    const int count = NumberColumns(d, ends, picks, false);
    if (count > 0) d.PatternShafts = count;
    d.PatternShafts = std::clamp(d.PatternShafts, 2, MaxPatternShafts);
    d.LiftplanWidth = d.PatternShafts;
    LiftplanFromNumberedColumns(d, ends, picks);
    d.ClearPatternThreading(ends + 1);
    d.ClearLiftplan(picks + 1);
}

void AnalyzeDesignFull(Draft& d) {
    AnalyzeDesign(d, DesignSize, DesignSize);
}

namespace {

// A repeat number as FindRepeats keeps it: 0 for an empty sequence, the period
// when one is found, else one more than the largest period tried.
int32_t RepeatNumber(int lastUsed, const RepeatSearch& search) {
    if (lastUsed == 0) return 0;
    return search.found ? search.length : search.NotFoundValue();
}

} // namespace

void FindRepeats(Draft& d) {
    d.UsedEnds = d.LastPatternEnd(d.Ends);
    d.WarpRepeat = RepeatNumber(
        d.UsedEnds, RepeatLength(d.PatternThreading.data(), std::min(d.Ends, d.UsedEnds)));

    d.UsedPicks = d.LastLiftplanPick(d.Picks);
    d.WeftRepeat =
        RepeatNumber(d.UsedPicks, LiftplanRepeatLength(d, std::min(d.Picks, d.UsedPicks)));

    const int lastEnd = d.LastUsedEnd(d.Ends);
    d.WarpColorRepeat = RepeatNumber(std::min(d.Ends, lastEnd),
                                     ColorRepeatLength(d.WarpColors.data(), d.Ends, lastEnd));
    const int lastPick = d.LastUsedPick(d.Picks);
    d.WeftColorRepeat = RepeatNumber(std::min(d.Picks, lastPick),
                                     ColorRepeatLength(d.WeftColors.data(), d.Picks, lastPick));
}

} // namespace hm
