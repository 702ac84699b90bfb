#pragma once

#include <cstdint>
#include <string>

namespace kelo {

/// Crossover filter as listed and reported: "1k00Hz Link-Riley 24dB".
std::string crossoverText(std::int64_t freqIndex, std::int64_t type);

/// Limiter of the processor families: "-10.0dB Normal 4.0" (no speed word for an unknown speed).
std::string limiterText(std::int64_t thresholdIndex, std::int64_t speed, std::int64_t ratio);

/// The amplifier's compressor line: as limiterText() with the amplifier threshold text, which is
/// signed ("-10.0dB", "+0.0dB").
std::string ampCompressorText(std::int64_t thresholdIndex, std::int64_t speed, std::int64_t ratio);

/// EQ band type text; "-Flat-" whatever the type when the band is switched flat.
std::string eqTypeText(std::int64_t type, std::int64_t flat);

/// EQ band gain text; "----" for a notch, which has no gain.
std::string eqGainText(std::int64_t type, std::int64_t gainIndex);

/// EQ band bandwidth text; "----" for the shelving types, which have no bandwidth.
std::string eqBandwidthText(std::int64_t type, std::int64_t bandwidthIndex);

/// Whether band `band` (0-based) of a channel with `bandCount` bands is taken over by its crossover:
/// a "Link-Riley 48dB" filter (type 10) uses the last two bands, and when both filters are of that
/// type, the two bands before them as well. Only 5-band and 10-band channels have such bands. Lists and
/// reports show such a band as "-Not Av.-".
bool isBandBorrowed(int band, int bandCount, std::int64_t lowPassType, std::int64_t highPassType);

} // namespace kelo
