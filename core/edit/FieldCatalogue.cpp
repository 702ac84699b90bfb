#include "core/edit/FieldCatalogue.h"

#include "core/scales/FrequencyScale.h"
#include "core/scales/LevelTextTable.h"
#include "core/scales/NameList.h"
#include "core/scales/RuleScale.h"
#include "core/scales/TemperatureScale.h"

#include <array>
#include <charconv>
#include <cstdio>

namespace kelo {

namespace {

using enum Field;
using VS = ValueScale;
using GG = GangGroup;
using IR = IndexRule;

constexpr std::uint32_t kInputDelayMaxMm = 900000;
constexpr std::uint32_t kOutputDelayMaxMm = 100000;
constexpr std::uint32_t kAmpDelayMaxMm = 200000;

// The five-band block codes, band 1..5 (on the amplifier bands 6..10).
constexpr std::array<std::uint8_t, 5> kBandBlocks{0x3A, 0x14, 0x13, 0x12, 0x11};
// The amplifier's bands 1..5 share one block; band b (0-based) starts at 128 - 32 b.
constexpr std::uint8_t kAmpLowBandBlock = 0x3C;

constexpr FieldSpec plain(Field field, std::string_view group, std::string_view member, std::uint8_t channels,
                          std::uint32_t maxIndex, VS scale, GG gang, std::uint8_t block, IR rule,
                          std::uint8_t offset, std::uint8_t fixedIndex = 0) {
    return FieldSpec{field, group,           member, channels, 0,          maxIndex, scale,
                     gang,  SendRule::Plain, block,  rule,     fixedIndex, offset};
}

constexpr FieldSpec band(Field field, std::string_view group, std::string_view member, std::uint8_t channels,
                         std::uint8_t bands, VS scale, GG gang, IR rule, std::uint8_t offset,
                         SendRule send = SendRule::Plain, std::uint32_t maxIndex = 0) {
    return FieldSpec{field, group, member, channels, bands, maxIndex, scale, gang, send, 0, rule, 0, offset};
}

constexpr FieldSpec withRule(FieldSpec spec, SendRule rule) {
    spec.rule = rule;
    return spec;
}

constexpr std::array kProcessorSpecs{
    plain(InputGain, "input", "gain", 2, 0, VS::ProcessorGain, GG::Inputs, 0x15, IR::Channel, 0x20),
    plain(InputDelay, "input", "delay", 2, kInputDelayMaxMm, VS::DelayDistance, GG::Inputs, 0x2A, IR::Channel,
          0x10),
    band(InputEqType, "input", "type", 2, 5, VS::EqType, GG::Inputs, IR::Channel, 0x30),
    band(InputEqFrequency, "input", "freq", 2, 5, VS::Frequency, GG::Inputs, IR::Channel, 0x08),
    band(InputEqBandwidth, "input", "bandwidth", 2, 5, VS::EqBandwidth, GG::Inputs, IR::Channel, 0x28),
    band(InputEqGain, "input", "gain", 2, 5, VS::EqGain, GG::Inputs, IR::Channel, 0x00),
    band(InputEqFlat, "input", "flat", 2, 5, VS::OnOff, GG::Inputs, IR::Channel, 0x00, SendRule::Flat, 1),
    plain(GateAttack, "gate", "attack", 2, 0, VS::AttackTime, GG::Inputs, 0x1F, IR::Channel, 0x00),
    plain(GateRelease, "gate", "release", 2, 0, VS::ReleaseTime, GG::Inputs, 0x1F, IR::Channel, 0x38),
    plain(GateThreshold, "gate", "threshold", 2, 0, VS::GateThreshold, GG::Inputs, 0x1F, IR::Channel, 0x40),
    plain(GateRange, "gate", "range", 2, 0, VS::GateRange, GG::Inputs, 0x1F, IR::Channel, 0x50),
    plain(GateBypass, "gate", "bypass", 2, 1, VS::OnOff, GG::Inputs, 0x1F, IR::Channel, 0xF8),
    plain(SumDelay, "sum", "delay", 0, kInputDelayMaxMm, VS::DelayDistance, GG::None, 0x2A, IR::Fixed, 0x10,
          2),
    plain(OutputGain, "output", "gain", 6, 0, VS::ProcessorGain, GG::Outputs, 0x15, IR::Output, 0x20),
    plain(OutputMute, "output", "mute", 6, 1, VS::OnOff, GG::Outputs, 0x35, IR::Output, 0x00),
    plain(OutputPolarity, "output", "polarity", 6, 1, VS::Polarity, GG::Outputs, 0x35, IR::Output, 0x09),
    plain(OutputDelay, "output", "delay", 6, kOutputDelayMaxMm, VS::DelayDistance, GG::Outputs, 0x2A,
          IR::Output, 0x10),
    plain(LowPassType, "output", "xover.lp_type", 6, 0, VS::CrossoverType, GG::Outputs, 0x38, IR::Output,
          0x00),
    plain(LowPassFrequency, "output", "xover.lp_freq", 6, 0, VS::Frequency, GG::Outputs, 0x38, IR::Output,
          0x08),
    plain(Phase, "output", "xover.phase", 6, 0, VS::Phase, GG::Outputs, 0x38, IR::Output, 0x10),
    plain(HighPassType, "output", "xover.hp_type", 6, 0, VS::CrossoverType, GG::Outputs, 0x39, IR::Output,
          0x00),
    plain(HighPassFrequency, "output", "xover.hp_freq", 6, 0, VS::Frequency, GG::Outputs, 0x39, IR::Output,
          0x08),
    band(OutputEqType, "output", "type", 6, 5, VS::EqType, GG::Outputs, IR::Output, 0x30),
    band(OutputEqFrequency, "output", "freq", 6, 5, VS::Frequency, GG::Outputs, IR::Output, 0x08),
    band(OutputEqBandwidth, "output", "bandwidth", 6, 5, VS::EqBandwidth, GG::Outputs, IR::Output, 0x28),
    band(OutputEqGain, "output", "gain", 6, 5, VS::EqGain, GG::Outputs, IR::Output, 0x00),
    band(OutputEqFlat, "output", "flat", 6, 5, VS::OnOff, GG::Outputs, IR::Output, 0x00, SendRule::Flat, 1),
    plain(LimiterSpeed, "output", "limiter.speed", 6, 0, VS::LimiterSpeed, GG::Outputs, 0x17, IR::Output,
          0x00),
    plain(LimiterRatio, "output", "limiter.ratio", 6, 0, VS::LimiterRatio, GG::Outputs, 0x17, IR::Output,
          0x30),
    plain(LimiterThreshold, "output", "limiter.threshold", 6, 0, VS::LevelText, GG::Outputs, 0x17, IR::Output,
          0x40),
    plain(InputGanging, "ganging", "input", 0, 1, VS::OnOff, GG::None, 0x35, IR::UnitWide, 0x0F),
    plain(OutputGanging, "ganging", "output", 0, 1, VS::OnOff, GG::None, 0x35, IR::UnitWide, 0x10),
    plain(InputDelayUnit, "delay_unit", "input", 0, 0, VS::DelayUnit, GG::None, 0x2A, IR::Fixed, 0x28, 2),
    plain(OutputDelayUnit, "delay_unit", "output", 0, 0, VS::DelayUnit, GG::None, 0x2A, IR::Fixed, 0x28,
          kFirstOutputIndex),
    plain(Temperature, "temperature", "", 0, 0, VS::Temperature, GG::None, 0x2A, IR::UnitWide, 0x20),
    plain(TemperatureUnit, "temperature_unit", "", 0, 0, VS::TemperatureUnit, GG::None, 0x2A, IR::UnitWide,
          0x30),
};

constexpr std::array kAmpSpecs{
    plain(OutputGain, "channel", "gain", 2, 0, VS::AmpGain, GG::Channels, 0x15, IR::Output, 0x20),
    plain(OutputMute, "channel", "mute", 2, 1, VS::OnOff, GG::Channels, 0x35, IR::Output, 0x00),
    plain(OutputPolarity, "channel", "polarity", 2, 1, VS::Polarity, GG::Channels, 0x35, IR::Output, 0x09),
    plain(InputDelay, "channel", "delay", 2, kAmpDelayMaxMm, VS::DelayDistance, GG::Channels, 0x2A,
          IR::Channel, 0x10),
    plain(LowPassType, "channel", "xover.lp_type", 2, 0, VS::CrossoverType, GG::Channels, 0x38, IR::Output,
          0x00),
    plain(LowPassFrequency, "channel", "xover.lp_freq", 2, 0, VS::Frequency, GG::Channels, 0x38, IR::Output,
          0x08),
    plain(Phase, "channel", "xover.phase", 2, 0, VS::Phase, GG::Channels, 0x38, IR::Output, 0x10),
    plain(HighPassType, "channel", "xover.hp_type", 2, 0, VS::CrossoverType, GG::Channels, 0x39, IR::Output,
          0x00),
    plain(HighPassFrequency, "channel", "xover.hp_freq", 2, 0, VS::Frequency, GG::Channels, 0x39, IR::Output,
          0x08),
    band(OutputEqType, "channel", "type", 2, 10, VS::EqType, GG::Channels, IR::Output, 0x30),
    band(OutputEqFrequency, "channel", "freq", 2, 10, VS::Frequency, GG::Channels, IR::Output, 0x08),
    band(OutputEqBandwidth, "channel", "bandwidth", 2, 10, VS::EqBandwidth, GG::Channels, IR::Output, 0x28),
    band(OutputEqGain, "channel", "gain", 2, 10, VS::EqGain, GG::Channels, IR::Output, 0x00),
    band(OutputEqFlat, "channel", "flat", 2, 10, VS::OnOff, GG::Channels, IR::Output, 0x00, SendRule::Flat,
         1),
    plain(LimiterSpeed, "channel", "limiter.speed", 2, 0, VS::LimiterSpeed, GG::Channels, 0x17, IR::Output,
          0x00),
    plain(LimiterRatio, "channel", "limiter.ratio", 2, 0, VS::LimiterRatio, GG::Channels, 0x17, IR::Output,
          0x30),
    plain(LimiterThreshold, "channel", "limiter.threshold", 2, 0, VS::AmpCompThreshold, GG::Channels, 0x17,
          IR::Output, 0x40),
    plain(HumAttack, "hum", "attack", 2, 0, VS::AttackTime, GG::Channels, 0x22, IR::Channel, 0x00),
    plain(HumRelease, "hum", "release", 2, 0, VS::ReleaseTime, GG::Channels, 0x22, IR::Channel, 0x08),
    plain(HumThreshold, "hum", "threshold", 2, 0, VS::HumThreshold, GG::Channels, 0x22, IR::Channel, 0x18),
    plain(HumFrequency, "hum", "freq", 2, 0, VS::HumFrequency, GG::Channels, 0x22, IR::Channel, 0x10),
    withRule(plain(HumBypass, "hum", "bypass", 2, 1, VS::OnOff, GG::Channels, 0x22, IR::Channel, 0xF8),
             SendRule::InvertedBypass),
    plain(GateAttack, "gate", "attack", 2, 0, VS::AttackTime, GG::Channels, 0x1F, IR::Channel, 0x00),
    plain(GateRelease, "gate", "release", 2, 0, VS::ReleaseTime, GG::Channels, 0x1F, IR::Channel, 0x38),
    plain(GateThreshold, "gate", "threshold", 2, 0, VS::GateThreshold, GG::Channels, 0x1F, IR::Channel, 0x40),
    plain(GateRange, "gate", "range", 2, 0, VS::GateRange, GG::Channels, 0x1F, IR::Channel, 0x50),
    withRule(plain(GateBypass, "gate", "bypass", 2, 1, VS::OnOff, GG::Channels, 0x1F, IR::Channel, 0xF8),
             SendRule::InvertedBypass),
    plain(CompHighFrequency, "comp", "high_freq", 2, 18, VS::BoostHighFrequency, GG::Channels, 0x1E,
          IR::Channel, 0x00),
    plain(CompHighAttack, "comp", "high_attack", 2, 84, VS::AttackTime, GG::Channels, 0x1E, IR::Channel,
          0x08),
    plain(CompHighRelease, "comp", "high_release", 2, 0, VS::ReleaseTime, GG::Channels, 0x1E, IR::Channel,
          0x10),
    plain(CompHighRatio, "comp", "high_ratio", 2, 13, VS::LimiterRatio, GG::Channels, 0x1E, IR::Channel,
          0x18),
    plain(CompHighThreshold, "comp", "high_threshold", 2, 0, VS::BoostThreshold, GG::Channels, 0x1E,
          IR::Channel, 0x20),
    plain(CompHighGain, "comp", "high_gain", 2, 72, VS::BoostGain, GG::Channels, 0x1E, IR::Channel, 0x28),
    plain(CompLowFrequency, "comp", "low_freq", 2, 24, VS::BoostLowFrequency, GG::Channels, 0x1E, IR::Channel,
          0x30),
    plain(CompLowAttack, "comp", "low_attack", 2, 84, VS::AttackTime, GG::Channels, 0x1E, IR::Channel, 0x38),
    plain(CompLowRelease, "comp", "low_release", 2, 0, VS::ReleaseTime, GG::Channels, 0x1E, IR::Channel,
          0x40),
    plain(CompLowRatio, "comp", "low_ratio", 2, 13, VS::LimiterRatio, GG::Channels, 0x1E, IR::Channel, 0x48),
    plain(CompLowThreshold, "comp", "low_threshold", 2, 0, VS::BoostThreshold, GG::Channels, 0x1E,
          IR::Channel, 0x50),
    plain(CompLowGain, "comp", "low_gain", 2, 72, VS::BoostGain, GG::Channels, 0x1E, IR::Channel, 0x58),
    plain(CompMidGain, "comp", "mid_gain", 2, 72, VS::BoostGain, GG::Channels, 0x1E, IR::Channel, 0x60),
    withRule(plain(CompBypass, "comp", "bypass", 2, 1, VS::OnOff, GG::Channels, 0x1E, IR::Channel, 0xF8),
             SendRule::InvertedBypass),
    plain(Ganging, "ganging", "", 0, 1, VS::OnOff, GG::None, 0x35, IR::UnitWide, 0x0F),
    plain(DelayUnit, "delay_unit", "", 0, 0, VS::DelayUnit, GG::None, 0x2A, IR::Fixed, 0x28, 2),
    plain(Temperature, "temperature", "", 0, 0, VS::Temperature, GG::None, 0x2A, IR::UnitWide, 0x20),
    plain(TemperatureUnit, "temperature_unit", "", 0, 0, VS::TemperatureUnit, GG::None, 0x2A, IR::UnitWide,
          0x30),
};

std::uint32_t scaleMaxIndex(VS scale) {
    const auto top = [](int size) { return static_cast<std::uint32_t>(size - 1); };
    switch (scale) {
    case VS::ProcessorGain:
        return static_cast<std::uint32_t>(ProcessorGainScale.maxIndex);
    case VS::AmpGain:
        return static_cast<std::uint32_t>(AmpInputGainScale.maxIndex);
    case VS::EqType:
        return top(EqTypeNames.size());
    case VS::Frequency:
        return static_cast<std::uint32_t>(FrequencyScale.maxIndex);
    case VS::EqBandwidth:
        return static_cast<std::uint32_t>(EqBandwidthScale.maxIndex);
    case VS::EqGain:
        return static_cast<std::uint32_t>(EqGainScale.maxIndex);
    case VS::Polarity:
        return top(PolarityNames.size());
    case VS::CrossoverType:
        return top(CrossoverTypeNames.size());
    case VS::Phase:
        return static_cast<std::uint32_t>(PhaseScale.maxIndex);
    case VS::LimiterSpeed:
        return top(LimiterSpeedNames.size());
    case VS::LimiterRatio:
        return top(LimiterRatioNames.size());
    case VS::LevelText:
        return static_cast<std::uint32_t>(LevelTextTable.maxIndex);
    case VS::AmpCompThreshold:
        return static_cast<std::uint32_t>(AmpCompThresholdScale.maxIndex);
    case VS::GateThreshold:
        return static_cast<std::uint32_t>(GateThresholdScale.maxIndex);
    case VS::GateRange:
        return static_cast<std::uint32_t>(GateRangeScale.maxIndex);
    case VS::AttackTime:
        return static_cast<std::uint32_t>(AttackTimeScale.maxIndex);
    case VS::ReleaseTime:
        return static_cast<std::uint32_t>(ReleaseTimeScale.maxIndex);
    case VS::HumThreshold:
        return static_cast<std::uint32_t>(HumThresholdScale.maxIndex);
    case VS::HumFrequency:
        return static_cast<std::uint32_t>(HumFrequencyScale.maxIndex);
    case VS::BoostHighFrequency:
        return static_cast<std::uint32_t>(BoostHighFrequency.maxIndex);
    case VS::BoostLowFrequency:
        return static_cast<std::uint32_t>(BoostLowFrequency.maxIndex);
    case VS::BoostThreshold:
        return static_cast<std::uint32_t>(BoostThresholdScale.maxIndex);
    case VS::BoostGain:
        return static_cast<std::uint32_t>(BoostGainScale.maxIndex);
    case VS::DelayUnit:
        return top(DelayUnitNames.size());
    case VS::Temperature:
        return static_cast<std::uint32_t>(TemperatureScale.maxIndex);
    case VS::TemperatureUnit:
        return top(TemperatureUnitNames.size());
    case VS::OnOff:
    case VS::DelayDistance:
        break;
    }
    return 1;
}

bool usesLetters(const FieldSpec& spec) {
    return spec.channelCount == 2;
}

std::string channelName(const FieldSpec& spec, std::uint8_t channel) {
    return usesLetters(spec) ? std::string(1, static_cast<char>('A' + channel)) : std::to_string(channel + 1);
}

// Position of a band member in the amplifier's band 1..5 block: gain, frequency, bandwidth, type.
std::uint8_t ampBandSlot(std::uint8_t bandOffset) {
    switch (bandOffset) {
    case 0x08:
        return 1;
    case 0x28:
        return 2;
    case 0x30:
        return 3;
    default:
        return 0;
    }
}

std::optional<std::uint8_t> parseNumber(std::string_view text) {
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value > 255) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(value);
}

std::string hex(unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", value);
    return text;
}

const char* labelOf(Field field) {
    switch (field) {
    case InputGain:
    case OutputGain:
        return "gain";
    case InputDelay:
    case OutputDelay:
    case SumDelay:
        return "delay";
    case InputEqType:
    case OutputEqType:
        return "type";
    case InputEqFrequency:
    case OutputEqFrequency:
        return "frequency";
    case InputEqBandwidth:
    case OutputEqBandwidth:
        return "bandwidth";
    case InputEqGain:
    case OutputEqGain:
        return "gain";
    case InputEqFlat:
    case OutputEqFlat:
        return "flat";
    case GateAttack:
        return "gate attack";
    case GateRelease:
        return "gate release";
    case GateThreshold:
        return "gate threshold";
    case GateRange:
        return "gate range";
    case GateBypass:
        return "gate by-pass";
    case OutputMute:
        return "mute";
    case OutputPolarity:
        return "polarity";
    case LowPassType:
        return "low-pass type";
    case LowPassFrequency:
        return "low-pass frequency";
    case Phase:
        return "phase";
    case HighPassType:
        return "high-pass type";
    case HighPassFrequency:
        return "high-pass frequency";
    case LimiterSpeed:
        return "limiter attack/release";
    case LimiterRatio:
        return "limiter ratio";
    case LimiterThreshold:
        return "limiter threshold";
    case InputGanging:
        return "Input Ganging";
    case OutputGanging:
        return "Output Ganging";
    case InputDelayUnit:
        return "Input delay display unit";
    case OutputDelayUnit:
        return "Output delay display unit";
    case Temperature:
        return "Temperature";
    case TemperatureUnit:
        return "Temperature display unit";
    case Ganging:
        return "Ganging";
    case DelayUnit:
        return "Delay display unit";
    case HumAttack:
        return "hum attack";
    case HumRelease:
        return "hum release";
    case HumThreshold:
        return "hum threshold";
    case HumFrequency:
        return "hum frequency";
    case HumBypass:
        return "hum by-pass";
    case CompHighFrequency:
        return "compressor high frequency";
    case CompHighAttack:
        return "compressor high attack";
    case CompHighRelease:
        return "compressor high release";
    case CompHighRatio:
        return "compressor high ratio";
    case CompHighThreshold:
        return "compressor high threshold";
    case CompHighGain:
        return "compressor high gain";
    case CompLowFrequency:
        return "compressor low frequency";
    case CompLowAttack:
        return "compressor low attack";
    case CompLowRelease:
        return "compressor low release";
    case CompLowRatio:
        return "compressor low ratio";
    case CompLowThreshold:
        return "compressor low threshold";
    case CompLowGain:
        return "compressor low gain";
    case CompMidGain:
        return "compressor mid gain";
    case CompBypass:
        return "compressor by-pass";
    }
    return "";
}

} // namespace

