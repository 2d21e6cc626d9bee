#pragma once

#include <cstdint>
#include <random>

namespace vorbix {

// Uniform single-precision numbers r with 0 <= r < 1, and a reseed from the
// system clock. The exercises draw through this so that tests can script the
// draws.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual float next() = 0;
    virtual void reseedFromClock() = 0;
};

class SystemRandomSource final : public RandomSource
{
public:
    SystemRandomSource();
    float next() override;
    // Two reseeds within one tick of the clock still give two different
    // sequences: a running count is mixed into the seed.
    void reseedFromClock() override;

private:
    std::mt19937 m_engine;
    std::uint64_t m_reseeds = 0;
};

// Int((1 - r) * m) in single precision, as the draws are defined: 0 .. m - 1,
// and m itself only when r is 0.
int drawBelow(float r, int m);

} // namespace vorbix
