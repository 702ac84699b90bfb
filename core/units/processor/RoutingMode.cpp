#include "core/units/processor/RoutingMode.h"

#include <array>

namespace kelo {

std::string_view routingModeLabel(std::uint32_t mode) {
    static constexpr std::array<std::string_view, kRoutingModeCount> kLabels{
        "*A13B24S56*", "*A135B246*",  "*A1234S56*", "*A123B4S56*",
        "*A12345S6*",  "*A1234B5S6*", "*A123456*",  "*A12345B6*",
    };
    return mode < kLabels.size() ? kLabels[mode] : "?";
}

} // namespace kelo
