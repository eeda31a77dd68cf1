#pragma once
// The program's one pseudo-random source. It is deterministic for a given
// seed, so that a random twill can be made again: the desktop program seeds it
// from the clock once, the headless tool from --seed.

#include <cstdint>

namespace hm {

class RandomSource {
  public:
    explicit RandomSource(uint64_t seed = 0) : state_(seed) {}

    void Seed(uint64_t seed) { state_ = seed; }
    // A whole number in 0..k-1; 0 when k <= 1.
    int Random(int k);
    // Random(2) = 1.
    bool Coin() { return Random(2) == 1; }

    // A seed from the clock, for the desktop program's start.
    static uint64_t ClockSeed();

  private:
    uint64_t Next();
    uint64_t state_;
};

} // namespace hm
