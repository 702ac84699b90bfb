#pragma once

#include "core/app/Unit.h"
#include "core/edit/FieldRef.h"

#include <cstdint>
#include <optional>

namespace kelo {

/// The stored index of a field of a unit's live parameters; nothing when the unit's family has no such
/// field, channel or band.
std::optional<std::uint32_t> readField(const Unit& unit, FieldRef ref);

/// Stores an index into a field of a unit's live parameters (`AmpGanging` also sets the link mode
/// word). The value is stored as given; callers clamp to the field's range first.
/// @return false (nothing written) when the unit's family has no such field
bool writeField(Unit& unit, FieldRef ref, std::uint32_t value);

/// The value a field's `ParameterSet` carries for the unit as it stands (the flat and by-pass rules
/// applied); nothing when the family has no such field.
std::optional<std::uint16_t> sentValue(const Unit& unit, FieldRef ref);

} // namespace kelo
