#pragma once

#include <cstdint>

namespace orbeta {

// The uniform generator of the examples: the same seed gives the same
// sequence on every machine and compiler (SplitMix64, no library
// distributions). Rnd() has 24 random bits, like the Single it stands for,
// so that Int(Rnd() * k + c) is computed exactly in double for every k and c
// the generators use and can never reach k + c.
class RandomSource {
public:
    explicit RandomSource(std::uint64_t seed) : m_state(seed) {}

    // Uniform in [0, 1), a multiple of 2^-24.
    double Rnd();

private:
    std::uint64_t next();

    std::uint64_t m_state;
};

} // namespace orbeta
