#include "ops/repeatlength.h"

#include <cstring>

namespace hm {

RepeatSearch RepeatLength(int L, const std::function<bool(int, int)>& same) {
    RepeatSearch result;
    if (L <= 0) return result;
    result.lastTried = std::min(L / 2, MaxRepeatPeriod);
    for (int p = 1; p <= result.lastTried; ++p) {
        // Every block of p repeats the first one, the last block cut at L.
        bool periodic = true;
        for (int i = p + 1; i <= L && periodic; ++i) periodic = same(i, i - p);
        if (periodic) {
            result.length = p;
            result.found = true;
            return result;
        }
    }
    if (L <= MaxRepeatPeriod) {
        result.length = L;
        result.found = true;
    }
    return result;
}

RepeatSearch RepeatLength(const uint8_t* elements, int L) {
    return RepeatLength(L, [elements](int i, int j) { return elements[i - 1] == elements[j - 1]; });
}

RepeatSearch LiftplanRepeatLength(const Draft& d, int L) {
    const size_t bytes =
        d.PatternShafts <= 0 ? 1 : static_cast<size_t>((d.PatternShafts - 1) / 8 + 1);
    const size_t compared = std::min(bytes, static_cast<size_t>(LiftplanRowBytes));
    return RepeatLength(std::min(L, MaxPicks), [&d, compared](int i, int j) {
        return std::memcmp(d.LiftplanRow(i), d.LiftplanRow(j), compared) == 0;
    });
}

RepeatSearch ColorRepeatLength(const uint8_t* elements, int length, int lastUsed) {
    int L = std::min(length, lastUsed);
    if (L == 4800) L = 4790;
    return RepeatLength(elements, L);
}

} // namespace hm
