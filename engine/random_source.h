#pragma once

#include <cstdint>
#include <functional>

namespace corvane {

// The game's random numbers. Every number is drawn after reseeding from a clock, as the deal has
// always done; the clock is mixed into a running state, so that numbers drawn within one tick of
// the clock still differ. A source built from a seed uses a clock that stands still, and so gives
// the same numbers every run.
class RandomSource {
public:
    using Clock = std::function<std::uint64_t()>;

    RandomSource();  // reseeded from the system clock
    explicit RandomSource(std::uint64_t seed);
    RandomSource(std::uint64_t seed, Clock clock);

    // Reseeds from the clock, then gives a uniform number in [0, 1).
    double Uniform();

    // Built from a seed alone: its clock stands still, and RandomSource(State()) goes on with
    // exactly the numbers this one would give next.
    bool Seeded() const { return seeded_; }
    std::uint64_t State() const { return state_; }

private:
    Clock clock_;
    std::uint64_t state_;
    bool seeded_ = false;
};

// Rounds to the nearest integer, halves to the even neighbour.
int RoundHalfEven(double x);

}  // namespace corvane
