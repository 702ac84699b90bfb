#pragma once

#include "core/report/ReportTexts.h"
#include "core/units/processor/CrossoverSection.h"
#include "core/units/processor/EqBand.h"

#include <array>
#include <cstddef>
#include <span>

namespace kelo::report {

/// The printed texts of a band: "----" for the values a notch or a shelf does not have, "-Flat-" for a
/// band switched flat.
EqBandText eqBandText(const EqBand& band);

/// The printed texts of an output's bands. A band that a "Link-Riley 48dB" crossover takes over reads
/// "-Not Av.-" in all four rows, since none of its own settings is in effect.
template <std::size_t N>
std::array<EqBandText, N> outputEqTexts(const std::array<EqBand, N>& bands,
                                        const CrossoverSection& crossover);

/// The printed texts of an input's bands (inputs have no crossover).
std::array<EqBandText, 5> inputEqTexts(const std::array<EqBand, 5>& bands);

} // namespace kelo::report
