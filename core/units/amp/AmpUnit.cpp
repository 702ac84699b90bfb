#include "core/units/amp/AmpUnit.h"

namespace kelo {
namespace {

AmpParams buildFactoryProgram() {
    AmpParams program;
    program.name = makeProgramName(" *Default*  ");
    for (std::size_t channel = 0; channel < AmpParams::kChannelCount; ++channel) {
        program.hum[channel] = HumSection{1, 49, 0, 100};
        program.gates[channel] = GateSection{1, 49, 10, 110};
        program.comp[channel].words = {18, 0, 0, 0, 74, 36, 0, 0, 0, 0, 74, 36, 36};
        AmpOutputChannel& output = program.outputs[channel];
        output.crossover = CrossoverSection{0, 120, 0, 0, 120};
        for (EqBand& band : output.bands) {
            band.flat = 1;
        }
        output.limiter = LimiterSection{1, 14, 102};
        output.gain = 99;
    }
    program.used = 1;
    return program;
}

} // namespace

const AmpParams& ampFactoryProgram() {
    static const AmpParams program = buildFactoryProgram();
    return program;
}

AmpUnit makeAmpUnit() {
    AmpUnit unit;
    unit.live.loadProgram(ampFactoryProgram());
    unit.programs.fill(ampFactoryProgram());
    return unit;
}

void resetAsNewUnit(AmpUnit& unit) {
    unit.live.loadProgram(ampFactoryProgram());
    unit.live.currentProgram() = 0;
    for (AmpParams& program : unit.programs) {
        program = ampFactoryProgram();
        program.used = 0;
    }
}

} // namespace kelo
