#pragma once

#include "core/edit/FieldRef.h"

#include <cstdint>
#include <optional>

namespace kelo::gui {

/// The unit field behind a field of an EQ band row, for a band of an input (input true) or an output.
std::optional<FieldRef> eqRowField(bool input, std::uint8_t channel, std::uint8_t band, int rowField);

} // namespace kelo::gui
