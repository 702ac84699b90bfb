#pragma once

#include "core/comm/protocol/ConnectionEntry.h"

#include <array>
#include <cstdint>

namespace kelo {

/// What the amplifier's windows light from its connection-table entry.
///
/// The amplifier's status reply carries three 3-bit levels and three single bits. The levels sit in
/// the places the processor families give their levels: field 0 (input A on a processor) is the
/// amplifier's input level, and fields 2 and 3 (outputs 1 and 2 on a processor) are the levels of
/// outputs A and B, which drive the "Clip", "Limit", "-6dB", "-12dB", "-24dB" lamps of each channel's
/// limiter panel. Fields 14, 15 and 16 are single bits whose meaning the unit does not document; they
/// are shown as they are, as three status lamps.
struct AmpMeterLevels {
    static constexpr std::size_t kInputField = 0;
    static constexpr std::size_t kFirstOutputField = 2; ///< output A; output B is the next field
    static constexpr std::size_t kFirstFlagField = 14;  ///< fields 14, 15, 16

    std::uint32_t input = 0;               ///< meter level 0..7 (0, 6 and 7 light nothing)
    std::array<std::uint32_t, 2> output{}; ///< channel A, B limiter lamps, 0..7
    std::array<bool, 3> flags{};           ///< status fields 14, 15, 16

    /// Levels of a unit whose entry is this; all dark unless the unit is connected.
    static AmpMeterLevels fromEntry(const ConnectionEntry& entry) {
        AmpMeterLevels levels;
        if (entry.state != ConnectionState::Connected) {
            return levels;
        }
        levels.input = entry.status[kInputField] & 7U;
        for (std::size_t c = 0; c < levels.output.size(); ++c) {
            levels.output[c] = entry.status[kFirstOutputField + c] & 7U;
        }
        for (std::size_t f = 0; f < levels.flags.size(); ++f) {
            levels.flags[f] = (entry.status[kFirstFlagField + f] & 1U) != 0;
        }
        return levels;
    }
};

} // namespace kelo
