#pragma once

#include "core/comm/line/CommResult.h"
#include "core/family/FamilyFacts.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

/// Frames and payloads of the unit bus. The byte layout is described in docs/wire-protocol.md; keep
/// the two in step.
namespace kelo {

inline constexpr std::uint8_t kStartByte = 0xF0;
inline constexpr std::uint8_t kMarkerByte = 0x2F;
inline constexpr std::uint8_t kEndByte = 0xF7;

/// Model bytes. Both processor families use 0x08; kModelAny addresses every model (and marks an
/// unknown model in a connection entry).
inline constexpr std::uint8_t kModelProcessor = familyFacts(Family::Tz48).model;
inline constexpr std::uint8_t kModelAmp = familyFacts(Family::TzAmp).model;
inline constexpr std::uint8_t kModelAny = 0x7F;

/// Identifier addressing every unit (used only with kModelAny); unit identifiers are 0..31.
inline constexpr std::uint8_t kBroadcastId = 0x7F;
inline constexpr std::size_t kUnitCount = 32;

/// Bytes around the data of every frame: start, marker, model, identifier, command and end.
inline constexpr std::size_t kFrameOverhead = 6;

enum class Command : std::uint8_t {
    SetBaudRate = 0x01,   ///< editor: 1 byte, baud-rate index
    StatusRequest = 0x02, ///< editor: no data
    ParameterSet = 0x04,  ///< editor: 7 bytes, see encodeParameterSet()
    DumpRequest = 0x07,   ///< editor: 2 bytes, dump kind and location
    DumpBlock = 0x08,     ///< both: see encodeDumpBlock()
    DumpAck = 0x1A,       ///< both: 1 byte
    DumpNak = 0x1B,       ///< both: 1 byte
    StatusReply = 0x1C,   ///< unit: 6 bytes (amplifier: 2)
    BusyReply = 0x1D,     ///< unit: 1 byte, 0 or 1
    DumpRefused = 0x1F,   ///< unit: 1 byte
};

constexpr std::uint8_t toByte(Command command) {
    return static_cast<std::uint8_t>(command);
}

/// One decoded frame. The command is kept as received, so it may be a value Command does not name.
struct Frame {
    std::uint8_t model = 0;
    std::uint8_t identifier = 0;
    Command command = Command::StatusRequest;
    std::vector<std::uint8_t> data;
};

/// Builds a whole frame: F0 2F model identifier command data... F7.
/// REQUIRES: model, identifier and every data byte below 0x80.
std::vector<std::uint8_t> encodeFrame(std::uint8_t model, std::uint8_t identifier, Command command,
                                      std::span<const std::uint8_t> data = {});

/// Decodes exactly one complete frame.
/// @return the frame, or nothing when the bytes are not start, marker, four 7-bit bytes or more, end
std::optional<Frame> decodeFrame(std::span<const std::uint8_t> bytes);

/// The four numbers a ParameterSet carries.
struct ParameterSetData {
    std::uint8_t blockCode = 0;
    std::uint8_t index = 0;  ///< channel or band number (outputs 196.., unit-wide 255)
    std::uint8_t offset = 0; ///< parameter offset within the block
    std::uint16_t value = 0;

    bool operator==(const ParameterSetData&) const = default;
};

inline constexpr std::size_t kParameterSetDataBytes = 7;

/// Lays out a parameter as the seven 7-bit data bytes of a ParameterSet, bit 7 of each 8-bit number and
/// bits 14..15 of the value in byte 5, with the Crc8 of bytes 0..5 in byte 6 and bit 5 of byte 5.
std::array<std::uint8_t, kParameterSetDataBytes> encodeParameterSet(const ParameterSetData& parameter);

/// Reverse of encodeParameterSet().
/// @return nothing when the size is not 7, a byte has bit 7 set, bit 6 of byte 5 is set or the Crc8
///         does not match
std::optional<ParameterSetData> decodeParameterSet(std::span<const std::uint8_t> data);

/// Header and trailer bytes of a DumpBlock's data around the packed bytes: block number, two length
/// bytes, then three checksum bytes.
inline constexpr std::size_t kDumpBlockHeaderBytes = 3;
inline constexpr std::size_t kDumpBlockCrcBytes = 3;

/// The data of a DumpBlock: block number, length L = packed length + 3 in two 7-bit bytes, the packed
/// bytes, then the Crc16 of the packed bytes in three bytes (bits 0..6, bits 8..14, then bit 7 in bit 0
/// and bit 15 in bit 1).
/// REQUIRES: blockNumber below 0x80, packed bytes below 0x80, packed.size() + 3 below 0x4000.
std::vector<std::uint8_t> encodeDumpBlock(std::uint8_t blockNumber, std::span<const std::uint8_t> packed);

/// Splits the three checksum bytes of a block into the 16-bit Crc16 value.
constexpr std::uint16_t crcFromDumpBytes(std::uint8_t low, std::uint8_t high, std::uint8_t topBits) {
    return static_cast<std::uint16_t>((low & 0x7F) | ((topBits & 0x01) << 7) | ((high & 0x7F) << 8) |
                                      ((topBits & 0x02) << 14));
}

/// A DumpBlock read back from its data bytes.
struct DumpBlockData {
    std::uint8_t blockNumber = 0;
    std::vector<std::uint8_t> packed;
};

/// Decodes the data of a DumpBlock (the bytes between command and end byte).
/// @return Malformed when the length field disagrees with the data size, CrcMismatch when the checksum
///         is wrong, else Ok with @p out filled
CommResult decodeDumpBlock(std::span<const std::uint8_t> data, DumpBlockData& out);

} // namespace kelo
