#include "analysis/floats.h"

#include <algorithm>
#include <vector>

#include "model/drawdown.h"

namespace hm {

namespace {

// A finished run that is at least as long as the longest so far. Runs of equal
// length keep the place that comes first in the walk's order.
void NoteLongRun(FloatStats& s, int length, int end, int pick, bool before) {
    if (length > s.longest) {
        s.longest = length;
        s.longestCount = 1;
        s.end = end;
        s.pick = pick;
    } else {
        ++s.longestCount;
        if (before) {
            s.end = end;
            s.pick = pick;
        }
    }
}

void NoteWarpRun(FloatStats& s, int length, int end, int firstPick) {
    // Warp runs finish pick by pick; their order is end first, then pick.
    const bool before = end < s.end || (end == s.end && firstPick < s.pick);
    NoteLongRun(s, length, end, firstPick, before);
}

void NoteWeftRun(FloatStats& s, int length, int firstEnd, int pick) {
    // Weft runs finish in the walk's own order, so an equal one never comes first.
    NoteLongRun(s, length, firstEnd, pick, false);
}

} // namespace

FloatCounts CountFloats(const Draft& d, int ends, int picks) {
    FloatCounts result;
    const int limit = d.DesignMode ? DesignSize : MaxEnds;
    ends = std::clamp(ends, 0, limit);
    picks = std::clamp(picks, 0, d.DesignMode ? DesignSize : MaxPicks);
    if (ends == 0 || picks == 0) return result;

    const size_t n = static_cast<size_t>(ends);
    std::vector<uint8_t> row(n), previous(n);
    std::vector<int32_t> warpRun(n, 0); // length of each end's current run
    FloatStats* warp[2] = {&result.warpUnder, &result.warpOver};
    FloatStats* weft[2] = {&result.weftOver, &result.weftUnder}; // indexed by warp up
    int64_t warpUpCells = 0, warpRunStarts = 0, warpUpRunStarts = 0;
    int64_t weftRunStarts = 0, weftUnderRunStarts = 0;

    const DrawdownRows drawdown(d);
    for (int p = 1; p <= picks; ++p) {
        drawdown.WarpOnTopRow(p, 1, ends, row.data());

        // Warp: each end's run goes on where the end stays on the same face and
        // ends (to be looked at) where it changes.
        if (p == 1) {
            for (size_t k = 0; k < n; ++k) {
                warpRun[k] = 1;
                warpUpCells += row[k];
                warpUpRunStarts += row[k];
            }
            warpRunStarts += ends;
        } else {
            for (size_t k = 0; k < n; ++k) {
                const uint8_t up = row[k];
                const uint8_t was = previous[k];
                const int32_t run = warpRun[k];
                const bool changed = up != was;
                // Bitwise, so that the common case takes no hard-to-predict branch.
                if (changed & (run >= warp[was]->longest))
                    NoteWarpRun(*warp[was], run, static_cast<int>(k) + 1, p - run);
                warpRun[k] = changed ? 1 : run + 1;
                warpUpCells += up;
                warpRunStarts += changed;
                warpUpRunStarts += changed & up;
            }
        }

        // Weft: runs along the pick.
        int run = 1;
        weftRunStarts += 1;
        weftUnderRunStarts += row[0];
        for (size_t k = 1; k < n; ++k) {
            const uint8_t up = row[k];
            const uint8_t was = row[k - 1];
            const bool changed = up != was;
            if (changed & (run >= weft[was]->longest))
                NoteWeftRun(*weft[was], run, static_cast<int>(k) - run + 1, p);
            run = changed ? 1 : run + 1;
            weftRunStarts += changed;
            weftUnderRunStarts += changed & up;
        }
        const uint8_t last = row[n - 1];
        if (run >= weft[last]->longest) NoteWeftRun(*weft[last], run, ends - run + 1, p);

        std::swap(row, previous);
    }
    // The runs still open at the last pick.
    for (size_t k = 0; k < n; ++k) {
        const uint8_t was = previous[k];
        const int32_t run = warpRun[k];
        if (run >= warp[was]->longest)
            NoteWarpRun(*warp[was], run, static_cast<int>(k) + 1, picks - run + 1);
    }

    // Run counts and lengths follow from the cells and the run starts: every
    // cell lies in exactly one warp run and one weft run.
    const int64_t cells = static_cast<int64_t>(ends) * picks;
    result.warpOver.total = warpUpCells;
    result.warpUnder.total = cells - warpUpCells;
    result.warpOver.runs = warpUpRunStarts;
    result.warpUnder.runs = warpRunStarts - warpUpRunStarts;
    result.weftOver.total = cells - warpUpCells;
    result.weftUnder.total = warpUpCells;
    result.weftUnder.runs = weftUnderRunStarts;
    result.weftOver.runs = weftRunStarts - weftUnderRunStarts;
    return result;
}

} // namespace hm
