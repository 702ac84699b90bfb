#pragma once

#include "core/units/ArchiveReader.h"
#include "core/units/ArchiveWriter.h"
#include "core/units/amp/AmpLiveParams.h"
#include "core/units/amp/AmpParams.h"
#include "core/units/amp/AmpUnit.h"

#include <cstddef>

namespace kelo {

// The amplifier unit body in a system file: key, name string, live image, 32 program images.
// Byte layouts: docs/system-file-format.md.

inline constexpr std::size_t kAmpParamsImageSize = 892;
inline constexpr std::size_t kAmpLiveParamsImageSize = 996;
inline constexpr std::size_t kMinAmpBodySize =
    4 + 1 + kAmpLiveParamsImageSize + AmpUnit::kProgramCount * kAmpParamsImageSize;

void writeAmpParamsImage(ArchiveWriter& archive, const AmpParams& params);
void readAmpParamsImage(ArchiveReader& archive, AmpParams& params);

/// The program image, then live words 1..13 and 15..27; word 14 is not in the file and is set to 0 on
/// reading.
void writeAmpLiveParamsImage(ArchiveWriter& archive, const AmpLiveParams& live);
void readAmpLiveParamsImage(ArchiveReader& archive, AmpLiveParams& live);

void writeAmpUnitBody(ArchiveWriter& archive, const AmpUnit& unit);
/// Reads a body over unit. @return false when the bytes end early (read into a scratch record).
bool readAmpUnitBody(ArchiveReader& archive, AmpUnit& unit);

} // namespace kelo
