#pragma once

#include <cstdint>

namespace kelo {

/// Where a `ParameterSet` lands in a unit: block code, index (channel code, or 255 for the whole unit)
/// and parameter offset inside the block.
struct ParameterAddress {
    std::uint8_t block = 0;
    std::uint8_t index = 0;
    std::uint8_t offset = 0;

    // Written out: headers read by Qt's code generator cannot pull in the three-way comparison.
    friend constexpr bool operator==(const ParameterAddress&, const ParameterAddress&) = default;
    friend constexpr bool operator<(const ParameterAddress& a, const ParameterAddress& b) {
        return a.block != b.block   ? a.block < b.block
               : a.index != b.index ? a.index < b.index
                                    : a.offset < b.offset;
    }
};

/// Index of unit-wide parameters.
inline constexpr std::uint8_t kUnitWideIndex = 255;
/// Index of output channel 0 (output 1, amplifier channel A); output n has kFirstOutputIndex + n.
inline constexpr std::uint8_t kFirstOutputIndex = 196;

/// The ganging flags: the processors' `InputGanging` (the amplifier's `AmpGanging`) and `OutputGanging`.
inline constexpr ParameterAddress kInputGangingAddress{0x35, kUnitWideIndex, 0x0F};
inline constexpr ParameterAddress kOutputGangingAddress{0x35, kUnitWideIndex, 0x10};

} // namespace kelo
