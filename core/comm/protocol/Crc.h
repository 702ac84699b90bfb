#pragma once

#include <cstdint>
#include <span>

namespace kelo {

/// The 8-bit checksum of a ParameterSet: polynomial 0xD8, most significant bit first, initial value 0,
/// no final XOR. See docs/wire-protocol.md.
std::uint8_t Crc8(std::span<const std::uint8_t> bytes);

/// The 16-bit checksum of a DumpBlock: CRC-16/XMODEM (polynomial 0x1021, most significant bit first,
/// initial value 0, no reflection, no final XOR).
std::uint16_t Crc16(std::span<const std::uint8_t> bytes);

} // namespace kelo
