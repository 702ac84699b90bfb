#include "core/comm/protocol/Pack7in8.h"

namespace kelo {

namespace {
constexpr std::size_t kGroup = 8;
constexpr std::size_t kDataPerGroup = 7;
} // namespace

std::vector<std::uint8_t> Pack7in8(std::span<const std::uint8_t> raw, std::size_t packedLength) {
    std::vector<std::uint8_t> out(packedLength, 0);
    for (std::size_t group = 0; group * kGroup < packedLength; ++group) {
        std::uint8_t high = 0;
        for (std::size_t j = 0; j < kDataPerGroup; ++j) {
            const std::size_t outPos = group * kGroup + j;
            const std::size_t rawPos = group * kDataPerGroup + j;
            if (outPos >= packedLength) {
                break;
            }
            const std::uint8_t byte = rawPos < raw.size() ? raw[rawPos] : 0;
            out[outPos] = byte & 0x7F;
            if ((byte & 0x80) != 0) {
                high |= static_cast<std::uint8_t>(1u << (6 - j));
            }
        }
        const std::size_t highPos = group * kGroup + kDataPerGroup;
        if (highPos < packedLength) {
            out[highPos] = high;
        }
    }
    return out;
}

std::vector<std::uint8_t> Unpack7in8(std::span<const std::uint8_t> packed) {
    const std::size_t groups = packed.size() / kGroup;
    std::vector<std::uint8_t> out;
    out.reserve(groups * kDataPerGroup);
    for (std::size_t group = 0; group < groups; ++group) {
        const std::uint8_t high = packed[group * kGroup + kDataPerGroup];
        for (std::size_t j = 0; j < kDataPerGroup; ++j) {
            const auto bit7 = static_cast<std::uint8_t>(((high >> (6 - j)) & 1u) << 7);
            out.push_back(static_cast<std::uint8_t>((packed[group * kGroup + j] & 0x7F) | bit7));
        }
    }
    return out;
}

} // namespace kelo
