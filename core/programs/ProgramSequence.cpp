#include "core/programs/ProgramSequence.h"

#include "core/units/UnitPrograms.h"
#include "core/units/UnitSystem.h"
#include "core/comm/engine/ProgramStore.h"
#include "core/comm/images/TransferPlan.h"

#include <type_traits>

namespace kelo {

namespace {

// A linked unit recalling a user program takes the requesting unit's copy of it first, so every unit
// ends up with the same settings even when their program memories differ.
void copyUserProgram(const Unit& source, Unit& target, std::uint32_t slot) {
    source.visit([&](const auto& from) {
        target.visit([&](auto& to) {
            if constexpr (std::is_same_v<decltype(from.programs), decltype(to.programs)>) {
                to.programs[slot] = from.programs[slot];
            }
        });
    });
}

bool applyToUnit(Unit& unit, const Unit& requested, Family family, const ProgramRequest& request,
                 FactoryPrograms& factory) {
    const bool isRequested = &unit == &requested;
    switch (request.action) {
    case ProgramRequest::Action::Store:
        return storeLiveAsUserProgram(unit, family, request.index,
                                      isRequested ? request.name : std::optional<ProgramName>{});
    case ProgramRequest::Action::RecallUser:
        if (!isRequested && request.index < userProgramCount(family)) {
            copyUserProgram(requested, unit, request.index);
        }
        return RecallUserProgram(unit, family, request.index);
    case ProgramRequest::Action::RecallFactory:
        return RecallFactoryProgram(unit, family, request.index, factory);
    }
    return false;
}

} // namespace

std::optional<ProgramPlan> ProgramSequence::prepare(UnitSystem& system, Unit& unit,
                                                    const ProgramRequest& request, FactoryPrograms& factory) {
    const Family family = system.family();
    const TransferPlan& transfer = transferPlan(family);
    if (!applyToUnit(unit, unit, family, request, factory)) {
        return std::nullopt;
    }
    const bool stores = request.action == ProgramRequest::Action::Store;
    ProgramPlan plan;
    plan.family = family;
    plan.changedUnits.push_back(unit.key());
    plan.sends.push_back({unit, stores, request.index, transfer.storePauseMs});
    if (!request.link) {
        return plan;
    }
    const int linkedPause = request.action == ProgramRequest::Action::RecallFactory
                                ? transfer.linkedFactoryRecallPauseMs
                                : transfer.storePauseMs;
    for (const auto& other : system.units()) {
        if (other.get() != &unit && applyToUnit(*other, unit, family, request, factory)) {
            plan.changedUnits.push_back(other->key());
            plan.sends.push_back({*other, stores, request.index, linkedPause});
        }
    }
    return plan;
}

std::vector<CommResult> ProgramSequence::send(CommEngine& engine, FactoryPrograms& factory,
                                              const ProgramPlan& plan, const Progress& progress) {
    ProgramStore store(engine, factory);
    std::vector<CommResult> results;
    results.reserve(plan.sends.size());
    for (std::size_t i = 0; i < plan.sends.size(); ++i) {
        const ProgramSend& unitSend = plan.sends[i];
        if (progress) {
            progress(i, unitSend);
        }
        results.push_back(unitSend.storesProgram
                              ? store.sendStored(unitSend.unit, plan.family, unitSend.slot)
                              : store.sendSettings(unitSend.unit, plan.family, unitSend.pauseMs));
    }
    return results;
}

} // namespace kelo
