#include "platform/random_source.h"

#include <chrono>
#include <cmath>

namespace vorbix {

SystemRandomSource::SystemRandomSource()
{
    reseedFromClock();
}

float SystemRandomSource::next()
{
    // generate_canonical may round up to 1.0f; such draws are taken again.
    for (;;) {
        const float r = std::generate_canonical<float, 24>(m_engine);
        if (r < 1.0f)
            return r;
    }
}

void SystemRandomSource::reseedFromClock()
{
    const auto now = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    ++m_reseeds;
    std::seed_seq seed{std::uint32_t(now), std::uint32_t(now >> 32), std::uint32_t(m_reseeds),
                       std::uint32_t(m_reseeds >> 32)};
    m_engine.seed(seed);
}

int drawBelow(float r, int m)
{
    // Every step stays in float: a double product differs from the single
    // one near whole numbers (r = 0.030000031, m = 100 gives 97, not 96).
    const float complement = 1.0f - r;
    const float product = complement * static_cast<float>(m);
    return static_cast<int>(std::floor(product));
}

} // namespace vorbix