const FieldCatalogue& FieldCatalogue::of(Family family) {
    static const FieldCatalogue tz48(Family::Tz48, kProcessorSpecs);
    static const FieldCatalogue tz48p(Family::Tz48P, kProcessorSpecs);
    static const FieldCatalogue amp(Family::TzAmp, kAmpSpecs);
    switch (family) {
    case Family::Tz48:
        return tz48;
    case Family::Tz48P:
        return tz48p;
    case Family::TzAmp:
        break;
    }
    return amp;
}

const FieldSpec* FieldCatalogue::spec(Field field) const {
    for (const FieldSpec& candidate : m_specs) {
        if (candidate.field == field) {
            return &candidate;
        }
    }
    return nullptr;
}

bool FieldCatalogue::contains(FieldRef ref) const {
    const FieldSpec* found = spec(ref.field);
    if (found == nullptr) {
        return false;
    }
    const bool channelOk = found->channelCount == 0 ? ref.channel == 0 : ref.channel < found->channelCount;
    const bool bandOk = found->bandCount == 0 ? ref.band == 0 : ref.band < found->bandCount;
    return channelOk && bandOk;
}

std::vector<FieldRef> FieldCatalogue::allRefs() const {
    std::vector<FieldRef> refs;
    for (const FieldSpec& entry : m_specs) {
        const int channels = std::max<int>(entry.channelCount, 1);
        const int bands = std::max<int>(entry.bandCount, 1);
        for (int channel = 0; channel < channels; ++channel) {
            for (int bandIndex = 0; bandIndex < bands; ++bandIndex) {
                refs.push_back(FieldRef{entry.field, static_cast<std::uint8_t>(channel),
                                        static_cast<std::uint8_t>(bandIndex)});
            }
        }
    }
    return refs;
}

