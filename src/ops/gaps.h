#pragma once
// Opening and closing a gap in a 1-based sequence of elements (bytes, liftplan
// rows, tie-up lines): anything with operator[] whose elements can be assigned.

#include <algorithm>

namespace hm {

// Moves elements so that `count` places open at `from` within 1..size; the
// elements pushed beyond size are lost. The opened places keep old values.
template <typename Sequence> void OpenGap(Sequence& s, int from, int count, int size) {
    for (int i = size; i >= from + count; --i) s[i] = s[i - count];
}

// Closes the places from..from+count-1 within 1..size; the last `count`
// places keep their old values.
template <typename Sequence> void CloseGap(Sequence& s, int from, int count, int size) {
    for (int i = from; i <= size - count; ++i) s[i] = s[i + count];
}

// Orders from..to and cuts it to 1..size; false when nothing lies inside.
inline bool OrderedRange(int& from, int& to, int size) {
    if (to < from) std::swap(from, to);
    from = std::max(from, 1);
    to = std::min(to, size);
    return from <= to;
}

} // namespace hm
