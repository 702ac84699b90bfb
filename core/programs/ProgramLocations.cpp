#include "core/programs/ProgramLocations.h"

#include "core/comm/images/TransferPlan.h"
#include "core/units/presets/FactoryPrograms.h"

namespace kelo {

ProgramLocations::ProgramLocations(Family family)
    : m_family(family), m_factoryCount(static_cast<std::uint32_t>(FactoryPrograms::count(family))),
      m_userCount(transferPlan(family).userProgramCount) {}

ProgramLocation ProgramLocations::at(std::uint32_t location) const {
    if (location < m_factoryCount) {
        return {true, location};
    }
    return {false, location - m_factoryCount};
}

std::optional<std::uint32_t> ProgramLocations::locationOfProgram(std::uint32_t currentProgram) const {
    const TransferPlan& plan = transferPlan(m_family);
    const std::uint32_t location = plan.isUserProgram(currentProgram)
                                       ? m_factoryCount + (currentProgram - plan.firstUserProgram)
                                       : currentProgram;
    // A damaged file may hold any number.
    if (location >= count()) {
        return std::nullopt;
    }
    return location;
}

std::uint32_t ProgramLocations::gangingTestProgram(const ProgramLocation& location) {
    return location.factory ? 0 : location.index + 1;
}

} // namespace kelo
