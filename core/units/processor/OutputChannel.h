#pragma once

#include "core/units/processor/CrossoverSection.h"
#include "core/units/processor/EqBand.h"
#include "core/units/processor/LimiterSection.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace kelo {

/// One output channel. The number of EQ bands is fixed per family (5 for the processors, 10 for the
/// amplifier) and is not stored in files, so it is part of the type.
template <std::size_t BandCount> struct BasicOutputChannel {
    static constexpr std::size_t kBandCount = BandCount;

    CrossoverSection crossover{};
    std::array<EqBand, BandCount> bands{};
    LimiterSection limiter{};
    std::uint32_t gain = 60;    ///< ProcessorGainScale index 0..72 (60 = 0 dB)
    std::uint32_t polarity = 0; ///< 0 normal, 1 reversed
    std::uint32_t delayMm = 0;  ///< delay as a distance [mm]

    friend bool operator==(const BasicOutputChannel&, const BasicOutputChannel&) = default;
};

/// A processor output (outputs 1..6 of both processor families): 5 EQ bands.
using OutputChannel = BasicOutputChannel<5>;

} // namespace kelo
