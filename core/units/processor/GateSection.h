#pragma once

#include <cstdint>

namespace kelo {

/// A noise gate (processor inputs; the amplifier uses the same four words with zero record defaults,
/// see AmpParams).
struct GateSection {
    std::uint32_t attack = 1;     ///< AttackTimeScale index
    std::uint32_t release = 49;   ///< ReleaseTimeScale index
    std::uint32_t threshold = 10; ///< GateThresholdScale index
    std::uint32_t range = 110;    ///< GateRangeScale index

    friend bool operator==(const GateSection&, const GateSection&) = default;
};

} // namespace kelo
