#include "random_source.h"

#include <chrono>
#include <cmath>

namespace corvane {

namespace {

std::uint64_t SystemClockTicks() {
    return static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

// SplitMix64's output function: every bit of the input reaches every bit of the output.
std::uint64_t Mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

constexpr std::uint64_t kGoldenGamma = 0x9E3779B97F4A7C15ULL;

}  // namespace

RandomSource::RandomSource() : RandomSource(SystemClockTicks(), SystemClockTicks) {}

RandomSource::RandomSource(std::uint64_t seed) : RandomSource(seed, [] { return 0ULL; }) {
    seeded_ = true;
}

RandomSource::RandomSource(std::uint64_t seed, Clock clock)
    : clock_(std::move(clock)), state_(seed) {}

double RandomSource::Uniform() {
    state_ = Mix(state_ ^ clock_()) + kGoldenGamma;
    return static_cast<double>(Mix(state_) >> 11) * 0x1.0p-53;
}

int RoundHalfEven(double x) {
    // The default rounding mode rounds to the nearest integer, halves to the even neighbour.
    return static_cast<int>(std::nearbyint(x));
}

}  // namespace corvane
