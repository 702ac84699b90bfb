#include "core/units/UnitPrograms.h"

#include "core/family/FamilyFacts.h"
#include "core/units/presets/FactoryPrograms.h"
#include "core/units/processor/RoutingMode.h"

namespace kelo {

namespace {

// A unit of the other shape than the family's (a processor unit handed in with the amplifier family, or
// the reverse) is left alone rather than filled from the wrong tables.
bool shapeMatches(const Unit& unit, Family family) {
    return unit.isAmp() == familyFacts(family).ampUnits;
}

} // namespace

std::uint32_t userProgramCount(Family family) {
    return familyFacts(family).userProgramCount;
}

bool storeLiveAsUserProgram(Unit& unit, Family family, std::uint32_t slot,
                            const std::optional<ProgramName>& name) {
    const FamilyFacts& plan = familyFacts(family);
    if (slot >= plan.userProgramCount || !shapeMatches(unit, family)) {
        return false;
    }
    unit.visit([&](auto& record) {
        if (name) {
            record.live.name = *name;
        }
        auto& program = record.programs[slot];
        program = record.live.program();
        program.used = 1;
        record.live.currentProgram() = plan.userProgramNumber(slot);
    });
    return true;
}

bool RecallUserProgram(Unit& unit, Family family, std::uint32_t slot) {
    const FamilyFacts& plan = familyFacts(family);
    if (slot >= plan.userProgramCount || !shapeMatches(unit, family)) {
        return false;
    }
    return unit.visit([&](auto& record) {
        if (record.programs[slot].used == 0) {
            return false;
        }
        record.live.loadProgram(record.programs[slot]);
        record.live.currentProgram() = plan.userProgramNumber(slot);
        return true;
    });
}

bool RecallFactoryProgram(Unit& unit, Family family, std::uint32_t index, FactoryPrograms& factory) {
    if (index >= FactoryPrograms::count(family) || !shapeMatches(unit, family)) {
        return false;
    }
    if (AmpUnit* amp = unit.amp()) {
        amp->live.loadProgram(ampFactoryProgram());
        amp->live.currentProgram() = index;
        return true;
    }
    ProcessorUnit* processor = unit.processor();
    processor->live.loadProgram(factory.program(family, index));
    processor->live.currentProgram() = index;
    return true;
}

bool ProgramBreaksGanging(const Unit& unit, Family family, std::uint32_t program, FactoryPrograms& factory) {
    const ProcessorUnit* processor = unit.processor();
    if (family != Family::Tz48P || processor == nullptr) {
        return false;
    }
    if (processor->live.inputGanging() == 0 && processor->live.outputGanging() == 0) {
        return false;
    }
    if (program == 0) {
        return !routingAllowsGanging(factory.program(family, 0).routingMode);
    }
    if (program > ProcessorUnit::kProgramCount) {
        return false;
    }
    return !routingAllowsGanging(processor->programs[program - 1].routingMode);
}

} // namespace kelo
