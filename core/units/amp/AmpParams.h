#pragma once

#include "core/units/ProgramName.h"
#include "core/units/amp/CompressorSection.h"
#include "core/units/amp/HumSection.h"
#include "core/units/processor/GateSection.h"
#include "core/units/processor/InputChannel.h"
#include "core/units/processor/OutputChannel.h"

#include <array>
#include <cstdint>

namespace kelo {

/// An amplifier output: crossover, ten EQ bands, limiter, level, polarity, delay.
using AmpOutputChannel = BasicOutputChannel<10>;

/// One amplifier program (a stored user program, the factory program, and the first part of
/// AmpLiveParams). The member order is also the file order (see docs/system-file-format.md).
struct AmpParams {
    static constexpr std::size_t kChannelCount = 2;

    ProgramName name{};
    std::array<InputChannel, kChannelCount> inputs{}; ///< channel A, B inputs
    std::array<HumSection, kChannelCount> hum{};
    /// The amplifier's gates are constructed all zero (unlike the processor inputs' gates).
    std::array<GateSection, kChannelCount> gates{GateSection{0, 0, 0, 0}, GateSection{0, 0, 0, 0}};
    std::array<CompressorSection, kChannelCount> comp{};
    std::array<AmpOutputChannel, kChannelCount> outputs{}; ///< output A, B
    std::uint32_t reserved = 0;
    std::uint32_t used = 0; ///< slot-used flag

    friend bool operator==(const AmpParams&, const AmpParams&) = default;
};

} // namespace kelo
