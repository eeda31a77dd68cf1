#pragma once
// Sequences of equal-sized elements (threading entries, liftplan rows, colours)
// stretched by a whole factor or repeated from their start, in place.

#include <cstddef>
#include <cstdint>

namespace hm {

// Every element n (1-based) of the `count` elements of `size` bytes at `data`
// is repeated `factor` times: elements (n-1)*factor+1 .. n*factor take the old
// element n. What would fall beyond `count` is dropped. Nothing for factor <= 1.
void StretchElements(uint8_t* data, size_t size, int count, int factor);

// Elements repeat+1 .. min(limit, count) copy elements 1.. in turn, so that the
// first `repeat` elements repeat to the limit. Nothing when limit <= repeat or
// repeat < 1.
void ReplicateElements(uint8_t* data, size_t size, int count, int repeat, int limit);

} // namespace hm
