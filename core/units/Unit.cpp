#include "core/units/Unit.h"

#include "core/units/presets/FactoryPrograms.h"

namespace kelo {

std::uint32_t Unit::key() const {
    return visit([](const auto& unit) { return unit.key; });
}

void Unit::setKey(std::uint32_t key) {
    visit([key](auto& unit) { unit.key = key; });
}

const std::u16string& Unit::name() const {
    return visit([](const auto& unit) -> const std::u16string& { return unit.name; });
}

void Unit::setName(std::u16string name) {
    visit([&name](auto& unit) { unit.name = std::move(name); });
}

std::uint32_t Unit::busId() const {
    return visit([](const auto& unit) { return unit.live.busId(); });
}

void Unit::setBusId(std::uint32_t id) {
    visit([id](auto& unit) { unit.live.busId() = id; });
}

std::uint32_t Unit::currentProgram() const {
    return visit([](const auto& unit) { return unit.live.currentProgram(); });
}

std::uint32_t Unit::routingMode() const {
    const ProcessorUnit* unit = processor();
    return unit ? unit->live.routingMode : 1;
}

Unit makeNewUnit(Family family, FactoryPrograms& programs) {
    if (familyFacts(family).ampUnits) {
        return Unit(makeAmpUnit());
    }
    return Unit(makeProcessorUnit(family, programs));
}

} // namespace kelo
