#pragma once

#include <cstdint>
#include <string_view>

namespace kelo {

/// Routing modes 0..7 of the processor families: which source (A, B, input sum S) feeds which output.
inline constexpr std::uint32_t kRoutingModeCount = 8;

/// The mode's label as shown and printed ("*A135B246*" for mode 1); "?" for a stored value out of range.
std::string_view routingModeLabel(std::uint32_t mode);

/// Modes 0 and 1 allow input and output ganging; 2..7 (and any value out of range) forbid it.
constexpr bool routingAllowsGanging(std::uint32_t mode) {
    return mode <= 1;
}

} // namespace kelo
