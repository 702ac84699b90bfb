#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kelo {

/// The limiter threshold texts of the processor families: index 0..71 is -58.0 dB + 0.5 dB steps,
/// 72..221 is -22.0 dB + 0.2 dB steps, and 222 is "OFF" (limiter switched off).
struct LevelTextScale {
    static constexpr int maxIndex = 222;
    static constexpr int offIndex = 222;

    /// Text of an index (clamped): "-58.0dB", "-22.0dB", "0.0dB", "7.8dB", "OFF".
    std::string text(std::int64_t index) const;
    /// Nearest index of a typed level [dB], clamped; 8 dB and above select "OFF".
    int IndexFromValue(double db) const;
    /// Index of a typed text ("-10", "-10dB"); nothing when the text is refused.
    std::optional<int> indexFromText(std::string_view typed) const;
};

inline constexpr LevelTextScale LevelTextTable{};

/// The limiter threshold parameter of the processor families is shown and typed through the table.
inline constexpr const LevelTextScale& LimiterThreshold = LevelTextTable;

} // namespace kelo
