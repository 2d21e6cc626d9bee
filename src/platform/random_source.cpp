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
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    m_engine.seed(static_cast<std::mt19937::result_type>(now ^ (now >> 32)));
}

int drawBelow(float r, int m)
{
    return static_cast<int>(std::floor((1.0f - r) * static_cast<double>(m)));
}

} // namespace vorbix
