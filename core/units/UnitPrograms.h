#pragma once

#include "core/family/Family.h"
#include "core/units/Unit.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace kelo {

class FactoryPrograms;

/// The warning shown instead of recalling a mono configuration into a ganged Plus unit.
inline constexpr std::string_view kMonoWithGangingMessage =
    "You are trying to load a MONO CONFIGURATION\nwith the GANGING option enabled.\nIf you want to load a "
    "MONO "
    "CONFIGURATION\nyou need first to DISABLE the INPUT\nand OUTPUT GANGING option in the\nMODIFY UNIT "
    "window "
    "(ACTIONS menu).";

/// Number of user program slots of a family's units: 64, or 32 for the amplifier.
std::uint32_t userProgramCount(Family family);

/// The record side of storing and recalling programs: what changes in the unit, before anything is sent.
/// Slots are 0-based user program slots; factory programs are numbered from 0.

/// Store: user program @p slot := the live program part (named @p name when given), marked used, and
/// the current program number becomes the slot's program number.
/// @return false (nothing changed) for a slot the family does not have
bool storeLiveAsUserProgram(Unit& unit, Family family, std::uint32_t slot,
                            const std::optional<ProgramName>& name = std::nullopt);

/// Recall of a user program: the live program part := user program @p slot, and the current program
/// number becomes the slot's program number.
/// @return false (nothing changed) for a slot the family does not have or an empty slot
bool RecallUserProgram(Unit& unit, Family family, std::uint32_t slot);

/// Recall of factory program @p index: the live program part := that factory program, current program
/// number := @p index.
/// @return false (nothing changed) for an index beyond the family's factory programs
bool RecallFactoryProgram(Unit& unit, Family family, std::uint32_t index, FactoryPrograms& factory);

/// True when recalling program @p program would give a ganged Plus unit a routing mode that forbids
/// ganging. @p program 0 is the factory program, p >= 1 user program p (1-based). Always false for the
/// other families, and for a program the unit does not have.
bool ProgramBreaksGanging(const Unit& unit, Family family, std::uint32_t program, FactoryPrograms& factory);

} // namespace kelo
