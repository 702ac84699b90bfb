#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace kelo {

/// Packs raw bytes into 7-bit bytes for a DumpBlock.
///
/// Output comes in groups of eight: seven data bytes (low 7 bits of the next raw bytes), then one
/// high-bits byte whose bit 6 holds bit 7 of the group's first raw byte, down to bit 0 for the seventh.
/// Data positions past the end of @p raw are 0x00; the high-bits byte is still written at every eighth
/// position. Raw bytes that do not fit into @p packedLength are not packed.
/// @param raw the image bytes
/// @param packedLength the exact output length (a multiple of 8 for whole groups)
/// @return @p packedLength bytes, each below 0x80
std::vector<std::uint8_t> Pack7in8(std::span<const std::uint8_t> raw, std::size_t packedLength);

/// Reverse of Pack7in8(): every whole group of eight packed bytes gives seven raw bytes (padding
/// included); a trailing partial group is ignored.
std::vector<std::uint8_t> Unpack7in8(std::span<const std::uint8_t> packed);

} // namespace kelo
