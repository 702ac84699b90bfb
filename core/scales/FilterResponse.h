#pragma once

#include "core/scales/BiquadSection.h"

#include <cstdint>

namespace kelo {

/// The two sections of a crossover filter.
struct SectionPair {
    BiquadSection a;
    BiquadSection b;
};

/// Sections of a low-pass (lowPass true) or high-pass crossover filter of type 0..9 ("Thru" ..
/// "Link-Riley 24dB") at a frequency-scale index (clamped to 0..200). Type 10 is built by the channel
/// from type 7 and two of its EQ bands; it and every other type outside 0..9 give the identity (0 dB).
SectionPair crossoverSections(bool lowPass, std::int64_t type, std::int64_t freqIndex);

/// The section of an equaliser band. Types: 0 "LowSh6", 1 "LowSh12", 2 "Peaking", 3 "HiSh12",
/// 4 "HiSh6", 9 "Notch"; 5..8 are the Butterworth pairs a "Link-Riley 48dB" crossover borrows (5/6 pair
/// A/B low-pass, 7/8 pair A/B high-pass) where gain, bandwidth and flat do not apply. Any other type
/// gives the identity. Indices are clamped to their scales.
BiquadSection bandSection(std::int64_t type, std::int64_t freqIndex, std::int64_t gainIndex,
                          std::int64_t bandwidthIndex, std::int64_t flat);

/// Curve of a low-pass crossover filter.
void ComputeLowPass(Curve& curve, std::int64_t type, std::int64_t freqIndex);

/// Curve of a high-pass crossover filter.
void ComputeHighPass(Curve& curve, std::int64_t type, std::int64_t freqIndex);

/// Curve of one equaliser band (see bandSection()).
void ComputeBand(Curve& curve, std::int64_t type, std::int64_t freqIndex, std::int64_t gainIndex,
                 std::int64_t bandwidthIndex, std::int64_t flat);

} // namespace kelo
