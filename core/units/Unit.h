#pragma once

#include "core/family/FamilyFacts.h"
#include "core/units/amp/AmpUnit.h"
#include "core/units/processor/ProcessorUnit.h"

#include <cstdint>
#include <string>
#include <variant>

namespace kelo {

class FactoryPrograms;

/// One unit of a system: a processor unit (2-in/6-out and Plus families) or an amplifier unit.
/// Gives the fields every family has (key, name, bus identifier, current program) without caring which.
class Unit {
public:
    explicit Unit(ProcessorUnit unit) : m_record(std::move(unit)) {}
    explicit Unit(AmpUnit unit) : m_record(std::move(unit)) {}

    bool isAmp() const { return std::holds_alternative<AmpUnit>(m_record); }

    /// The record; nullptr when the unit is of the other shape.
    ProcessorUnit* processor() { return std::get_if<ProcessorUnit>(&m_record); }
    const ProcessorUnit* processor() const { return std::get_if<ProcessorUnit>(&m_record); }
    AmpUnit* amp() { return std::get_if<AmpUnit>(&m_record); }
    const AmpUnit* amp() const { return std::get_if<AmpUnit>(&m_record); }

    std::uint32_t key() const;
    void setKey(std::uint32_t key);
    const std::u16string& name() const;
    void setName(std::u16string name);
    /// Bus identifier 0..31 as stored (live word 27); shown as busId() + 1.
    std::uint32_t busId() const;
    void setBusId(std::uint32_t id);
    /// Live word 3, the current program number.
    std::uint32_t currentProgram() const;
    /// Processor: the routing mode of the live program; amplifier: 1 (no routing restriction).
    std::uint32_t routingMode() const;

    /// Calls f with ProcessorUnit& or AmpUnit&.
    template <class F> decltype(auto) visit(F&& f) { return std::visit(std::forward<F>(f), m_record); }
    template <class F> decltype(auto) visit(F&& f) const { return std::visit(std::forward<F>(f), m_record); }

private:
    std::variant<ProcessorUnit, AmpUnit> m_record;
};

/// A unit of @p family as the editor constructs one: record defaults, live part and programs seeded
/// from the family's factory program 0 (read through @p programs).
Unit makeNewUnit(Family family, FactoryPrograms& programs);

} // namespace kelo
