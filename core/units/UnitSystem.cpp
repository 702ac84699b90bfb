#include "core/units/UnitSystem.h"

#include "core/units/presets/FactoryPrograms.h"
#include "core/units/processor/RoutingMode.h"

#include <algorithm>

namespace kelo {
namespace {

constexpr int kLowestShownId = 1;
constexpr int kHighestShownId = 32;

bool shownIdInRange(int shownId) {
    return shownId >= kLowestShownId && shownId <= kHighestShownId;
}

} // namespace

std::string_view unitEditMessage(UnitEditStatus status) {
    switch (status) {
    case UnitEditStatus::Ok:
        return "";
    case UnitEditStatus::IdentifierInUse:
        return "ID must be different\n for each device";
    case UnitEditStatus::IdentifierOutOfRange:
        return "Device ID must be 1..32";
    case UnitEditStatus::NoSuchUnit:
        return "No such unit";
    }
    return "";
}

Unit* UnitSystem::FindUnit(std::uint32_t key) {
    for (const auto& unit : m_units) {
        if (unit->key() == key) {
            return unit.get();
        }
    }
    return nullptr;
}

const Unit* UnitSystem::FindUnit(std::uint32_t key) const {
    return const_cast<UnitSystem*>(this)->FindUnit(key);
}

std::vector<std::uint32_t> UnitSystem::DeleteUnit(std::uint32_t key) {
    std::vector<std::uint32_t> removedIds;
    std::erase_if(m_units, [&](const std::unique_ptr<Unit>& unit) {
        if (unit->key() != key) {
            return false;
        }
        removedIds.push_back(unit->busId());
        return true;
    });
    if (m_units.empty()) {
        m_units.shrink_to_fit();
    }
    return removedIds;
}

bool UnitSystem::identifierUsedByOther(std::uint32_t id, const Unit* except) const {
    return std::any_of(m_units.begin(), m_units.end(), [&](const std::unique_ptr<Unit>& unit) {
        return unit.get() != except && unit->busId() == id;
    });
}

bool UnitSystem::IsIdentifierFree(int shownId) const {
    if (!shownIdInRange(shownId)) {
        return false;
    }
    return !identifierUsedByOther(static_cast<std::uint32_t>(shownId - 1), nullptr);
}

UnitEditResult UnitSystem::addNewUnit(const UnitSettings& settings, FactoryPrograms& programs) {
    if (!shownIdInRange(settings.shownId)) {
        return {UnitEditStatus::IdentifierOutOfRange};
    }
    if (!IsIdentifierFree(settings.shownId)) {
        return {UnitEditStatus::IdentifierInUse};
    }
    const std::uint32_t key = nextUnitKey();
    auto unit = std::make_unique<Unit>(makeNewUnit(m_family, programs));
    unit->setKey(key);
    unit->setName(settings.name);
    unit->setBusId(static_cast<std::uint32_t>(settings.shownId - 1));
    if (AmpUnit* amp = unit->amp()) {
        amp->live.setGanging(settings.inputGanging);
        resetAsNewUnit(*amp);
    } else {
        ProcessorUnit& processor = *unit->processor();
        resetAsNewUnit(processor, programs.program(m_family, 0));
        if (familyFacts(m_family).newUnitRoutingMode1) {
            processor.live.routingMode = 1;
        }
        // A Plus unit keeps the routing of its factory program, which may forbid ganging.
        const bool allowed = routingAllowsGanging(processor.live.routingMode);
        processor.live.inputGanging() = allowed && settings.inputGanging ? 1 : 0;
        processor.live.outputGanging() = allowed && settings.outputGanging ? 1 : 0;
    }
    m_lastUnitKey = key;
    m_units.push_back(std::move(unit));
    return {UnitEditStatus::Ok, m_units.back().get()};
}

UnitEditResult UnitSystem::modifyUnit(std::uint32_t key, const UnitSettings& settings) {
    Unit* unit = FindUnit(key);
    if (!unit) {
        return {UnitEditStatus::NoSuchUnit};
    }
    if (!shownIdInRange(settings.shownId)) {
        return {UnitEditStatus::IdentifierOutOfRange};
    }
    const auto id = static_cast<std::uint32_t>(settings.shownId - 1);
    if (identifierUsedByOther(id, unit)) {
        return {UnitEditStatus::IdentifierInUse};
    }
    unit->setName(settings.name);
    unit->setBusId(id);
    if (AmpUnit* amp = unit->amp()) {
        amp->live.setGanging(settings.inputGanging);
    } else {
        LiveParams& live = unit->processor()->live;
        const bool allowed = routingAllowsGanging(live.routingMode);
        live.inputGanging() = allowed && settings.inputGanging ? 1 : 0;
        live.outputGanging() = allowed && settings.outputGanging ? 1 : 0;
    }
    return {UnitEditStatus::Ok, unit};
}

std::u16string UnitSystem::proposedUnitName() const {
    std::u16string name = u"Device";
    for (char digit : std::to_string(m_units.size() + 1)) {
        name.push_back(static_cast<char16_t>(digit));
    }
    return name;
}

Unit* UnitSystem::appendLoadedUnit(Unit unit) {
    if (!matchesFamily(unit)) {
        return nullptr;
    }
    m_lastUnitKey = unit.key();
    m_units.push_back(std::make_unique<Unit>(std::move(unit)));
    return m_units.back().get();
}

Unit* UnitSystem::appendScannedUnit(Unit unit) {
    if (!matchesFamily(unit)) {
        return nullptr;
    }
    m_units.push_back(std::make_unique<Unit>(std::move(unit)));
    return m_units.back().get();
}

std::vector<Unit*> UnitSystem::RenumberAfterScan() {
    std::vector<Unit*> cleared;
    std::uint32_t counter = 0;
    for (const auto& unit : m_units) {
        unit->setKey(counter);
        m_lastUnitKey = counter;
        ++counter;
        if (ProcessorUnit* processor = unit->processor();
            processor && !routingAllowsGanging(processor->live.routingMode)) {
            processor->live.inputGanging() = 0;
            processor->live.outputGanging() = 0;
            cleared.push_back(unit.get());
        }
    }
    return cleared;
}

void UnitSystem::clear() {
    m_units.clear();
    m_units.shrink_to_fit();
    m_lastUnitKey = 0;
}

} // namespace kelo
