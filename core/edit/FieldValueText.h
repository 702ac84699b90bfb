#pragma once

#include "core/app/Unit.h"
#include "core/edit/FieldRef.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kelo {

/// Reads a typed value for a field of a unit the way the editor's field reads it ("-3dB", "1.25k",
/// "12ms", "Peaking", "Slow", "OFF"); "#57" is index 57. Values outside the range are clamped to it.
/// Delays and temperatures are read in the unit's display units, or with an explicit unit text.
/// @return the index, or nothing when the text does not parse
std::optional<std::uint32_t> parseFieldValue(const Unit& unit, FieldRef ref, std::string_view text);

/// The display text of a field's stored index ("-3.0dB", "Peaking", "12.00ms").
std::string fieldValueText(const Unit& unit, FieldRef ref);

} // namespace kelo
