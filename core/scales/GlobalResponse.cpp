#include "core/scales/GlobalResponse.h"

#include "core/scales/BiquadSection.h"
#include "core/scales/ChannelResponse.h"
#include "core/scales/RuleScale.h"

#include <algorithm>

namespace kelo {

namespace {

constexpr std::uint32_t kLastRoutingMode = 7;

// Outputs (bit n = output n + 1) fed by input B, per routing mode: "*A13B24S56*", "*A135B246*",
// "*A1234S56*", "*A123B4S56*", "*A12345S6*", "*A1234B5S6*", "*A123456*", "*A12345B6*".
constexpr std::array<unsigned, kLastRoutingMode + 1> kOutputsFedByB{0b001010, 0b101010, 0, 0b001000,
                                                                    0,        0b010000, 0, 0b100000};

} // namespace

std::size_t inputFeedingOutput(std::uint32_t routingMode, std::size_t output) {
    const unsigned fedByB = kOutputsFedByB[std::min(routingMode, kLastRoutingMode)];
    return output < UnitParams::kOutputCount && ((fedByB >> output) & 1U) != 0 ? 1 : 0;
}

void composeGlobalCurves(std::array<Curve, UnitParams::kOutputCount>& curves, const UnitParams& params,
                         const GlobalCurveSwitches& switches) {
    std::array<PowerAccumulator, UnitParams::kInputCount> inputs;
    if (switches.inputEq) {
        for (std::size_t i = 0; i < UnitParams::kInputCount; ++i) {
            accumulateEqualizer(inputs[i], params.inputs[i].bands);
        }
    }
    PowerAccumulator power;
    for (std::size_t o = 0; o < UnitParams::kOutputCount; ++o) {
        const OutputChannel& output = params.outputs[o];
        power = inputs[inputFeedingOutput(params.routingMode, o)];
        if (switches.outputEq) {
            accumulateChannel(power, output.crossover, output.bands);
        }
        power.writeDb(curves[o], switches.outputGains ? ProcessorGainScale.value(output.gain) : 0.0);
    }
}

void composeGlobalCurves(std::array<Curve, AmpParams::kChannelCount>& curves, const AmpParams& params,
                         const GlobalCurveSwitches& switches) {
    PowerAccumulator power;
    for (std::size_t c = 0; c < AmpParams::kChannelCount; ++c) {
        const AmpOutputChannel& output = params.outputs[c];
        power.reset();
        if (switches.outputEq) {
            accumulateChannel(power, output.crossover, output.bands);
        }
        power.writeDb(curves[c], switches.outputGains ? AmpInputGainScale.value(output.gain) : 0.0);
    }
}

} // namespace kelo
