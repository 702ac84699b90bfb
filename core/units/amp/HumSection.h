#pragma once

#include <cstdint>

namespace kelo {

/// An amplifier channel's hum canceller, in stored order.
struct HumSection {
    std::uint32_t attack = 0;    ///< AttackTimeScale index
    std::uint32_t release = 0;   ///< ReleaseTimeScale index
    std::uint32_t threshold = 0; ///< HumThresholdScale index
    std::uint32_t frequency = 0; ///< HumFrequencyScale index ((i + 400) x 0.1 Hz)

    friend bool operator==(const HumSection&, const HumSection&) = default;
};

} // namespace kelo
