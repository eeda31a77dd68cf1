#pragma once
// Small helpers shared by the operation tests.

#include <memory>
#include <vector>

#include "model/draft.h"

namespace hmtest {

// Entries from..to (1-based, inclusive) of a threading, treadling or colour row.
template <int N> std::vector<int> Entries(const hm::OneBasedBytes<N>& a, int from, int to) {
    return std::vector<int>(a.bytes.begin() + from - 1, a.bytes.begin() + to);
}

// A cleared draft of the given size.
inline std::unique_ptr<hm::Draft> EmptyDraftOf(int ends, int picks) {
    auto d = std::make_unique<hm::Draft>();
    d->ClearDraft();
    d->Ends = ends;
    d->Picks = picks;
    return d;
}

} // namespace hmtest
