#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kelo {

/// A frequency parameter whose display texts come from a fixed list (not from a format: several listed
/// texts differ in the last digit from the rounded frequency, and the list is what the units' panels
/// show).
struct FrequencyTableScale {
    int maxIndex;
    int textOffset;               ///< position of index 0 in the text list
    double (*rule)(int index);    ///< frequency [Hz] of an index inside the range
    double (*reverse)(double hz); ///< real-valued index for a typed frequency, before clamping
    std::span<const std::string_view> texts;

    /// Frequency [Hz] of an index (clamped to the range).
    double value(std::int64_t index) const;
    /// Listed text of an index (clamped to the range), e.g. "1k00Hz".
    std::string text(std::int64_t index) const;
    /// Nearest index of a typed frequency [Hz], clamped to the range.
    int IndexFromValue(double hz) const;
    /// Index of a typed text ("1000", "1000hz"); nothing when the text is refused.
    std::optional<int> indexFromText(std::string_view typed) const;
};

/// 201 frequencies on a 1/20-octave grid, 15.625 Hz (index 0) .. 16 kHz (index 200); 1 kHz is index 120.
/// Crossover and equaliser frequencies use it.
extern const FrequencyTableScale FrequencyScale;

/// Low band of the amplifier's two-band compressor: 62.5 Hz .. 1 kHz in 1/6 octaves, index 0..24.
extern const FrequencyTableScale BoostLowFrequency;

/// High band of the amplifier's two-band compressor: 2 kHz .. 16 kHz in 1/6 octaves, index 0..18, shown
/// with the coarse text of index + 25.
extern const FrequencyTableScale BoostHighFrequency;

/// The 44 coarse texts ("63Hz" .. "1k00Hz", "2k00Hz" .. "16k00Hz"); the index is clamped to 0..43.
std::string coarseFrequencyText(std::int64_t index);

} // namespace kelo
