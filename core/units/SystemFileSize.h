#pragma once

#include "core/units/amp/AmpUnitBody.h"
#include "core/units/processor/ProcessorUnitBody.h"

#include <algorithm>
#include <cstddef>

namespace kelo {

/// Bytes of a unit name the size bound allows for: far beyond the 40 characters the editor takes, so
/// names written by other tools still fit.
inline constexpr std::size_t kUnitNameAllowanceBytes = 4096;

/// The largest unit body of any family, with its name allowance.
inline constexpr std::size_t kLargestUnitBodyBytes =
    std::max(kMinProcessorBodySize, kMinAmpBodySize) + kUnitNameAllowanceBytes;

/// The size bound of every system file read: the magic and count, then 32 units (every bus identifier)
/// of the largest family, twice over for margin. Anything larger cannot be a system any unit set makes,
/// so it is refused before it is read (the editor's open, the command-line tool, the presets file).
inline constexpr std::size_t kMaxSystemFileBytes = 2 * (22 + 4 + 32 * kLargestUnitBodyBytes);

} // namespace kelo
