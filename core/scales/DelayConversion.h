#pragma once

#include <cstdint>
#include <string>

namespace kelo {

// Delays are stored as distances in millimetres; sample and time values are derived from them through
// the speed of sound at a temperature index (0..90, clamped). The arithmetic is done in 64 bits so that
// a damaged distance cannot overflow; inside the documented ranges every result fits 32 bits.

/// Samples at 48 kHz for a distance: floor(entry * mm / 100000 + 0.5), computed exactly.
std::int64_t SamplesFromDistance(std::int64_t mm, std::int64_t temperatureIndex);

/// Distance [mm] for a sample count: floor(samples * 100000 / entry + 0.5), computed exactly.
std::int64_t DistanceFromSamples(std::int64_t samples, std::int64_t temperatureIndex);

/// Microseconds for a sample count: (1000 n + 24) / 48, truncating toward zero.
std::int64_t MicrosecondsFromSamples(std::int64_t samples);

/// Samples for a time: (48 us + 500) / 1000, truncating toward zero.
std::int64_t SamplesFromMicroseconds(std::int64_t microseconds);

/// Display text of a delay in display unit 0 "us", 1 "ms", 2 "mm" or 3 "m" (unit clamped to 0..3).
std::string DelayText(std::int64_t mm, std::int64_t unit, std::int64_t temperatureIndex);

/// One spin-button step of a delay field shown in the given unit.
///
/// In samples units ("us" steps one sample, "mm" too) the step is one sample; in "ms" one millisecond
/// and in "m" half a metre, where a value off the grid first snaps to the grid in the step's direction.
/// @param mm current distance [mm]
/// @param steps +n upward, -n downward; 0 leaves the distance unchanged
/// @param maxMm the delay's upper bound [mm]
/// @return the new distance [mm], within 0..maxMm
std::int64_t StepDelay(std::int64_t mm, std::int64_t steps, std::int64_t unit, std::int64_t temperatureIndex,
                       std::int64_t maxMm);

} // namespace kelo
