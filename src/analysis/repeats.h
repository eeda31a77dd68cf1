#pragma once
// The repeat lengths that the repeats report shows.

#include "model/draft.h"

namespace hm {

// One sequence's repeat: its length (0 for an empty sequence), or no repeat at
// all when a sequence longer than 2400 has no period up to 2400.
struct SequenceRepeat {
    int length = 0;
    bool found = true;
};

struct DraftRepeats {
    SequenceRepeat patternThreading, warpColors, threadingA, threadingB;
    SequenceRepeat liftplan, weftColors, treadlingA, treadlingB;
};

// Every sequence is searched up to its own last used entry within the draft's
// size; the colours up to the last end (pick) that the threadings (treadlings
// and liftplan) in use reach. Works on the draft as it is, also in Design mode.
DraftRepeats FindDraftRepeats(const Draft& d);

// The total repeat of two sequences: the least common multiple of their
// lengths (lengths below 1 count as 1), or 0 when it exceeds `limit` or either
// has no repeat.
int TotalRepeat(SequenceRepeat a, SequenceRepeat b, int limit);

} // namespace hm
