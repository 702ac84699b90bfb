#include "core/comm/images/ImageWords.h"

#include <array>

namespace kelo::image {

namespace {

// Index = type code; value = equaliser type index. Keep in step with eqTypeToCode().
constexpr std::array<std::uint32_t, 8> kTypeOfCode{2, 0, 1, 4, 3, 9, 5, 6};

} // namespace

void writeWord(std::span<std::uint8_t> image, std::size_t offset, std::uint32_t word) {
    for (std::size_t i = 0; i < 4; ++i) {
        image[offset + i] = static_cast<std::uint8_t>(word >> (8 * i));
    }
}

std::optional<std::uint32_t> readWord(std::span<const std::uint8_t> image, std::size_t offset) {
    if (offset > image.size() || image.size() - offset < 4) {
        return std::nullopt;
    }
    std::uint32_t word = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        word |= static_cast<std::uint32_t>(image[offset + i]) << (8 * i);
    }
    return word;
}

std::uint32_t eqTypeToCode(std::uint32_t typeIndex) {
    for (std::uint32_t code = 0; code < kTypeOfCode.size(); ++code) {
        if (kTypeOfCode[code] == typeIndex) {
            return code;
        }
    }
    return 0;
}

std::uint32_t eqCodeToType(std::uint32_t code) {
    return kTypeOfCode[code & 7u];
}

} // namespace kelo::image