std::optional<ParameterAddress> FieldCatalogue::address(FieldRef ref) const {
    if (!contains(ref)) {
        return std::nullopt;
    }
    const FieldSpec& entry = *spec(ref.field);
    ParameterAddress result{entry.block, 0, entry.offset};
    switch (entry.indexRule) {
    case IR::Channel:
        result.index = ref.channel;
        break;
    case IR::Output:
        result.index = static_cast<std::uint8_t>(kFirstOutputIndex + ref.channel);
        break;
    case IR::UnitWide:
        result.index = kUnitWideIndex;
        break;
    case IR::Fixed:
        result.index = entry.fixedIndex;
        break;
    }
    if (entry.bandCount > 0) {
        const std::size_t fiveBandFirst = entry.bandCount > kBandBlocks.size() ? kBandBlocks.size() : 0;
        if (ref.band < fiveBandFirst) {
            result.block = kAmpLowBandBlock;
            result.offset = static_cast<std::uint8_t>(128 - 32 * ref.band + 8 * ampBandSlot(entry.offset));
        } else {
            result.block = kBandBlocks[ref.band - fiveBandFirst];
        }
    }
    return result;
}

std::uint32_t FieldCatalogue::maxIndex(FieldRef ref) const {
    if (!contains(ref)) {
        return 0;
    }
    const FieldSpec& entry = *spec(ref.field);
    return entry.maxIndex != 0 ? entry.maxIndex : scaleMaxIndex(entry.scale);
}

