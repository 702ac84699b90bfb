#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kelo {

/// How a temperature is shown; a display choice only, the stored index is always the same.
enum class TemperatureUnit { Celsius = 0, Fahrenheit = 1 };

/// Air temperature for the delay conversions: index 0..90 is -30 .. +60 degrees Celsius.
struct TemperatureScaleType {
    static constexpr int maxIndex = 90;

    /// Temperature [degrees C] of an index (clamped).
    double value(std::int64_t index) const;
    /// "20°C" (no sign) or "+68.0°F" (always signed, one decimal); UTF-8.
    std::string text(std::int64_t index, TemperatureUnit unit) const;
    /// Nearest index of a typed temperature in the given unit, clamped.
    int IndexFromValue(double typed, TemperatureUnit unit) const;
    /// Index of a typed text: the number, then nothing, "°" or "°C" ("°F" in Fahrenheit), any case.
    std::optional<int> indexFromText(std::string_view typed, TemperatureUnit unit) const;
};

inline constexpr TemperatureScaleType TemperatureScale{};

/// Samples at 48 kHz per millimetre of sound path times 100 000, for temperature index 0..90.
const std::array<std::int32_t, 91>& soundSpeedTable();

/// The entry of soundSpeedTable() for a temperature index clamped to 0..90.
std::int32_t soundSpeedEntry(std::int64_t temperatureIndex);

} // namespace kelo
