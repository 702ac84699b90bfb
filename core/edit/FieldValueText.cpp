#include "core/edit/FieldValueText.h"

#include "core/edit/FieldAccess.h"
#include "core/edit/FieldCatalogue.h"
#include "core/scales/DelayConversion.h"
#include "core/scales/FrequencyScale.h"
#include "core/scales/LevelTextTable.h"
#include "core/scales/NameList.h"
#include "core/scales/RuleScale.h"
#include "core/scales/TemperatureScale.h"
#include "core/scales/TypedValue.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace kelo {

namespace {

using VS = ValueScale;

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               const auto lower = [](char c) {
                   return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
               };
               return lower(x) == lower(y);
           });
}

std::optional<int> nameIndex(const NameList& list, std::string_view text) {
    for (int i = 0; i < list.size(); ++i) {
        if (equalsIgnoringCase(list.names[static_cast<std::size_t>(i)], text)) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<int> frequencyIndex(const FrequencyTableScale& scale, std::string_view text) {
    for (int i = 0; i <= scale.maxIndex; ++i) {
        if (equalsIgnoringCase(scale.text(i), text)) {
            return i;
        }
    }
    constexpr std::array<std::string_view, 2> kiloUnits{"k", "kHz"};
    if (const auto kilo = readTypedValue(text, kiloUnits); kilo && !readTypedValue(text, "")) {
        return scale.IndexFromValue(*kilo * 1000);
    }
    return scale.indexFromText(text);
}

std::uint32_t temperatureIndexOf(const Unit& unit) {
    return unit.visit([](const auto& record) { return record.live.temperature(); });
}

TemperatureUnit temperatureUnitOf(const Unit& unit) {
    const std::uint32_t shown = unit.visit([](const auto& record) { return record.live.temperatureUnit(); });
    return shown == 1 ? TemperatureUnit::Fahrenheit : TemperatureUnit::Celsius;
}

std::uint32_t delayUnitOf(const Unit& unit, FieldRef ref) {
    if (const AmpUnit* amp = unit.amp()) {
        return amp->live.delayUnit();
    }
    const LiveParams& live = unit.processor()->live;
    return ref.field == Field::OutputDelay ? live.outputDelayUnit() : live.inputDelayUnit();
}

// A delay typed in microseconds, milliseconds, millimetres or metres (the field's display unit when no
// unit is given), as a distance at the unit's temperature.
std::optional<std::int64_t> delayFromText(const Unit& unit, FieldRef ref, std::string_view text) {
    constexpr std::array<std::string_view, 4> kUnits{"us", "ms", "mm", "m"};
    std::optional<std::size_t> unitIndex;
    std::optional<double> number;
    for (std::size_t i = 0; i < kUnits.size() && !number; ++i) {
        if (text.size() > kUnits[i].size() &&
            equalsIgnoringCase(text.substr(text.size() - kUnits[i].size()), kUnits[i])) {
            number = readTypedValue(text.substr(0, text.size() - kUnits[i].size()), "");
            unitIndex = i;
        }
    }
    if (!number) {
        number = readTypedValue(text, "");
        unitIndex = delayUnitOf(unit, ref) % kUnits.size();
    }
    if (!number || !std::isfinite(*number)) {
        return std::nullopt;
    }
    const double value = std::clamp(*number, -1e9, 1e9);
    const std::uint32_t temperature = temperatureIndexOf(unit);
    switch (*unitIndex) {
    case 0:
        return DistanceFromSamples(SamplesFromMicroseconds(std::llround(value)), temperature);
    case 1:
        return DistanceFromSamples(SamplesFromMicroseconds(std::llround(value * 1000)), temperature);
    case 2:
        return std::llround(value);
    default:
        return std::llround(value * 1000);
    }
}

std::optional<std::int64_t> scaledIndex(const Unit& unit, FieldRef ref, ValueScale scale,
                                        std::string_view text) {
    const auto fromInt = [](std::optional<int> index) -> std::optional<std::int64_t> {
        return index ? std::optional<std::int64_t>(*index) : std::nullopt;
    };
    switch (scale) {
    case VS::ProcessorGain:
        return fromInt(ProcessorGainScale.indexFromText(text));
    case VS::AmpGain:
        return fromInt(AmpInputGainScale.indexFromText(text));
    case VS::DelayDistance:
        return delayFromText(unit, ref, text);
    case VS::EqType:
        return fromInt(nameIndex(EqTypeNames, text));
    case VS::Frequency:
        return fromInt(frequencyIndex(FrequencyScale, text));
    case VS::EqBandwidth:
        return fromInt(EqBandwidthScale.indexFromText(text));
    case VS::EqGain:
        return fromInt(EqGainScale.indexFromText(text));
    case VS::OnOff:
        if (equalsIgnoringCase(text, "on") || text == "1") {
            return 1;
        }
        if (equalsIgnoringCase(text, "off") || text == "0") {
            return 0;
        }
        return std::nullopt;
    case VS::Polarity:
        return fromInt(nameIndex(PolarityNames, text));
    case VS::CrossoverType:
        return fromInt(nameIndex(CrossoverTypeNames, text));
    case VS::Phase:
        return fromInt(PhaseScale.indexFromText(text));
    case VS::LimiterSpeed:
        return fromInt(nameIndex(LimiterSpeedNames, text));
    case VS::LimiterRatio:
        return fromInt(nameIndex(LimiterRatioNames, text));
    case VS::LevelText:
        return equalsIgnoringCase(text, "off") ? std::optional<std::int64_t>(LevelTextTable.offIndex)
                                               : fromInt(LevelTextTable.indexFromText(text));
    case VS::AmpCompThreshold:
        return equalsIgnoringCase(text, "off") ? std::optional<std::int64_t>(AmpCompThresholdScale.maxIndex)
                                               : fromInt(AmpCompThresholdScale.indexFromText(text));
    case VS::GateThreshold:
        return fromInt(GateThresholdScale.indexFromText(text));
    case VS::GateRange:
        return fromInt(GateRangeScale.indexFromText(text));
    case VS::AttackTime:
        return fromInt(AttackTimeScale.indexFromText(text));
    case VS::ReleaseTime:
        return fromInt(ReleaseTimeScale.indexFromText(text));
    case VS::HumThreshold:
        return fromInt(HumThresholdScale.indexFromText(text));
    case VS::HumFrequency:
        return fromInt(HumFrequencyScale.indexFromText(text));
    case VS::BoostHighFrequency:
        return fromInt(frequencyIndex(BoostHighFrequency, text));
    case VS::BoostLowFrequency:
        return fromInt(frequencyIndex(BoostLowFrequency, text));
    case VS::BoostThreshold:
        return fromInt(BoostThresholdScale.indexFromText(text));
    case VS::BoostGain:
        return fromInt(BoostGainScale.indexFromText(text));
    case VS::DelayUnit:
        return fromInt(nameIndex(DelayUnitNames, text));
    case VS::Temperature:
        return fromInt(TemperatureScale.indexFromText(text, temperatureUnitOf(unit)));
    case VS::TemperatureUnit:
        return fromInt(nameIndex(TemperatureUnitNames, text));
    }
    return std::nullopt;
}

Family familyOf(const Unit& unit) {
    return unit.isAmp() ? Family::TzAmp : Family::Tz48;
}

} // namespace

std::optional<std::uint32_t> parseFieldValue(const Unit& unit, FieldRef ref, std::string_view text) {
    const FieldCatalogue& catalogue = FieldCatalogue::of(familyOf(unit));
    const FieldSpec* spec = catalogue.spec(ref.field);
    if (spec == nullptr || !catalogue.contains(ref) || text.empty()) {
        return std::nullopt;
    }
    std::optional<std::int64_t> index;
    if (text.front() == '#') {
        std::uint64_t raw = 0;
        const char* end = text.data() + text.size();
        const auto [stop, error] = std::from_chars(text.data() + 1, end, raw);
        if (text.size() < 2 || stop != end ||
            (error != std::errc{} && error != std::errc::result_out_of_range)) {
            return std::nullopt;
        }
        index = error == std::errc::result_out_of_range ? std::numeric_limits<std::int64_t>::max()
                                                        : static_cast<std::int64_t>(std::min<std::uint64_t>(
                                                              raw, std::numeric_limits<std::int64_t>::max()));
    } else {
        index = scaledIndex(unit, ref, spec->scale, text);
    }
    if (!index) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(std::clamp<std::int64_t>(*index, 0, catalogue.maxIndex(ref)));
}

std::string fieldValueText(const Unit& unit, FieldRef ref) {
    const FieldCatalogue& catalogue = FieldCatalogue::of(familyOf(unit));
    const FieldSpec* spec = catalogue.spec(ref.field);
    const auto stored = readField(unit, ref);
    if (spec == nullptr || !stored) {
        return {};
    }
    const std::int64_t index = *stored;
    switch (spec->scale) {
    case VS::ProcessorGain:
        return ProcessorGainScale.text(index);
    case VS::AmpGain:
        return AmpInputGainScale.text(index);
    case VS::DelayDistance:
        return DelayText(index, delayUnitOf(unit, ref), temperatureIndexOf(unit));
    case VS::EqType:
        return EqTypeNames.clampedName(index);
    case VS::Frequency:
        return FrequencyScale.text(index);
    case VS::EqBandwidth:
        return EqBandwidthScale.text(index);
    case VS::EqGain:
        return EqGainScale.text(index);
    case VS::OnOff:
        return index != 0 ? "ON" : "OFF";
    case VS::Polarity:
        return PolarityNames.clampedName(index);
    case VS::CrossoverType:
        return CrossoverTypeNames.clampedName(index);
    case VS::Phase:
        return PhaseScale.text(index);
    case VS::LimiterSpeed:
        return LimiterSpeedNames.clampedName(index);
    case VS::LimiterRatio:
        return LimiterRatioNames.clampedName(index);
    case VS::LevelText:
        return LevelTextTable.text(index);
    case VS::AmpCompThreshold:
        return index >= AmpCompThresholdScale.maxIndex ? "OFF" : AmpCompThresholdScale.text(index);
    case VS::GateThreshold:
        return GateThresholdScale.text(index);
    case VS::GateRange:
        return GateRangeScale.text(index);
    case VS::AttackTime:
        return AttackTimeScale.text(index);
    case VS::ReleaseTime:
        return ReleaseTimeScale.text(index);
    case VS::HumThreshold:
        return HumThresholdScale.text(index);
    case VS::HumFrequency:
        return HumFrequencyScale.text(index);
    case VS::BoostHighFrequency:
        return BoostHighFrequency.text(index);
    case VS::BoostLowFrequency:
        return BoostLowFrequency.text(index);
    case VS::BoostThreshold:
        return BoostThresholdScale.text(index);
    case VS::BoostGain:
        return BoostGainScale.text(index);
    case VS::DelayUnit:
        return DelayUnitNames.clampedName(index);
    case VS::Temperature:
        return TemperatureScale.text(index, temperatureUnitOf(unit));
    case VS::TemperatureUnit:
        return TemperatureUnitNames.clampedName(index);
    }
    return {};
}

} // namespace kelo
