#pragma once

#include <cstdint>

namespace kelo {

/// An output's limiter, in stored order.
struct LimiterSection {
    std::uint32_t speed = 0;       ///< attack/release set, LimiterSpeedNames index
    std::uint32_t ratio = 0;       ///< LimiterRatioNames index
    std::uint32_t threshold = 100; ///< LevelTextTable index

    friend bool operator==(const LimiterSection&, const LimiterSection&) = default;
};

} // namespace kelo
