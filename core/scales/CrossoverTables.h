#pragma once

#include <array>
#include <cstddef>

namespace kelo {

/// Number of records of each crossover table: one per frequency-scale index.
inline constexpr std::size_t kCrossoverTableSize = 201;

/// The crossover coefficient tables, one record per frequency-scale index, in single precision as the
/// units hold them. Every entry is computed from its pole rule in double precision and then rounded to
/// float. With W = tan(pi f / 48000), a pole pair of frequency factor k and quality Q has
/// D = 1 + kW/Q + (kW)^2, a1 = 2((kW)^2 - 1)/D, a2 = (1 - kW/Q + (kW)^2)/D; a first-order pole has
/// a1 = (kW - 1)/(kW + 1).
struct CrossoverTables {
    /// a1 of a first-order pole, k = 1.
    std::array<float, kCrossoverTableSize> firstOrder;
    /// a1, a2; k = 1, Q = 0.70711.
    std::array<std::array<float, 2>, kCrossoverTableSize> butterworth2;
    /// First-order a1, then a1, a2 of the pair (Q = 1.0).
    std::array<std::array<float, 3>, kCrossoverTableSize> butterworth3;
    /// a1, a2 of pair A (Q = 0.54120), then of pair B (Q = 1.30656).
    std::array<std::array<float, 4>, kCrossoverTableSize> butterworth4;
    /// a1, a2; Q = 0.57735.
    std::array<std::array<float, 2>, kCrossoverTableSize> bessel2;
    /// Low-pass b0, b1, a1 of the first-order section and b0, b1, b2, a1, a2 of the pair; then the same
    /// eight values for the high-pass.
    std::array<std::array<float, 16>, kCrossoverTableSize> bessel3;
    /// Low-pass b0, b1, b2, a1, a2 of section A and of section B; then the same ten for the high-pass.
    std::array<std::array<float, 20>, kCrossoverTableSize> bessel4;
};

/// The tables, generated on first use.
const CrossoverTables& crossoverTables();

} // namespace kelo
