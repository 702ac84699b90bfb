#pragma once

#include <cstdint>

namespace kelo {

/// One equaliser band. Every field is a scale index; the file and the memory images hold the five
/// fields as u32 in this order.
struct EqBand {
    std::uint32_t type = 2;        ///< EqTypeNames index (2 "Peaking")
    std::uint32_t frequency = 140; ///< FrequencyScale index 0..200 (140 = 2 kHz)
    std::uint32_t bandwidth = 19;  ///< EqBandwidthScale index (19 = 1.00 octave)
    std::uint32_t gain = 30;       ///< EqGainScale index 0..60 (30 = 0.0 dB)
    std::uint32_t flat = 0;        ///< 1: band switched off ("-Flat-"); the stored gain is kept

    friend bool operator==(const EqBand&, const EqBand&) = default;
};

} // namespace kelo
