#pragma once

#include <cstdint>

namespace corvane::expert {

// A small fast generator for the sampled deals, seeded from what the player sees (SplitMix64).
class SplitMix {
public:
    explicit SplitMix(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // Uniform in [0, n).
    int Below(int n) {
        return static_cast<int>((Next() >> 32) * static_cast<std::uint64_t>(n) >> 32);
    }

private:
    std::uint64_t state_;
};

}  // namespace corvane::expert
