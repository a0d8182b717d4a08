// Deterministic generator for the simulated traffic: the same seed and the same sequence of
// requests give the same figures on every run.
#pragma once

#include <cstdint>

namespace netvane::sim {

class Prng {
 public:
  explicit Prng(uint64_t seed) : state_(seed) {}

  uint64_t Next() {  // splitmix64
    state_ += 0x9E3779B97F4A7C15ULL;
    uint64_t z = state_;
    z = (z ^ (z >> 30U)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27U)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31U);
  }

  // Uniform in [lo, hi].
  uint32_t Between(uint32_t lo, uint32_t hi) {
    return lo + static_cast<uint32_t>(Next() % (static_cast<uint64_t>(hi - lo) + 1));
  }

 private:
  uint64_t state_;
};

}  // namespace netvane::sim
