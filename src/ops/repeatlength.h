#pragma once
// The period search used by FindRepeats, Reduce to one repeat, Repeat and the
// repeat analysis.

#include <cstdint>
#include <functional>

#include "model/draft.h"

namespace hm {

struct RepeatSearch {
    int length = 0;     // the period, or L itself when no shorter one exists and L <= 2400
    bool found = false; // false when L > 2400 and no period was found, or L = 0
    int lastTried = 0;  // the largest period tried (min(L div 2, 2400))
    // The value left by a failed search: one more than the largest period tried.
    int NotFoundValue() const { return lastTried + 1; }
};

inline constexpr int MaxRepeatPeriod = 2400;

// Smallest p in 1..min(L div 2, 2400) with same(i, i - p) for every i in p+1..L
// (elements are 1-based).
RepeatSearch RepeatLength(int L, const std::function<bool(int, int)>& same);
// Over bytes elements[0..L-1] (element i at elements[i-1]).
RepeatSearch RepeatLength(const uint8_t* elements, int L); // elements[0] is element 1
// Over liftplan rows 1..L, compared over the bytes that cover columns 1..PatternShafts.
RepeatSearch LiftplanRepeatLength(const Draft& d, int L);
// Colour sequences: L = min(length, lastUsed); a length of exactly 4800 is searched as 4790.
RepeatSearch ColorRepeatLength(const uint8_t* elements, int length, int lastUsed);

} // namespace hm
