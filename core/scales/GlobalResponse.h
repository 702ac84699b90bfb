#pragma once

#include "core/scales/ResponseGrid.h"
#include "core/units/amp/AmpParams.h"
#include "core/units/processor/UnitParams.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace kelo {

/// What enters the output curves of the Global pages and the report's graph.
struct GlobalCurveSwitches {
    bool inputEq = true;     ///< "INCLUDE INPUT EQ" (processor families only)
    bool outputGains = true; ///< "INCLUDE OUTPUT GAINS" / the amplifier's "INCLUDE GAINS"
    bool outputEq = true;    ///< "INCLUDE OUTPUT EQ" / the amplifier's "INCLUDE EQ": EQ and crossover
};

/// The input (0 = A, 1 = B) whose EQ an output (0..5) carries under a routing mode: B for the outputs
/// input B feeds, A for the others, including the ones fed by the input sum. A stored mode above 7 is
/// taken as 7.
std::size_t inputFeedingOutput(std::uint32_t routingMode, std::size_t output);

/// The six output curves [dB] of a processor unit: per output the sum of its EQ and crossover, its gain
/// and the EQ of the input feeding it, each as its switch says. Not clipped for drawing.
void composeGlobalCurves(std::array<Curve, UnitParams::kOutputCount>& curves, const UnitParams& params,
                         const GlobalCurveSwitches& switches);

/// The two channel curves [dB] of an amplifier unit: crossover and ten output EQ bands, and the output
/// level. The channel-input EQ never enters them, whatever switches.inputEq says.
void composeGlobalCurves(std::array<Curve, AmpParams::kChannelCount>& curves, const AmpParams& params,
                         const GlobalCurveSwitches& switches);

} // namespace kelo