GangGroup FieldCatalogue::gangGroup(FieldRef ref) const {
    const FieldSpec* found = spec(ref.field);
    return found != nullptr ? found->gang : GangGroup::None;
}

std::uint8_t FieldCatalogue::partnerChannel(GangGroup group, std::uint8_t channel) {
    return group == GangGroup::None ? channel : static_cast<std::uint8_t>(channel ^ 1U);
}

std::string FieldCatalogue::name(FieldRef ref) const {
    if (!contains(ref)) {
        return {};
    }
    const FieldSpec& entry = *spec(ref.field);
    std::string text(entry.group);
    if (entry.channelCount > 0) {
        text += '.' + channelName(entry, ref.channel);
    }
    if (entry.bandCount > 0) {
        text += ".eq." + std::to_string(ref.band + 1);
    }
    if (!entry.member.empty()) {
        text += '.';
        text += entry.member;
    }
    return text;
}

std::optional<FieldRef> FieldCatalogue::parse(std::string_view text) const {
    for (const FieldSpec& entry : m_specs) {
        std::string_view rest = text;
        if (!rest.starts_with(entry.group)) {
            continue;
        }
        rest.remove_prefix(entry.group.size());
        FieldRef ref{entry.field, 0, 0};
        const auto takePart = [&rest]() -> std::optional<std::string_view> {
            if (!rest.starts_with('.')) {
                return std::nullopt;
            }
            rest.remove_prefix(1);
            const std::size_t end = rest.find('.');
            const std::string_view part = rest.substr(0, end);
            rest.remove_prefix(end == std::string_view::npos ? rest.size() : end);
            return part;
        };
        if (entry.channelCount > 0) {
            const auto part = takePart();
            if (!part || part->empty()) {
                continue;
            }
            if (usesLetters(entry)) {
                if (part->size() != 1 || (*part)[0] < 'A' || (*part)[0] >= 'A' + entry.channelCount) {
                    continue;
                }
                ref.channel = static_cast<std::uint8_t>((*part)[0] - 'A');
            } else {
                const auto number = parseNumber(*part);
                if (!number || *number < 1 || *number > entry.channelCount) {
                    continue;
                }
                ref.channel = static_cast<std::uint8_t>(*number - 1);
            }
        }
        if (entry.bandCount > 0) {
            const auto eq = takePart();
            const auto number = eq && *eq == "eq" ? takePart() : std::nullopt;
            const auto value = number ? parseNumber(*number) : std::nullopt;
            if (!value || *value < 1 || *value > entry.bandCount) {
                continue;
            }
            ref.band = static_cast<std::uint8_t>(*value - 1);
        }
        if (entry.member.empty() ? rest.empty()
                                 : rest.size() == entry.member.size() + 1 && rest[0] == '.' &&
                                       rest.substr(1) == entry.member) {
            return ref;
        }
    }
    return std::nullopt;
}

