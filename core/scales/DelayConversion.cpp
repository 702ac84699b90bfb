#include "core/scales/DelayConversion.h"

#include "core/scales/ScaleFormat.h"
#include "core/scales/TemperatureScale.h"

#include <algorithm>

namespace kelo {

namespace {

/// floor(a / b) for b > 0.
std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

/// Moves value by steps * grid; a value off the grid lands on the grid line in the step's direction.
std::int64_t stepOnGrid(std::int64_t value, std::int64_t steps, std::int64_t grid) {
    std::int64_t target = value + grid * steps;
    if (value % grid != 0) {
        target = steps > 0 ? floorDiv(target, grid) * grid : floorDiv(target + grid, grid) * grid;
    }
    return std::max<std::int64_t>(target, 0);
}

} // namespace

std::int64_t SamplesFromDistance(std::int64_t mm, std::int64_t temperatureIndex) {
    const std::int64_t entry = soundSpeedEntry(temperatureIndex);
    return floorDiv(entry * mm + 50000, 100000);
}

std::int64_t DistanceFromSamples(std::int64_t samples, std::int64_t temperatureIndex) {
    const std::int64_t entry = soundSpeedEntry(temperatureIndex);
    return floorDiv(2 * samples * 100000 + entry, 2 * entry);
}

std::int64_t MicrosecondsFromSamples(std::int64_t samples) {
    return (1000 * samples + 24) / 48;
}

std::int64_t SamplesFromMicroseconds(std::int64_t microseconds) {
    return (48 * microseconds + 500) / 1000;
}

std::string DelayText(std::int64_t mm, std::int64_t unit, std::int64_t temperatureIndex) {
    const std::int64_t us = MicrosecondsFromSamples(SamplesFromDistance(mm, temperatureIndex));
    switch (clampIndex(unit, 3)) {
    case 0:
        return std::to_string(us) + "us";
    case 1:
        return std::to_string(us / 1000) + "ms";
    case 2:
        return std::to_string(mm) + "mm";
    default:
        return formatNumber(static_cast<double>(mm) * 0.001, NumberStyle::Plain1) + "m";
    }
}

std::int64_t StepDelay(std::int64_t mm, std::int64_t steps, std::int64_t unit, std::int64_t temperatureIndex,
                       std::int64_t maxMm) {
    if (steps == 0) {
        return mm;
    }
    std::int64_t result = 0;
    switch (clampIndex(unit, 3)) {
    case 1: {
        const std::int64_t us = MicrosecondsFromSamples(SamplesFromDistance(mm, temperatureIndex));
        const std::int64_t target = stepOnGrid(us, steps, 1000);
        result = DistanceFromSamples(SamplesFromMicroseconds(target), temperatureIndex);
        break;
    }
    case 3:
        result = stepOnGrid(mm, steps, 500);
        break;
    default: {
        const std::int64_t samples =
            std::max<std::int64_t>(SamplesFromDistance(mm, temperatureIndex) + steps, 0);
        result = DistanceFromSamples(samples, temperatureIndex);
        break;
    }
    }
    return steps > 0 ? std::min(result, maxMm) : std::max<std::int64_t>(result, 0);
}

} // namespace kelo
