#include "ops/randomsource.h"

#include <chrono>

namespace hm {

// SplitMix64: one 64-bit word of state, good spread even from small seeds.
uint64_t RandomSource::Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

int RandomSource::Random(int k) {
    if (k <= 1) return 0;
    // The high 32 bits scaled to 0..k-1; the bias is below 2^-32 * k.
    const uint64_t high = Next() >> 32;
    return static_cast<int>((high * static_cast<uint64_t>(k)) >> 32);
}

uint64_t RandomSource::ClockSeed() {
    return static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

} // namespace hm
