#pragma once

#include "core/scales/BiquadSection.h"
#include "core/units/processor/CrossoverSection.h"
#include "core/units/processor/EqBand.h"

#include <array>
#include <cstddef>
#include <span>

namespace kelo {

/// Most EQ bands a channel has (the amplifier's outputs).
inline constexpr std::size_t kMaxChannelBands = 10;

/// The curves of one channel: one per EQ band, the two crossover filters and their sum. Owned by the
/// graph or report that shows them and overwritten completely by each computation.
struct ChannelResponse {
    Curve total{};
    Curve highPass{};
    Curve lowPass{};
    std::array<Curve, kMaxChannelBands> bands{};
    std::size_t bandCount = 0;
};

/// Fills every curve of an output channel and the total. A "Link-Riley 48dB" filter (type 10) is drawn
/// as the unit builds it: a "Butter 24dB" filter in the crossover plus a second 24 dB Butterworth filter
/// in two of the channel's EQ bands (see isBandBorrowed()), which then ignore their own settings.
/// @param bands the channel's bands; at most kMaxChannelBands are used
void ComputeChannel(ChannelResponse& response, const CrossoverSection& crossover,
                    std::span<const EqBand> bands);

/// Fills the band curves and the total of an equaliser without crossover (an input); both filter
/// curves are 0 dB.
void computeEqualizer(ChannelResponse& response, std::span<const EqBand> bands);

/// Multiplies every section of a channel (crossover and bands, with the same borrowing as
/// ComputeChannel()) into a cascade: the total curve without the individual curves.
void accumulateChannel(PowerAccumulator& power, const CrossoverSection& crossover,
                       std::span<const EqBand> bands);

/// Multiplies every band of an equaliser without crossover into a cascade.
void accumulateEqualizer(PowerAccumulator& power, std::span<const EqBand> bands);

} // namespace kelo
