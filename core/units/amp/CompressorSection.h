#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace kelo {

/// An amplifier channel's two-band compressor ("Multi Comp"): 13 words. Words 1-6 are the high band,
/// 7-12 the low band, 13 the gain between the bands. Word numbers below are 1-based.
struct CompressorSection {
    static constexpr std::size_t kWordCount = 13;
    static constexpr std::size_t kHighBandFirstWord =
        1; ///< frequency, attack, release, ratio, threshold, gain
    static constexpr std::size_t kLowBandFirstWord = 7; ///< same six members
    static constexpr std::size_t kBandGainWord = 13;

    std::array<std::uint32_t, kWordCount> words{};

    std::uint32_t& word(std::size_t number) { return words[number - 1]; }
    std::uint32_t word(std::size_t number) const { return words[number - 1]; }

    friend bool operator==(const CompressorSection&, const CompressorSection&) = default;
};

} // namespace kelo
