#pragma once

#include "core/units/processor/EqBand.h"

#include <array>
#include <cstdint>

namespace kelo {

/// One input (processor inputs A/B, amplifier channel inputs A/B).
struct InputChannel {
    static constexpr std::size_t kBandCount = 5;

    std::array<EqBand, kBandCount> bands{};
    /// ProcessorGainScale index 0..72 as the faders set it; a constructed record holds 99 until a
    /// factory program is applied.
    std::uint32_t gain = 99;
    std::uint32_t delayMm = 0; ///< delay as a distance [mm], 0..900000

    friend bool operator==(const InputChannel&, const InputChannel&) = default;
};

} // namespace kelo
