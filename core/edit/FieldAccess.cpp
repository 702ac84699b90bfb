#include "core/edit/FieldAccess.h"

#include "core/edit/FieldCatalogue.h"

namespace kelo {

namespace {

using enum Field;

constexpr std::uint16_t kFlatGainIndex = 30; // 0 dB

std::uint32_t* bandSlot(EqBand& band, Field field) {
    switch (field) {
    case InputEqType:
    case OutputEqType:
        return &band.type;
    case InputEqFrequency:
    case OutputEqFrequency:
        return &band.frequency;
    case InputEqBandwidth:
    case OutputEqBandwidth:
        return &band.bandwidth;
    case InputEqGain:
    case OutputEqGain:
        return &band.gain;
    case InputEqFlat:
    case OutputEqFlat:
        return &band.flat;
    default:
        return nullptr;
    }
}

template <class Output> std::uint32_t* outputSlot(Output& output, FieldRef ref) {
    switch (ref.field) {
    case OutputGain:
        return &output.gain;
    case OutputPolarity:
        return &output.polarity;
    case OutputDelay:
        return &output.delayMm;
    case LowPassType:
        return &output.crossover.lowPassType;
    case LowPassFrequency:
        return &output.crossover.lowPassFrequency;
    case Phase:
        return &output.crossover.phase;
    case HighPassType:
        return &output.crossover.highPassType;
    case HighPassFrequency:
        return &output.crossover.highPassFrequency;
    case LimiterSpeed:
        return &output.limiter.speed;
    case LimiterRatio:
        return &output.limiter.ratio;
    case LimiterThreshold:
        return &output.limiter.threshold;
    case OutputEqType:
    case OutputEqFrequency:
    case OutputEqBandwidth:
    case OutputEqGain:
    case OutputEqFlat:
        return bandSlot(output.bands[ref.band], ref.field);
    default:
        return nullptr;
    }
}

std::uint32_t* gateSlot(GateSection& gate, Field field) {
    switch (field) {
    case GateAttack:
        return &gate.attack;
    case GateRelease:
        return &gate.release;
    case GateThreshold:
        return &gate.threshold;
    case GateRange:
        return &gate.range;
    default:
        return nullptr;
    }
}

// The word of a field in a processor unit's live parameters; the catalogue has checked channel and band.
std::uint32_t* slot(ProcessorUnit& unit, FieldRef ref) {
    LiveParams& live = unit.live;
    switch (ref.field) {
    case InputGain:
        return &live.inputs[ref.channel].gain;
    case InputDelay:
        return &live.inputs[ref.channel].delayMm;
    case InputEqType:
    case InputEqFrequency:
    case InputEqBandwidth:
    case InputEqGain:
    case InputEqFlat:
        return bandSlot(live.inputs[ref.channel].bands[ref.band], ref.field);
    case GateAttack:
    case GateRelease:
    case GateThreshold:
    case GateRange:
        return gateSlot(live.gates[ref.channel], ref.field);
    case GateBypass:
        return &live.gateBypass[ref.channel];
    case SumDelay:
        return &live.sumDelayMm;
    case OutputMute:
        return &live.word(LiveParams::kFirstMuteWord + ref.channel);
    case InputGanging:
        return &live.inputGanging();
    case OutputGanging:
        return &live.outputGanging();
    case InputDelayUnit:
        return &live.inputDelayUnit();
    case OutputDelayUnit:
        return &live.outputDelayUnit();
    case Temperature:
        return &live.temperature();
    case TemperatureUnit:
        return &live.temperatureUnit();
    default:
        return outputSlot(live.outputs[ref.channel], ref);
    }
}

std::uint32_t* humSlot(HumSection& hum, Field field) {
    switch (field) {
    case HumAttack:
        return &hum.attack;
    case HumRelease:
        return &hum.release;
    case HumThreshold:
        return &hum.threshold;
    case HumFrequency:
        return &hum.frequency;
    default:
        return nullptr;
    }
}

std::uint32_t* slot(AmpUnit& unit, FieldRef ref) {
    AmpLiveParams& live = unit.live;
    const auto compWord = static_cast<int>(ref.field) - static_cast<int>(CompHighFrequency);
    if (compWord >= 0 && compWord < static_cast<int>(CompressorSection::kWordCount)) {
        return &live.comp[ref.channel].words[static_cast<std::size_t>(compWord)];
    }
    switch (ref.field) {
    case InputDelay:
        return &live.inputs[ref.channel].delayMm;
    case GateAttack:
    case GateRelease:
    case GateThreshold:
    case GateRange:
        return gateSlot(live.gates[ref.channel], ref.field);
    case HumAttack:
    case HumRelease:
    case HumThreshold:
    case HumFrequency:
        return humSlot(live.hum[ref.channel], ref.field);
    case OutputMute:
        return &live.word(AmpLiveParams::kFirstMuteWord + ref.channel);
    case HumBypass:
        return &live.word(AmpLiveParams::kFirstHumBypassWord + ref.channel);
    case GateBypass:
        return &live.word(AmpLiveParams::kFirstGateBypassWord + ref.channel);
    case CompBypass:
        return &live.word(AmpLiveParams::kFirstCompBypassWord + ref.channel);
    case Ganging:
        return &live.word(AmpLiveParams::kGangingWord);
    case DelayUnit:
        return &live.delayUnit();
    case Temperature:
        return &live.temperature();
    case TemperatureUnit:
        return &live.temperatureUnit();
    default:
        return outputSlot(live.outputs[ref.channel], ref);
    }
}

Family familyOf(const Unit& unit) {
    // Both processor families share one catalogue, so the 2-in/6-out one stands for both.
    return unit.isAmp() ? Family::TzAmp : Family::Tz48;
}

std::uint32_t* fieldSlot(Unit& unit, FieldRef ref) {
    if (!FieldCatalogue::of(familyOf(unit)).contains(ref)) {
        return nullptr;
    }
    return unit.visit([&](auto& record) { return slot(record, ref); });
}

} // namespace

std::optional<std::uint32_t> readField(const Unit& unit, FieldRef ref) {
    // The slot lookup only forms a pointer; nothing is written through it here.
    const std::uint32_t* word = fieldSlot(const_cast<Unit&>(unit), ref);
    if (word == nullptr) {
        return std::nullopt;
    }
    return *word;
}

bool writeField(Unit& unit, FieldRef ref, std::uint32_t value) {
    std::uint32_t* word = fieldSlot(unit, ref);
    if (word == nullptr) {
        return false;
    }
    if (ref.field == Ganging) {
        unit.amp()->live.setGanging(value != 0);
        return true;
    }
    *word = value;
    return true;
}

std::optional<std::uint16_t> sentValue(const Unit& unit, FieldRef ref) {
    const FieldCatalogue& catalogue = FieldCatalogue::of(familyOf(unit));
    const FieldSpec* spec = catalogue.spec(ref.field);
    const auto value = readField(unit, ref);
    if (spec == nullptr || !value) {
        return std::nullopt;
    }
    const auto clamp16 = [](std::uint32_t word) {
        return static_cast<std::uint16_t>(word > 0xFFFF ? 0xFFFF : word);
    };
    switch (spec->rule) {
    case SendRule::InvertedBypass:
        return static_cast<std::uint16_t>(*value != 0 ? 0 : 1);
    case SendRule::Flat: {
        const Field gainField = ref.field == InputEqFlat ? InputEqGain : OutputEqGain;
        return *value != 0 ? kFlatGainIndex
                           : clamp16(*readField(unit, FieldRef{gainField, ref.channel, ref.band}));
    }
    case SendRule::Plain:
        break;
    }
    const bool isGain = ref.field == InputEqGain || ref.field == OutputEqGain;
    if (isGain) {
        const Field flatField = ref.field == InputEqGain ? InputEqFlat : OutputEqFlat;
        if (readField(unit, FieldRef{flatField, ref.channel, ref.band}).value_or(0) != 0) {
            return kFlatGainIndex;
        }
    }
    return clamp16(*value);
}

} // namespace kelo
