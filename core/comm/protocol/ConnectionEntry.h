#pragma once

#include "core/comm/protocol/Message.h"

#include <array>
#include <cstdint>

namespace kelo {

/// Where a unit identifier stands with the engine.
enum class ConnectionState : std::uint32_t {
    ToBePolled = 0,   ///< looked for by the next scan, not yet seen
    NotUsed = 1,      ///< never polled
    Connected = 2,    ///< answered its last poll
    NotResponding = 3 ///< failed a poll or an exchange; not polled again until the next scan
};

inline constexpr std::size_t kStatusFieldCount = 18;

/// One row of the connection table (one per identifier 0..31). A plain value: readers take a copy,
/// writers replace the whole entry.
struct ConnectionEntry {
    std::uint32_t identifier = 0;
    std::uint32_t model = kModelAny; ///< model byte of the unit; kModelAny while unknown
    ConnectionState state = ConnectionState::NotUsed;
    /// Last status values received: processor families 0..1 input levels, 2..7 output levels, 8..13
    /// a second indication per output; amplifier 0, 2, 3, 14, 15, 16. Kept when a poll fails.
    std::array<std::uint32_t, kStatusFieldCount> status{};
    std::uint32_t errorFlag = 0; ///< 1 when the last poll of this entry failed

    bool operator==(const ConnectionEntry&) const = default;
};

} // namespace kelo
