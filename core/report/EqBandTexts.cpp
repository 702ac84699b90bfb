#include "core/report/EqBandTexts.h"

#include "core/scales/CompositeText.h"
#include "core/scales/FrequencyScale.h"

namespace kelo::report {

namespace {
constexpr const char* kNotAvailable = "-Not Av.-";
} // namespace

EqBandText eqBandText(const EqBand& band) {
    return EqBandText{FrequencyScale.text(band.frequency), eqGainText(band.type, band.gain),
                      eqBandwidthText(band.type, band.bandwidth), eqTypeText(band.type, band.flat)};
}

template <std::size_t N>
std::array<EqBandText, N> outputEqTexts(const std::array<EqBand, N>& bands,
                                        const CrossoverSection& crossover) {
    std::array<EqBandText, N> texts;
    for (std::size_t b = 0; b < N; ++b) {
        if (isBandBorrowed(static_cast<int>(b), static_cast<int>(N), crossover.lowPassType,
                           crossover.highPassType)) {
            texts[b] = EqBandText{kNotAvailable, kNotAvailable, kNotAvailable, kNotAvailable};
        } else {
            texts[b] = eqBandText(bands[b]);
        }
    }
    return texts;
}

template std::array<EqBandText, 5> outputEqTexts(const std::array<EqBand, 5>&, const CrossoverSection&);
template std::array<EqBandText, 10> outputEqTexts(const std::array<EqBand, 10>&, const CrossoverSection&);

std::array<EqBandText, 5> inputEqTexts(const std::array<EqBand, 5>& bands) {
    std::array<EqBandText, 5> texts;
    for (std::size_t b = 0; b < bands.size(); ++b) {
        texts[b] = eqBandText(bands[b]);
    }
    return texts;
}

} // namespace kelo::report
