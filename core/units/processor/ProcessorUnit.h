#pragma once

#include "core/family/FamilyFacts.h"
#include "core/units/processor/LiveParams.h"
#include "core/units/processor/UnitParams.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace kelo {

/// One loudspeaker processor unit (2-in/6-out and Plus families share the record and its file body).
/// A default-constructed record holds the field defaults; a unit "as constructed" by the editor
/// (its live part and programs seeded from factory program 0) comes from makeProcessorUnit().
struct ProcessorUnit {
    static constexpr std::size_t kProgramCount = familyFacts(Family::Tz48).userProgramCount;

    /// Bus identifiers (0-based) of the other units of the system that edits are mirrored to while the
    /// Link setting is on. Rebuilt by whoever opens an editing page; never stored.
    std::vector<std::uint32_t> linkedIdentifiers;
    /// Global page graph switches: include input EQ, include output gains, include output EQ. Not stored.
    std::array<std::uint32_t, 3> graphSwitches{1, 1, 1};
    std::uint32_t key = 0;
    std::u16string name = u"Tz48"; ///< UTF-16 text; the Plus family constructs "Tz48 Plus"
    LiveParams live{};
    std::array<UnitParams, kProgramCount> programs{}; ///< user programs 1..64

    /// Output mute of output 0..5 (other indices read 0 and are ignored on writing).
    std::uint32_t outputMute(std::size_t output) const { return live.outputMute(output); }
    void setOutputMute(std::size_t output, std::uint32_t mute) { live.setOutputMute(output, mute); }
};

/// Reset as a new unit: live program part and all 64 programs := factory0, current program 0, then
/// every program's slot-used flag 0.
void resetAsNewUnit(ProcessorUnit& unit, const UnitParams& factory0);

} // namespace kelo
