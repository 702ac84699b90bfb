#pragma once

#include "core/family/Family.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace kelo {

/// Length of the family magic at the start of every system file (docs/system-file-format.md).
inline constexpr std::size_t kFamilyMagicSize = 22;

/// The family's 22-byte magic, e.g. "**VARNOLN+File-Type***".
std::string_view familyMagic(Family family);

/// The family whose magic the bytes start with, compared byte for byte in the order Tz48, TzAmp, Tz48P.
/// Nothing when fewer than 22 bytes are given or no magic matches. The file name plays no part.
std::optional<Family> detectFamily(std::span<const std::uint8_t> firstBytes);

} // namespace kelo
