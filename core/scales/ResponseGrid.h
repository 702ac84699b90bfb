#pragma once

#include <array>
#include <cstddef>

namespace kelo {

/// Number of points of every response curve.
inline constexpr std::size_t kResponsePointCount = 220;

/// Sample rate of the units' signal processing [Hz].
inline constexpr double kSampleRate = 48000.0;

/// A magnitude response in dB; entry g belongs to responseFrequencyGrid()[g].
using Curve = std::array<double, kResponsePointCount>;

/// The 220 frequencies [Hz] of the response curves and the graph axis: 1000 * 2^((g - 132) / 20) rounded
/// to three decimals, 10.309 Hz (g = 0) .. 20392.971 Hz (g = 219). Point g is frequency-scale index
/// g - 12, so 15.625 Hz is g = 12 and 1 kHz is g = 132.
const std::array<double, kResponsePointCount>& responseFrequencyGrid();

/// Grid point of a frequency-scale index.
inline constexpr std::size_t kGridOffsetOfFrequencyScale = 12;

/// cos/sin of w and 2w per grid point, w = f * 6.2831852 / 48000 (the angle constant the units' software
/// uses). Computed once and shared by every curve, because a channel evaluates up to twelve curves on the
/// same points each time a handle moves.
struct GridTrigonometry {
    std::array<double, kResponsePointCount> cos1;
    std::array<double, kResponsePointCount> sin1;
    std::array<double, kResponsePointCount> cos2;
    std::array<double, kResponsePointCount> sin2;
};

const GridTrigonometry& gridTrigonometry();

} // namespace kelo
