#pragma once

#include "core/units/ProgramName.h"
#include "core/units/processor/GateSection.h"
#include "core/units/processor/InputChannel.h"
#include "core/units/processor/OutputChannel.h"

#include <array>
#include <cstdint>

namespace kelo {

/// One program of a processor unit (a stored user or factory program, and the first part of
/// LiveParams). Fields in their logical order; the file image orders them differently
/// (see docs/system-file-format.md).
struct UnitParams {
    static constexpr std::size_t kInputCount = 2;
    static constexpr std::size_t kOutputCount = 6;

    ProgramName name{};
    std::array<InputChannel, kInputCount> inputs{};          ///< A, B
    std::array<GateSection, kInputCount> gates{};            ///< gate of A, gate of B
    std::array<std::uint32_t, kInputCount> gateBypass{1, 1}; ///< 1 = bypassed
    std::array<OutputChannel, kOutputCount> outputs{};       ///< outputs 1..6
    std::uint32_t sumDelayMm = 0;                            ///< input sum ("M-Delay") delay [mm], 0..900000
    std::uint32_t routingMode = 1;                           ///< RoutingMode 0..7
    std::uint32_t used = 0; ///< slot-used flag: 1 when this stored program holds data

    friend bool operator==(const UnitParams&, const UnitParams&) = default;
};

} // namespace kelo
