#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kelo {

/// Why a file could not be read whole.
enum class FileReadError {
    None,
    CannotOpen, ///< missing, no permission, or a read error
    NotRegular, ///< a folder, device, FIFO or socket: never read, it could block or never end
    TooLarge,   ///< larger than the caller's bound; nothing is read
};

struct FileReadResult {
    std::vector<std::uint8_t> bytes;
    FileReadError error = FileReadError::None;
    std::string reason; ///< the system's reason or "not a regular file" / "larger than N bytes"
    bool ok() const { return error == FileReadError::None; }
};

/// Reads a whole regular file of at most @p maxBytes. Anything else (a device such as /dev/zero, a
/// FIFO, a folder) is refused without reading it, and so is a file larger than the bound, before any
/// memory is taken for it; a file that grows past the bound while being read is refused too. Opening
/// never blocks (a FIFO without a writer is refused at once).
FileReadResult readRegularFile(const std::filesystem::path& path, std::size_t maxBytes);

} // namespace kelo
