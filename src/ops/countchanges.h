#pragma once
// The follow-up after the counts of a draft were changed (Options dialog): what
// lies beyond a smaller end or pick count is cleared, and threading and
// treadling entries above a smaller shaft or treadle count are folded back into
// range.

#include "model/draft.h"

namespace hm {

struct DraftCounts {
    int Ends = 0;
    int Picks = 0;
    int PatternShafts = 0;
    int ShaftsA = 0;
    int ShaftsB = 0;
    int TreadlesA = 0;
    int TreadlesB = 0;

    bool operator==(const DraftCounts&) const = default;
};

DraftCounts CountsOf(const Draft& d);

// An entry v above n becomes v mod n, where 0 becomes n; entries 0..n stay.
uint8_t FoldEntry(uint8_t v, int n);

// Compares the draft's counts with `before`:
// - Ends smaller: pattern threading, threadings A and B cleared from Ends+1 on,
//   warp colours there reset to the default colour;
// - Picks smaller: liftplan, treadlings A and B cleared from Picks+1 on, weft
//   colours there reset;
// - PatternShafts, ShaftsA or ShaftsB smaller: the count is clamped to its
//   capacity and every entry of its threading above it is folded;
// - TreadlesA or TreadlesB smaller: likewise for the treadlings.
// Counts are first kept within their capacities, so a bad count cannot make
// the draft inconsistent.
void ApplyCountChanges(Draft& d, const DraftCounts& before);

} // namespace hm
