#include "core/comm/engine/ProgramStore.h"

#include "core/comm/engine/UnitDumps.h"
#include "core/comm/images/TransferPlan.h"
#include "core/units/UnitPrograms.h"
#include "core/units/UnitSystem.h"

#include <chrono>
#include <vector>

namespace kelo {

namespace {

// The other units of the system, which follow a store or recall while "Link" is on.
std::vector<Unit*> linkedUnits(UnitSystem& system, const Unit& unit, bool link) {
    std::vector<Unit*> units;
    if (link) {
        for (const auto& other : system.units()) {
            if (other.get() != &unit) {
                units.push_back(other.get());
            }
        }
    }
    return units;
}

} // namespace

CommResult ProgramStore::sendStored(const Unit& unit, Family family, std::uint32_t slot) {
    const TransferPlan& plan = transferPlan(family);
    CommResult result = CommResult::Ok;
    {
        CommEngine::PortSession session(m_engine);
        UnitDumps dumps(session, family);
        unit.visit([&](const auto& record) {
            result = dumps.StoreProgram(unit.busId(), plan.userProgramNumber(slot), record.programs[slot]);
            const CommResult settings = dumps.SendUnitSettings(unit.busId(), record.live);
            if (result == CommResult::Ok) {
                result = settings;
            }
        });
        m_engine.clock().sleepFor(std::chrono::milliseconds(plan.storePauseMs));
    }
    return result;
}

CommResult ProgramStore::sendSettings(const Unit& unit, Family family, int pauseMs) {
    CommResult result = CommResult::Ok;
    {
        CommEngine::PortSession session(m_engine);
        UnitDumps dumps(session, family);
        unit.visit([&](const auto& record) { result = dumps.SendUnitSettings(unit.busId(), record.live); });
        m_engine.clock().sleepFor(std::chrono::milliseconds(pauseMs));
    }
    return result;
}

ProgramStore::Outcome ProgramStore::store(UnitSystem& system, Unit& unit, std::uint32_t slot, bool link,
                                          const std::optional<ProgramName>& name) {
    const Family family = system.family();
    if (!storeLiveAsUserProgram(unit, family, slot, name)) {
        return {Status::NoSuchSlot, CommResult::Ok};
    }
    Outcome outcome{Status::Done, sendStored(unit, family, slot)};
    for (Unit* other : linkedUnits(system, unit, link)) {
        if (storeLiveAsUserProgram(*other, family, slot)) {
            sendStored(*other, family, slot);
        }
    }
    return outcome;
}

ProgramStore::Outcome ProgramStore::recallUser(UnitSystem& system, Unit& unit, std::uint32_t slot,
                                               bool link) {
    const Family family = system.family();
    const TransferPlan& plan = transferPlan(family);
    if (slot >= plan.userProgramCount) {
        return {Status::NoSuchSlot, CommResult::Ok};
    }
    if (!RecallUserProgram(unit, family, slot)) {
        return {Status::EmptySlot, CommResult::Ok};
    }
    Outcome outcome{Status::Done, sendSettings(unit, family, plan.storePauseMs)};
    for (Unit* other : linkedUnits(system, unit, link)) {
        // A linked unit takes the recalled program into the same slot before loading it.
        if (other->isAmp() == unit.isAmp()) {
            unit.visit([&](const auto& source) {
                other->visit([&](auto& target) {
                    if constexpr (std::is_same_v<decltype(source.programs), decltype(target.programs)>) {
                        target.programs[slot] = source.programs[slot];
                    }
                });
            });
        }
        if (RecallUserProgram(*other, family, slot)) {
            sendSettings(*other, family, plan.storePauseMs);
        }
    }
    return outcome;
}

ProgramStore::Outcome ProgramStore::recallFactory(UnitSystem& system, Unit& unit, std::uint32_t index,
                                                  bool link) {
    const Family family = system.family();
    const TransferPlan& plan = transferPlan(family);
    if (!RecallFactoryProgram(unit, family, index, m_factory)) {
        return {Status::NoSuchSlot, CommResult::Ok};
    }
    Outcome outcome{Status::Done, sendSettings(unit, family, plan.storePauseMs)};
    for (Unit* other : linkedUnits(system, unit, link)) {
        if (RecallFactoryProgram(*other, family, index, m_factory)) {
            sendSettings(*other, family, plan.linkedFactoryRecallPauseMs);
        }
    }
    return outcome;
}

} // namespace kelo
