#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace kelo {

/// Bit-field helpers shared by the memory images (docs/memory-images.md).
namespace image {

/// Mask of the low `width` bits.
constexpr std::uint32_t lowMask(unsigned width) {
    return width >= 32 ? 0xFFFFFFFFu : (1u << width) - 1u;
}

/// Places the low `width` bits of value at bit `low` of word; higher bits of value are dropped.
constexpr std::uint32_t putBits(std::uint32_t word, std::uint32_t value, unsigned low, unsigned width) {
    return word | ((value & lowMask(width)) << low);
}

/// The `width` bits of word starting at bit `low`.
constexpr std::uint32_t getBits(std::uint32_t word, unsigned low, unsigned width) {
    return (word >> low) & lowMask(width);
}

/// Writes word little-endian at offset. REQUIRES: offset + 4 <= image.size().
void writeWord(std::span<std::uint8_t> image, std::size_t offset, std::uint32_t word);

/// The little-endian word at offset, or nothing when the image does not hold all four of its bytes.
std::optional<std::uint32_t> readWord(std::span<const std::uint8_t> image, std::size_t offset);

/// Equaliser type index of the records → 3-bit type code on the line. An index without a code (only
/// possible from a damaged file) is sent as the peaking band's code 0.
std::uint32_t eqTypeToCode(std::uint32_t typeIndex);

/// 3-bit type code on the line → equaliser type index. Only the low 3 bits of code are looked at.
std::uint32_t eqCodeToType(std::uint32_t code);

} // namespace image
} // namespace kelo
