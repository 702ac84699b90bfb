#include "core/scales/TemperatureScale.h"

#include "core/scales/ScaleFormat.h"
#include "core/scales/TypedValue.h"

#include <cmath>

namespace kelo {

double TemperatureScaleType::value(std::int64_t index) const {
    return clampIndex(index, maxIndex) - 30.0;
}

std::string TemperatureScaleType::text(std::int64_t index, TemperatureUnit unit) const {
    const int celsius = clampIndex(index, maxIndex) - 30;
    if (unit == TemperatureUnit::Fahrenheit) {
        return formatNumber(celsius * 1.8 + 32, NumberStyle::Signed1) + "\u00b0F";
    }
    return std::to_string(celsius) + "\u00b0C";
}

int TemperatureScaleType::IndexFromValue(double typed, TemperatureUnit unit) const {
    const double index =
        unit == TemperatureUnit::Fahrenheit ? nearest((typed - 32) * 5 / 9 + 30) : nearest(typed + 30);
    return clampRealIndex(index, maxIndex);
}

std::optional<int> TemperatureScaleType::indexFromText(std::string_view typed, TemperatureUnit unit) const {
    const std::array<std::string_view, 2> units{"\u00b0",
                                                unit == TemperatureUnit::Fahrenheit ? "\u00b0F" : "\u00b0C"};
    const std::optional<double> number = readTypedValue(typed, units);
    if (!number) {
        return std::nullopt;
    }
    return IndexFromValue(*number, unit);
}

const std::array<std::int32_t, 91>& soundSpeedTable() {
    static const std::array<std::int32_t, 91> table = [] {
        std::array<std::int32_t, 91> entries{};
        for (int t = 0; t < 91; ++t) {
            const double celsius = t - 30;
            const double speed = 331.4 * std::sqrt(1 + celsius / 273); // [m/s]
            entries[static_cast<std::size_t>(t)] = static_cast<std::int32_t>(std::lround(4800000 / speed));
        }
        return entries;
    }();
    return table;
}

std::int32_t soundSpeedEntry(std::int64_t temperatureIndex) {
    return soundSpeedTable()[static_cast<std::size_t>(clampIndex(temperatureIndex, 90))];
}

} // namespace kelo
