#pragma once

#include <cstdint>

namespace kelo {

/// An output's crossover: the low-pass and high-pass filters, in stored order.
struct CrossoverSection {
    std::uint32_t lowPassType = 0;        ///< CrossoverTypeNames index (0 "Thru")
    std::uint32_t lowPassFrequency = 120; ///< FrequencyScale index (120 = 1 kHz)
    std::uint32_t phase = 0;
    std::uint32_t highPassType = 9;       ///< CrossoverTypeNames index (9 "Link-Riley 24dB")
    std::uint32_t highPassFrequency = 60; ///< FrequencyScale index (60 = 125 Hz)

    friend bool operator==(const CrossoverSection&, const CrossoverSection&) = default;
};

} // namespace kelo
