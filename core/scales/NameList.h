#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kelo {

/// A fixed list of names selected by a stored index.
struct NameList {
    std::span<const std::string_view> names;

    /// The name of an index; nothing for an index outside the list (the caller keeps what it showed).
    std::optional<std::string> name(std::int64_t index) const;
    /// The name of an index clamped to the list, for texts that must always show something.
    std::string clampedName(std::int64_t index) const;
    int size() const { return static_cast<int>(names.size()); }
};

extern const NameList EqTypeNames;
extern const NameList CrossoverTypeNames;
extern const NameList LimiterRatioNames;
extern const NameList LimiterSpeedNames;
extern const NameList DelayUnitNames;
extern const NameList PolarityNames;
extern const NameList TemperatureUnitNames;

/// Block switch in reports: 0 "On", any other value "Off".
std::string onOffName(std::int64_t value);

} // namespace kelo
