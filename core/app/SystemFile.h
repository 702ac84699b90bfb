#pragma once

#include "core/units/UnitSystem.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kelo {

// System files (".kle"): the 22-byte family magic, a u32 unit count, then the unit bodies of the family.
// The byte layout is described in docs/system-file-format.md.

enum class SystemFileError {
    None,
    CannotOpen,           ///< the file cannot be opened or read
    UnexpectedFileFormat, ///< no family magic matches: "Unexpected File Format"
    DamagedBody, ///< the bytes after the magic do not hold what the count promises: "Unexpected file format."
    CannotWrite, ///< saving failed; the previous file is untouched
};

/// The text shown for an error (the system's own texts for the two format errors).
std::string_view systemFileErrorText(SystemFileError error);

struct SystemFileStatus {
    SystemFileError error = SystemFileError::None;
    std::string message; ///< systemFileErrorText(), with the system's reason for CannotOpen/CannotWrite
    bool ok() const { return error == SystemFileError::None; }
};

struct SystemFileReadResult {
    std::optional<UnitSystem> system; ///< set only when the whole file was read
    SystemFileStatus status;
    bool ok() const { return status.ok(); }
};

/// Reads a whole system file held in memory. The family comes from the magic alone. Either every unit
/// the count promises is read, or nothing is returned: no half-loaded system. Out-of-range indices,
/// repeated identifiers, a count of 0 and bytes after the last unit are accepted; the last unit key
/// becomes the key of the last unit read.
SystemFileReadResult readSystemFile(std::span<const std::uint8_t> bytes);

/// Reads the file at path (see the other overload). Only a regular file of at most kMaxSystemFileBytes
/// is read (readSystemFileBytes()); anything else is CannotOpen with the reason.
SystemFileReadResult loadSystemFile(const std::filesystem::path& path);

/// The file bytes of a system: magic, count, bodies in list order. A system without units gives no
/// bytes at all (such a file is refused when opened again).
std::vector<std::uint8_t> writeSystemFile(const UnitSystem& system);

/// Saves the system at path through a temporary file, renamed over the old file once completely
/// written and flushed, so a failed save leaves the previous file as it was.
///
/// A symbolic link at path (or a chain of them) is followed to its final target, which is replaced:
/// the link stays a link, also when it dangles (the target is then created). The temporary file lies
/// beside that target, and takes the old file's mode, owner and group as far as the process may set
/// them. A file with several hard links is split: the saved name gets the new content, the other
/// names keep the old one. An existing target that is not a regular file (a device, a FIFO, a
/// folder) is refused.
SystemFileStatus saveSystemFile(const UnitSystem& system, const std::filesystem::path& path);

/// Writes bytes to path the same safe way (see saveSystemFile()).
SystemFileStatus saveFileAtomically(std::span<const std::uint8_t> bytes, const std::filesystem::path& path);

/// Tells whether a save to path can succeed as far as can be seen beforehand: the final target is a
/// regular file or absent, and a temporary file can be created beside it (it is removed again). Lets
/// a long operation find an unwritable output before it starts.
SystemFileStatus checkSaveTarget(const std::filesystem::path& path);

/// Reads a whole regular file of at most kMaxSystemFileBytes (core/units/SystemFileSize.h).
/// @return nothing when it cannot be opened or read, is not a regular file or is too large.
std::optional<std::vector<std::uint8_t>> readWholeFile(const std::filesystem::path& path);

/// As readWholeFile(), with the reason of a failure as a CannotOpen status ("Cannot open file: PATH:
/// not a regular file").
SystemFileStatus readSystemFileBytes(const std::filesystem::path& path, std::vector<std::uint8_t>& bytes);

} // namespace kelo
