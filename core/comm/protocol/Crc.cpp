#include "core/comm/protocol/Crc.h"

#include <array>

namespace kelo {

namespace {

constexpr std::array<std::uint8_t, 256> makeCrc8Table() {
    std::array<std::uint8_t, 256> table{};
    for (unsigned i = 0; i < 256; ++i) {
        unsigned crc = i;
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc & 0x80) != 0 ? ((crc << 1) ^ 0xD8) : (crc << 1);
        }
        table[i] = static_cast<std::uint8_t>(crc & 0xFF);
    }
    return table;
}

constexpr std::array<std::uint16_t, 256> makeCrc16Table() {
    std::array<std::uint16_t, 256> table{};
    for (unsigned i = 0; i < 256; ++i) {
        unsigned crc = i << 8;
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc & 0x8000) != 0 ? ((crc << 1) ^ 0x1021) : (crc << 1);
        }
        table[i] = static_cast<std::uint16_t>(crc & 0xFFFF);
    }
    return table;
}

constexpr auto kCrc8Table = makeCrc8Table();
constexpr auto kCrc16Table = makeCrc16Table();

} // namespace

std::uint8_t Crc8(std::span<const std::uint8_t> bytes) {
    std::uint8_t crc = 0;
    for (std::uint8_t byte : bytes) {
        crc = kCrc8Table[crc ^ byte];
    }
    return crc;
}

std::uint16_t Crc16(std::span<const std::uint8_t> bytes) {
    std::uint16_t crc = 0;
    for (std::uint8_t byte : bytes) {
        crc = static_cast<std::uint16_t>(kCrc16Table[((crc >> 8) ^ byte) & 0xFF] ^ ((crc & 0xFF) << 8));
    }
    return crc;
}

} // namespace kelo
