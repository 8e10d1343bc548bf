#pragma once

#include <cstdint>
#include <random>

namespace melvane {

// The game's one random generator: every stop, multiplier, payout draw, card and tune comes
// from it. Seeded once per run and never again: reseeding from a clock before each draw, as
// machines of old did, makes draws that happen within one tick of that clock repeat.
class RandomSource {
public:
    // Seeded from the system's entropy source, mixed with two clocks.
    RandomSource();
    // A fixed seed, for tools and tests that must repeat themselves.
    explicit RandomSource(std::uint64_t seed);

    // A uniform value in [0, 1): 53 random bits, every representable multiple of 2^-53 alike.
    double uniform() { return static_cast<double>(engine_() >> 11) * 0x1p-53; }

private:
    std::mt19937_64 engine_;
};

} // namespace melvane
