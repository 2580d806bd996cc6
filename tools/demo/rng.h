#pragma once
// A small deterministic random source (SplitMix64).  The standard
// distributions are not the same on every library, so ranges and choices are
// computed here: the same seed gives the same catalogue everywhere.

#include <cstdint>
#include <vector>

namespace demo {

class Rng {
public:
    explicit Rng(std::uint64_t seed) : m_state(seed) {}

    // A source for one named part of the content, independent of how much
    // was drawn from this one.
    Rng derive(std::uint64_t salt) const { return Rng(mix(m_state ^ mix(salt + 0x632BE59BD9B4E019ULL))); }

    std::uint64_t next()
    {
        m_state += 0x9E3779B97F4A7C15ULL;
        return mix(m_state);
    }
    // Uniform in [lo, hi] (inclusive).
    int range(int lo, int hi)
    {
        if (hi <= lo)
            return lo;
        const std::uint64_t span = std::uint64_t(hi - lo) + 1;
        return lo + int(next() % span);
    }
    double unit() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }
    double real(double lo, double hi) { return lo + (hi - lo) * unit(); }
    bool chance(double p) { return unit() < p; }
    template <typename T>
    const T& pick(const std::vector<T>& v) { return v[std::size_t(range(0, int(v.size()) - 1))]; }

private:
    static std::uint64_t mix(std::uint64_t z)
    {
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    std::uint64_t m_state;
};

}  // namespace demo
