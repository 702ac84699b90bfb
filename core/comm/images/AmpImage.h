#pragma once

#include "core/family/FamilyFacts.h"
#include "core/units/amp/AmpLiveParams.h"
#include "core/units/amp/AmpParams.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace kelo {

/// Memory images of the amplifier family (layout: docs/memory-images.md). The arrays are the sizes
/// that travel on the line: the images themselves followed by their zero padding.
namespace amp_image {

inline constexpr std::size_t kProgramSize = familyFacts(Family::TzAmp).programImageBytes;
inline constexpr std::size_t kSettingsSize = familyFacts(Family::TzAmp).settingsImageBytes;
inline constexpr std::size_t kProgramBlockSize = familyFacts(Family::TzAmp).programBlockBytes;
inline constexpr std::size_t kSettingsBlockSize = familyFacts(Family::TzAmp).settingsBlockBytes;

using ProgramImage = std::array<std::uint8_t, kProgramBlockSize>;
using SettingsImage = std::array<std::uint8_t, kSettingsBlockSize>;

/// Builds the program image of one program, followed by 2 zero bytes.
ProgramImage encodeProgram(const AmpParams& program);

/// Reads a received program image into program; only what the image holds completely is read.
void decodeProgram(std::span<const std::uint8_t> image, AmpParams& program);

/// Builds the settings image of the live parameters, followed by 4 zero bytes.
SettingsImage encodeSettings(const AmpLiveParams& live);

/// Reads a received settings image into the live parameters; only what it holds completely is read.
/// The image carries the unit's bus identifier, which is read with the rest.
void decodeSettings(std::span<const std::uint8_t> image, AmpLiveParams& live);

} // namespace amp_image
} // namespace kelo
