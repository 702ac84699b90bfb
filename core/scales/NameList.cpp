#include "core/scales/NameList.h"

#include "core/scales/ScaleFormat.h"

#include <array>

namespace kelo {

namespace {

constexpr std::array<std::string_view, 10> kEqTypes{"LowSh6",    "LowSh12",   "Peaking",   "HiSh12",
                                                    "HiSh6",     "-Not Av.-", "-Not Av.-", "-Not Av.-",
                                                    "-Not Av.-", "Notch"};
constexpr std::array<std::string_view, 11> kCrossoverTypes{
    "Thru",        "Butter 6dB",  "Butter 12dB", "Bessel 12dB",     "Link-Riley 12dB", "Butter 18dB",
    "Bessel 18dB", "Butter 24dB", "Bessel 24dB", "Link-Riley 24dB", "Link-Riley 48dB"};
constexpr std::array<std::string_view, 15> kLimiterRatios{"1.1", "1.3", "1.5",  "1.7",  "2.0",
                                                          "2.5", "3.0", "3.5",  "4.0",  "5.0",
                                                          "6.0", "8.0", "10.0", "20.0", "Limiter"};
constexpr std::array<std::string_view, 3> kLimiterSpeeds{"Slow", "Normal", "Fast"};
constexpr std::array<std::string_view, 4> kDelayUnits{"us", "ms", "mm", "m"};
constexpr std::array<std::string_view, 2> kPolarities{"Normal", "Reverse"};
constexpr std::array<std::string_view, 2> kTemperatureUnits{"\u00b0C", "\u00b0F"};

} // namespace

std::optional<std::string> NameList::name(std::int64_t index) const {
    if (index < 0 || index >= static_cast<std::int64_t>(names.size())) {
        return std::nullopt;
    }
    return std::string(names[static_cast<std::size_t>(index)]);
}

std::string NameList::clampedName(std::int64_t index) const {
    return std::string(names[static_cast<std::size_t>(clampIndex(index, size() - 1))]);
}

constinit const NameList EqTypeNames{kEqTypes};
constinit const NameList CrossoverTypeNames{kCrossoverTypes};
constinit const NameList LimiterRatioNames{kLimiterRatios};
constinit const NameList LimiterSpeedNames{kLimiterSpeeds};
constinit const NameList DelayUnitNames{kDelayUnits};
constinit const NameList PolarityNames{kPolarities};
constinit const NameList TemperatureUnitNames{kTemperatureUnits};

std::string onOffName(std::int64_t value) {
    return value == 0 ? "On" : "Off";
}

} // namespace kelo
