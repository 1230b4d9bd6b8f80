#pragma once

#include <cstdint>

namespace quillon::samplegame {

// A small generator of our own (splitmix64): unlike the standard
// distributions it gives the same numbers with every compiler and library,
// so a seed always reproduces the same files.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 0x1234567ull) {}

    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // Uniform in lo..hi, both included.
    int between(int lo, int hi) {
        if (hi <= lo)
            return lo;
        return lo + int(next() % std::uint64_t(hi - lo + 1));
    }

    bool chance(int percent) { return between(0, 99) < percent; }

    // Uniform in -1..1.
    double signedUnit() { return double(next() >> 11) / double(1ull << 52) - 1.0; }

    template <typename T, std::size_t N> const T& pick(const T (&items)[N]) {
        return items[between(0, int(N) - 1)];
    }

private:
    std::uint64_t state_;
};

} // namespace quillon::samplegame
