#pragma once

#include "core/family/FamilyFacts.h"
#include "core/units/amp/AmpLiveParams.h"
#include "core/units/amp/AmpParams.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace kelo {

/// One amplifier unit. A default-constructed record holds the field defaults; a unit "as constructed"
/// by the editor (live part and programs copied from the factory program) comes from makeAmpUnit().
struct AmpUnit {
    static constexpr std::size_t kProgramCount = familyFacts(Family::TzAmp).userProgramCount;

    /// Bus identifiers (0-based) of the linked units; rebuilt when an editing page opens, never stored.
    std::vector<std::uint32_t> linkedIdentifiers;
    /// Graph switches: input EQ, "INCLUDE GAINS", "INCLUDE EQ". Not stored.
    std::array<std::uint32_t, 3> graphSwitches{0, 1, 1};
    std::uint32_t key = 0;
    std::u16string name = u"Tz Amp";
    AmpLiveParams live{};
    std::array<AmpParams, kProgramCount> programs{}; ///< user programs 1..32
};

/// The family's one factory program " *Default*  ", built in code.
const AmpParams& ampFactoryProgram();

/// A unit as the editor constructs it: record defaults, live program part and all 32 programs copied
/// from the factory program.
AmpUnit makeAmpUnit();

/// Reset as a new unit: live program part and all 32 programs := the factory program, current program
/// 0, every program's slot-used flag 0.
void resetAsNewUnit(AmpUnit& unit);

} // namespace kelo
