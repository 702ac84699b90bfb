#pragma once

#include "core/units/ArchiveReader.h"
#include "core/units/ArchiveWriter.h"
#include "core/units/processor/LiveParams.h"
#include "core/units/processor/ProcessorUnit.h"
#include "core/units/processor/UnitParams.h"

#include <cstddef>

namespace kelo {

// The unit body of both processor families in a system file: key, name string, live image, 64 program
// images. Byte layouts: docs/system-file-format.md.

inline constexpr std::size_t kUnitParamsImageSize = 1144;
inline constexpr std::size_t kLiveParamsImageSize = 1244;
/// Smallest possible body: key, an empty name in its shortest form (1 byte), live image, programs.
inline constexpr std::size_t kMinProcessorBodySize =
    4 + 1 + kLiveParamsImageSize + ProcessorUnit::kProgramCount * kUnitParamsImageSize;

void writeUnitParamsImage(ArchiveWriter& archive, const UnitParams& params);
void readUnitParamsImage(ArchiveReader& archive, UnitParams& params);

/// The program image, then live words 1..15, 17..25 and 27; words 16 and 26 are not in the file and
/// keep their values on reading.
void writeLiveParamsImage(ArchiveWriter& archive, const LiveParams& live);
void readLiveParamsImage(ArchiveReader& archive, LiveParams& live);

void writeProcessorUnitBody(ArchiveWriter& archive, const ProcessorUnit& unit);
/// Reads a body over unit. @return false when the bytes end early (unit is then partly overwritten:
/// read into a scratch record).
bool readProcessorUnitBody(ArchiveReader& archive, ProcessorUnit& unit);

} // namespace kelo
