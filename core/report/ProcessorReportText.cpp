#include "core/report/EqBandTexts.h"
#include "core/report/UnitReport.h"

#include "core/scales/CompositeText.h"
#include "core/scales/DelayConversion.h"
#include "core/scales/NameList.h"
#include "core/scales/RuleScale.h"

namespace kelo::report {

namespace {

GateText gateText(const GateSection& gate, std::uint32_t bypass) {
    return GateText{GateThresholdScale.text(gate.threshold), GateRangeScale.text(gate.range),
                    AttackTimeScale.text(gate.attack), ReleaseTimeScale.numberText(gate.release) + "s",
                    onOffName(bypass)};
}

} // namespace

ProcessorReportText processorReportText(const ProcessorUnit& unit) {
    const LiveParams& live = unit.live;
    const std::uint32_t temperature = live.temperature();
    ProcessorReportText text;
    for (std::size_t i = 0; i < UnitParams::kInputCount; ++i) {
        const InputChannel& input = live.inputs[i];
        text.inputGains[i] = ProcessorGainScale.text(input.gain);
        text.gates[i] = gateText(live.gates[i], live.gateBypass[i]);
        text.inputDelays[i] = DelayText(input.delayMm, live.inputDelayUnit(), temperature);
        text.inputEq[i] = inputEqTexts(input.bands);
    }
    // The input sum's delay sits in the input delay group and shares its display unit.
    text.inputDelays[2] = DelayText(live.sumDelayMm, live.inputDelayUnit(), temperature);
    for (std::size_t o = 0; o < UnitParams::kOutputCount; ++o) {
        const OutputChannel& output = live.outputs[o];
        const CrossoverSection& crossover = output.crossover;
        ProcessorOutputText& out = text.outputs[o];
        out.gain = ProcessorGainScale.text(output.gain);
        out.polarity = PolarityNames.clampedName(output.polarity);
        out.delay = DelayText(output.delayMm, live.outputDelayUnit(), temperature);
        out.highPass = crossoverText(crossover.highPassFrequency, crossover.highPassType);
        out.lowPass = crossoverText(crossover.lowPassFrequency, crossover.lowPassType);
        out.phase = PhaseScale.text(crossover.phase);
        out.limiter = limiterText(output.limiter.threshold, output.limiter.speed, output.limiter.ratio);
        out.eq = outputEqTexts(output.bands, crossover);
    }
    return text;
}

} // namespace kelo::report
