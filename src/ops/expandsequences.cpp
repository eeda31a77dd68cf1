#include "ops/expandsequences.h"

#include <algorithm>
#include <cstring>

namespace hm {

void StretchElements(uint8_t* data, size_t size, int count, int factor) {
    if (factor <= 1 || count <= 0) return;
    // From the highest element down: the copies of element n lie at or after
    // n, over elements that have already been copied themselves.
    const int sources = (count + factor - 1) / factor;
    for (int n = sources; n >= 1; --n) {
        const uint8_t* from = data + static_cast<size_t>(n - 1) * size;
        const int first = (n - 1) * factor + 1;
        for (int i = std::min(n * factor, count); i >= first; --i)
            std::memmove(data + static_cast<size_t>(i - 1) * size, from, size);
    }
}

void ReplicateElements(uint8_t* data, size_t size, int count, int repeat, int limit) {
    limit = std::min(limit, count);
    if (repeat < 1 || limit <= repeat) return;
    // The part already repeated is copied after itself, doubling it each time;
    // it always holds whole repeats, so every copy starts in step.
    int done = repeat;
    while (done < limit) {
        const int chunk = std::min(done, limit - done);
        std::memcpy(data + static_cast<size_t>(done) * size, data,
                    static_cast<size_t>(chunk) * size);
        done += chunk;
    }
}

} // namespace hm
