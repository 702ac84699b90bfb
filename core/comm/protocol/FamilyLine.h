#pragma once

#include "core/family/Family.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace kelo {

/// Everything in which the three families differ on the line. One engine and one set of exchanges
/// serve all three, reading these values.
struct FamilyLine {
    Family family;
    std::uint8_t model;               ///< model byte in every message to a unit
    std::size_t statusBytes;          ///< data bytes of a StatusReply
    std::size_t settingsRawBytes;     ///< raw bytes of the settings image in one block
    std::size_t settingsPackedBytes;  ///< packed length of that block
    std::size_t programRawBytes;      ///< raw bytes of a program image in one block
    std::size_t programPackedBytes;   ///< packed length of that block
    int firstUserProgram;             ///< lowest program number a unit stores
    int lastUserProgram;              ///< highest program number a unit stores
    int locationOffset;               ///< location byte = program number - locationOffset
    std::uint8_t programDownloadKind; ///< dump kind for editor-to-unit program transfer
    std::uint8_t programUploadKind;   ///< dump kind for unit-to-editor program transfer
};

/// The line data of @p family.
const FamilyLine& familyLine(Family family);

/// Dump kinds of the current settings; bit 6 of a kind marks the unit-to-editor direction.
inline constexpr std::uint8_t kSettingsDownloadKind = 0x00;
inline constexpr std::uint8_t kSettingsDownloadLocation = 0x01;
inline constexpr std::uint8_t kSettingsUploadKind = 0x40;
inline constexpr std::uint8_t kSettingsUploadLocation = 0x00;
inline constexpr std::uint8_t kUploadDirectionBit = 0x40;

/// The two data bytes of a DumpRequest.
struct DumpTarget {
    std::uint8_t kind = 0;
    std::uint8_t location = 0;

    bool operator==(const DumpTarget&) const = default;
};

enum class DumpDirection { ToUnit, FromUnit };

/// Kind and location of the current settings in @p direction.
DumpTarget settingsDumpTarget(DumpDirection direction);

/// Kind and location of stored program @p program (the family's program number).
/// @return nothing when the program number is outside the family's user programs
std::optional<DumpTarget> programDumpTarget(Family family, int program, DumpDirection direction);

/// Stores the data of a StatusReply into the status fields it carries; other fields keep their values.
/// Processor families: six 7-bit bytes hold fourteen 3-bit values for fields 0..13. Amplifier: field 0 =
/// b0 bits 0..2, field 2 = b0 bits 3..5, field 3 = b1 bits 0..2, fields 14..16 = b1 bits 3..5.
/// @return false (nothing stored) when @p data is not statusBytes long
bool decodeStatus(Family family, std::span<const std::uint8_t> data, std::span<std::uint32_t, 18> fields);

/// The StatusReply data a unit of @p family sends for the given status fields (values masked to their
/// bit widths). Reverse of decodeStatus().
std::vector<std::uint8_t> encodeStatus(Family family, std::span<const std::uint32_t, 18> fields);

} // namespace kelo
