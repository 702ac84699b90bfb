#include "core/scales/ChannelResponse.h"

#include "core/scales/CompositeText.h"
#include "core/scales/FilterResponse.h"

#include <algorithm>
#include <cstdint>

namespace kelo {

namespace {

constexpr std::uint32_t kLinkRiley48 = 10;
constexpr std::uint32_t kButter24 = 7;

// The crossover type the crossover itself runs: "Link-Riley 48dB" keeps its first 24 dB half there.
std::uint32_t ownCrossoverType(std::uint32_t type) {
    return type == kLinkRiley48 ? kButter24 : type;
}

/// The section of band b, or of the Butterworth pair a "Link-Riley 48dB" filter puts in its place:
/// the low-pass takes the last two bands (pair B, then pair A), the high-pass the two bands before them
/// when both filters are of that type, else the last two.
BiquadSection channelBandSection(const CrossoverSection& crossover, std::span<const EqBand> bands,
                                 std::size_t b) {
    const EqBand& band = bands[b];
    const auto count = static_cast<int>(bands.size());
    if (!isBandBorrowed(static_cast<int>(b), count, crossover.lowPassType, crossover.highPassType)) {
        return bandSection(band.type, band.frequency, band.gain, band.bandwidth, band.flat);
    }
    const bool lastPair = static_cast<int>(b) >= count - 2;
    const bool secondOfPair = (count - static_cast<int>(b)) % 2 == 1;
    if (lastPair && crossover.lowPassType == kLinkRiley48) {
        return bandSection(secondOfPair ? 5 : 6, crossover.lowPassFrequency, band.gain, band.bandwidth,
                           band.flat);
    }
    return bandSection(secondOfPair ? 7 : 8, crossover.highPassFrequency, band.gain, band.bandwidth,
                       band.flat);
}

std::span<const EqBand> usableBands(std::span<const EqBand> bands) {
    return bands.first(std::min(bands.size(), kMaxChannelBands));
}

void sumTotal(ChannelResponse& response) {
    for (std::size_t g = 0; g < kResponsePointCount; ++g) {
        double sum = response.highPass[g] + response.lowPass[g];
        for (std::size_t b = 0; b < response.bandCount; ++b) {
            sum += response.bands[b][g];
        }
        response.total[g] = sum;
    }
}

} // namespace

void ComputeChannel(ChannelResponse& response, const CrossoverSection& crossover,
                    std::span<const EqBand> bands) {
    bands = usableBands(bands);
    ComputeLowPass(response.lowPass, ownCrossoverType(crossover.lowPassType), crossover.lowPassFrequency);
    ComputeHighPass(response.highPass, ownCrossoverType(crossover.highPassType), crossover.highPassFrequency);
    response.bandCount = bands.size();
    for (std::size_t b = 0; b < bands.size(); ++b) {
        EvaluateSections(response.bands[b], channelBandSection(crossover, bands, b), {});
    }
    sumTotal(response);
}

void computeEqualizer(ChannelResponse& response, std::span<const EqBand> bands) {
    bands = usableBands(bands);
    response.lowPass.fill(0.0);
    response.highPass.fill(0.0);
    response.bandCount = bands.size();
    for (std::size_t b = 0; b < bands.size(); ++b) {
        const EqBand& band = bands[b];
        ComputeBand(response.bands[b], band.type, band.frequency, band.gain, band.bandwidth, band.flat);
    }
    sumTotal(response);
}

void accumulateChannel(PowerAccumulator& power, const CrossoverSection& crossover,
                       std::span<const EqBand> bands) {
    bands = usableBands(bands);
    const SectionPair low =
        crossoverSections(true, ownCrossoverType(crossover.lowPassType), crossover.lowPassFrequency);
    const SectionPair high =
        crossoverSections(false, ownCrossoverType(crossover.highPassType), crossover.highPassFrequency);
    power.multiply(low.a);
    power.multiply(low.b);
    power.multiply(high.a);
    power.multiply(high.b);
    for (std::size_t b = 0; b < bands.size(); ++b) {
        power.multiply(channelBandSection(crossover, bands, b));
    }
}

void accumulateEqualizer(PowerAccumulator& power, std::span<const EqBand> bands) {
    for (const EqBand& band : usableBands(bands)) {
        power.multiply(bandSection(band.type, band.frequency, band.gain, band.bandwidth, band.flat));
    }
}

} // namespace kelo