std::string FieldCatalogue::label(FieldRef ref) const {
    if (!contains(ref)) {
        return {};
    }
    const FieldSpec& entry = *spec(ref.field);
    if (entry.channelCount == 0) {
        return ref.field == SumDelay ? "Sum delay" : labelOf(ref.field);
    }
    std::string text;
    if (entry.group == "output") {
        text = "Output ";
    } else if (entry.group == "input" || (entry.group == "gate" && m_family != Family::TzAmp)) {
        text = "Input ";
    } else {
        text = "Channel ";
    }
    text += channelName(entry, ref.channel);
    if (entry.bandCount > 0) {
        text += " EQ " + std::to_string(ref.band + 1);
    }
    return text + ' ' + labelOf(ref.field);
}

std::vector<std::string> FieldCatalogue::listing() const {
    std::vector<std::string> lines;
    for (const FieldRef& ref : allRefs()) {
        const ParameterAddress where = *address(ref);
        lines.push_back(name(ref) + '\t' + "0.." + std::to_string(maxIndex(ref)) + '\t' + hex(where.block) +
                        '\t' + std::to_string(where.index) + '\t' + hex(where.offset) + '\t' +
                        std::string(gangGroupName(gangGroup(ref))));
    }
    return lines;
}

std::string_view gangGroupName(GangGroup group) {
    switch (group) {
    case GangGroup::Inputs:
        return "inputs";
    case GangGroup::Outputs:
        return "outputs";
    case GangGroup::Channels:
        return "channels";
    case GangGroup::None:
        break;
    }
    return "-";
}

} // namespace kelo
