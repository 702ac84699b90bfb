#pragma once

#include "core/family/FamilyFacts.h"
#include "core/units/processor/LiveParams.h"
#include "core/units/processor/UnitParams.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace kelo {

/// Memory images of the two processor families (layout: docs/memory-images.md).
namespace processor_image {

inline constexpr std::size_t kProgramSize = familyFacts(Family::Tz48).programImageBytes;
inline constexpr std::size_t kSettingsSize = familyFacts(Family::Tz48).settingsImageBytes;

using ProgramImage = std::array<std::uint8_t, kProgramSize>;
using SettingsImage = std::array<std::uint8_t, kSettingsSize>;

/// Builds the program image of one stored program (or of the program part of the live parameters).
ProgramImage encodeProgram(const UnitParams& program);

/// Reads a received program image into program. Only what the image holds completely is read: the
/// name bytes present and every whole word; the other fields keep their values.
void decodeProgram(std::span<const std::uint8_t> image, UnitParams& program);

/// Builds the settings image of the live parameters. The family decides how the current program
/// number is carried (user programs relative to the family's first user program number).
SettingsImage encodeSettings(const LiveParams& live, Family family);

/// Reads a received settings image into the live parameters, as decodeProgram() does. The bus
/// identifier is not part of the image and keeps its value.
void decodeSettings(std::span<const std::uint8_t> image, LiveParams& live, Family family);

} // namespace processor_image
} // namespace kelo
