#pragma once
#include <cstdint>

// SplitMix64: tiny and identical on every platform, so regenerated assets
// never change from one build to the next.
class Prng {
public:
    explicit Prng(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // Uniform in [0, 1).
    double uniform() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }

    // Uniform in [-1, 1).
    double bipolar() { return uniform() * 2.0 - 1.0; }

    // Uniform integer in [lo, hi].
    int between(int lo, int hi) { return lo + int(next() % std::uint64_t(hi - lo + 1)); }

private:
    std::uint64_t m_state;
};
