#pragma once

#include "core/comm/engine/CommEngine.h"
#include "core/comm/line/CommResult.h"
#include "core/family/Family.h"
#include "core/units/Unit.h"

#include <cstdint>
#include <optional>

namespace kelo {

class FactoryPrograms;

/// What a whole-unit read produced.
struct ReadUnitResult {
    CommResult result = CommResult::Ok; ///< the first failure, Ok when the whole unit was read
    std::optional<Unit> unit;           ///< the unit read, only when result is Ok
};

/// Whole-unit transfers between a system's unit records and the units on the line.
///
/// SendUnit holds the port lock for its whole run; ReadUnit releases it between its four groups of
/// programs so that the polling worker gets the line. Every pause goes through the engine's clock.
class UnitTransfer {
public:
    UnitTransfer(CommEngine& engine, Family family, FactoryPrograms& factory)
        : m_engine(engine), m_family(family), m_factory(factory) {}

    /// Sends @p unit's current settings and then every used stored program to the unit with its bus
    /// identifier. A failure does not stop the loop, but leaves the unit not responding, so the
    /// remaining programs are not sent.
    /// @return the first failure, or Ok when everything went
    CommResult SendUnit(const Unit& unit);

    /// Reads unit @p id into a new unit: its current settings, then all its stored programs. The new unit
    /// starts as the editor constructs one; it keeps the bus identifier it was read from and is named
    /// "Unit%d" (identifier + 1). A location the unit refuses (no program there) leaves that program
    /// marked unused. The first failure ends the read and no unit is given back.
    ReadUnitResult ReadUnit(std::uint32_t id);

private:
    CommEngine& m_engine;
    Family m_family;
    FactoryPrograms& m_factory;
};

} // namespace kelo
