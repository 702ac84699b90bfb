#pragma once

#include "core/comm/engine/CommEngine.h"
#include "core/comm/line/CommResult.h"
#include "core/units/ProgramName.h"
#include "core/units/Unit.h"

#include <cstdint>
#include <optional>

namespace kelo {

class FactoryPrograms;
class UnitSystem;

/// Storing the current settings of a unit into one of its user programs, and recalling a user or
/// factory program into its current settings: the record changes at once, and the unit is sent what
/// changed (nothing while off line, the pauses are taken all the same). With "Link" on, every other unit
/// of the system does the same, each under its own hold of the port lock.
class ProgramStore {
public:
    ProgramStore(CommEngine& engine, FactoryPrograms& factory) : m_engine(engine), m_factory(factory) {}

    /// What a recall or store did.
    enum class Status {
        Done,       ///< records changed; sent result in `sent`
        NoSuchSlot, ///< the family has no such user program or factory program: nothing changed
        EmptySlot,  ///< recall of a user program that holds no data: nothing changed
    };
    struct Outcome {
        Status status = Status::Done;
        CommResult sent = CommResult::Ok; ///< the unit's own sends (NotConnected while off line)
    };

    /// User program @p slot of @p unit := its current settings (named @p name when given), then the
    /// program and the settings are sent to the unit.
    Outcome store(UnitSystem& system, Unit& unit, std::uint32_t slot, bool link,
                  const std::optional<ProgramName>& name = std::nullopt);

    /// Loads user program @p slot into the current settings and sends them. Linked units take a copy of
    /// the program first.
    Outcome recallUser(UnitSystem& system, Unit& unit, std::uint32_t slot, bool link);

    /// Loads factory program @p index (0-based) into the current settings and sends them.
    Outcome recallFactory(UnitSystem& system, Unit& unit, std::uint32_t index, bool link);

    /// Sends user program @p slot of @p unit and then its current settings under one hold of the port
    /// lock, followed by the family's store pause. The record is only read.
    CommResult sendStored(const Unit& unit, Family family, std::uint32_t slot);
    /// Sends the current settings of @p unit under one hold of the port lock, then pauses @p pauseMs.
    CommResult sendSettings(const Unit& unit, Family family, int pauseMs);

private:
    CommEngine& m_engine;
    FactoryPrograms& m_factory;
};

} // namespace kelo
