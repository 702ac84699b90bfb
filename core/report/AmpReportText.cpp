#include "core/report/EqBandTexts.h"
#include "core/report/UnitReport.h"

#include "core/scales/CompositeText.h"
#include "core/scales/DelayConversion.h"
#include "core/scales/FrequencyScale.h"
#include "core/scales/NameList.h"
#include "core/scales/RuleScale.h"

#include <algorithm>

namespace kelo::report {

namespace {

/// The compressor's ratio lists stop before the limiter entry.
constexpr std::uint32_t kLastCompressorRatio = 13;

std::string releaseText(std::uint32_t index) {
    return ReleaseTimeScale.numberText(index) + "s";
}

std::string ratioText(std::uint32_t index) {
    return LimiterRatioNames.clampedName(std::min(index, kLastCompressorRatio));
}

std::array<std::string, 14> multiCompText(const CompressorSection& comp, std::uint32_t bypass) {
    // Words 1..6: high band frequency, attack, release, ratio, threshold, gain; 7..12 the low band;
    // 13 the gain between the bands.
    return {BoostThresholdScale.text(comp.word(11)),
            BoostLowFrequency.text(comp.word(7)),
            ratioText(comp.word(10)),
            BoostGainScale.text(comp.word(12)),
            AttackTimeScale.text(comp.word(8)),
            releaseText(comp.word(9)),
            BoostGainScale.text(comp.word(13)),
            BoostThresholdScale.text(comp.word(5)),
            BoostHighFrequency.text(comp.word(1)),
            ratioText(comp.word(4)),
            BoostGainScale.text(comp.word(6)),
            AttackTimeScale.text(comp.word(2)),
            releaseText(comp.word(3)),
            onOffName(bypass)};
}

} // namespace

AmpReportText ampReportText(const AmpUnit& unit) {
    const AmpLiveParams& live = unit.live;
    AmpReportText text;
    for (std::size_t c = 0; c < AmpParams::kChannelCount; ++c) {
        const AmpOutputChannel& output = live.outputs[c];
        const CrossoverSection& crossover = output.crossover;
        AmpChannelText& channel = text.channels[c];
        // The channel fader sets the output level; the delay the user edits is the channel-input delay.
        channel.gain = AmpInputGainScale.text(output.gain);
        channel.delay = DelayText(live.inputs[c].delayMm, live.delayUnit(), live.temperature());
        channel.polarity = PolarityNames.clampedName(output.polarity);
        channel.phase = PhaseScale.text(crossover.phase);
        channel.highPass = crossoverText(crossover.highPassFrequency, crossover.highPassType);
        channel.lowPass = crossoverText(crossover.lowPassFrequency, crossover.lowPassType);
        channel.limiter =
            ampCompressorText(output.limiter.threshold, output.limiter.speed, output.limiter.ratio);
        channel.eq = outputEqTexts(output.bands, crossover);

        const HumSection& hum = live.hum[c];
        text.hum[c] =
            HumText{HumFrequencyScale.text(hum.frequency), HumThresholdScale.text(hum.threshold),
                    AttackTimeScale.text(hum.attack), releaseText(hum.release), onOffName(live.humBypass(c))};
        const GateSection& gate = live.gates[c];
        text.gates[c] = GateText{GateThresholdScale.text(gate.threshold), GateRangeScale.text(gate.range),
                                 AttackTimeScale.text(gate.attack), releaseText(gate.release),
                                 onOffName(live.gateBypass(c))};
        text.multiComp[c] = multiCompText(live.comp[c], live.compBypass(c));
    }
    return text;
}

} // namespace kelo::report
