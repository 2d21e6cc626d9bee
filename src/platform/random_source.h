#pragma once

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
    void reseedFromClock() override;

private:
    std::mt19937 m_engine;
};

// Int((1 - r) * m): 0 .. m - 1, and m itself only when r is 0.
int drawBelow(float r, int m);

} // namespace vorbix
