#pragma once

#include "core/family/Family.h"

#include <cstdint>
#include <vector>

namespace kelo::sim {

/// The settings image of a unit of @p family as the editor constructs a new one (factory program 0 in
/// its current settings), carrying bus identifier @p id. Its program locations start empty.
std::vector<std::uint8_t> defaultSettingsImage(Family family, std::uint8_t id);

} // namespace kelo::sim
