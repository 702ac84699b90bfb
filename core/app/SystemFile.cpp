#include "core/app/SystemFile.h"

#include "core/app/FamilyMagic.h"
#include "core/units/ArchiveReader.h"
#include "core/units/ArchiveWriter.h"
#include "core/units/RegularFile.h"
#include "core/units/SystemFileSize.h"
#include "core/units/amp/AmpUnitBody.h"
#include "core/units/processor/ProcessorUnitBody.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace kelo {
namespace {

SystemFileStatus failure(SystemFileError error, std::string_view reason = {}) {
    std::string message(systemFileErrorText(error));
    if (!reason.empty()) {
        message += ": ";
        message += reason;
    }
    return {error, std::move(message)};
}

bool writeAll(int fd, std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        done += static_cast<std::size_t>(written);
    }
    return true;
}

/// Where a save lands: the final target of any symbolic links, and what is there now.
struct SaveTarget {
    std::filesystem::path path;
    bool exists = false;
    struct stat status {};
};

/// Follows symbolic links from path to the file a save replaces (which need not exist yet).
/// @return nothing with @p reason set when the links loop or the target is not a regular file.
std::optional<SaveTarget> resolveSaveTarget(const std::filesystem::path& path, std::string& reason) {
    // The kernel's own bound on links followed while resolving a path.
    constexpr int kMaxLinks = 40;
    SaveTarget target{path};
    for (int links = 0; links <= kMaxLinks; ++links) {
        if (::lstat(target.path.c_str(), &target.status) != 0) {
            if (errno != ENOENT) {
                reason = std::strerror(errno);
                return std::nullopt;
            }
            return target;
        }
        if (S_ISLNK(target.status.st_mode)) {
            std::error_code error;
            const std::filesystem::path next = std::filesystem::read_symlink(target.path, error);
            if (error) {
                reason = error.message();
                return std::nullopt;
            }
            target.path = next.is_absolute() ? next : target.path.parent_path() / next;
            continue;
        }
        if (!S_ISREG(target.status.st_mode)) {
            reason = target.path.string() + ": not a regular file";
            return std::nullopt;
        }
        target.exists = true;
        return target;
    }
    reason = std::strerror(ELOOP);
    return std::nullopt;
}

/// Creates a fresh temporary file beside target, so the rename stays on one file system. Created with
/// O_EXCL and mode 0666 so the process umask applies as for any new file.
/// @return the descriptor, or -1 with errno set
int createTemporary(const std::filesystem::path& target, std::string& name) {
    const std::filesystem::path folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    static std::atomic<unsigned> counter{0};
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        name = (folder / ("." + target.filename().string() + "." + std::to_string(::getpid()) + "." +
                          std::to_string(counter++) + ".tmp"))
                   .string();
        fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd < 0 && errno != EEXIST) {
            break;
        }
    }
    return fd;
}

/// Makes the rename itself durable; a folder that cannot be synced costs nothing but that.
void syncFolder(const std::filesystem::path& target) {
    const std::filesystem::path folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

std::string_view systemFileErrorText(SystemFileError error) {
    switch (error) {
    case SystemFileError::None:
        return "";
    case SystemFileError::CannotOpen:
        return "Cannot open file";
    case SystemFileError::UnexpectedFileFormat:
        return "Unexpected File Format";
    case SystemFileError::DamagedBody:
        return "Unexpected file format.";
    case SystemFileError::CannotWrite:
        return "Cannot write file";
    }
    return "";
}

SystemFileReadResult readSystemFile(std::span<const std::uint8_t> bytes) {
    const std::optional<Family> family = detectFamily(bytes);
    if (!family) {
        return {std::nullopt, failure(SystemFileError::UnexpectedFileFormat)};
    }
    ArchiveReader archive(bytes);
    archive.skip(kFamilyMagicSize);
    const std::uint32_t count = archive.readU32();
    if (archive.failed()) {
        return {std::nullopt, failure(SystemFileError::DamagedBody)};
    }
    UnitSystem system(*family);
    for (std::uint32_t index = 0; index < count; ++index) {
        // Every body is read into a fresh record; the count itself never sizes an allocation.
        if (system.holdsAmpUnits()) {
            AmpUnit unit;
            if (!readAmpUnitBody(archive, unit)) {
                return {std::nullopt, failure(SystemFileError::DamagedBody)};
            }
            system.appendLoadedUnit(Unit(std::move(unit)));
        } else {
            ProcessorUnit unit;
            unit.name.clear();
            if (!readProcessorUnitBody(archive, unit)) {
                return {std::nullopt, failure(SystemFileError::DamagedBody)};
            }
            system.appendLoadedUnit(Unit(std::move(unit)));
        }
    }
    return {std::move(system), {}};
}

SystemFileStatus readSystemFileBytes(const std::filesystem::path& path, std::vector<std::uint8_t>& bytes) {
    FileReadResult read = readRegularFile(path, kMaxSystemFileBytes);
    if (!read.ok()) {
        return failure(SystemFileError::CannotOpen, path.string() + ": " + read.reason);
    }
    bytes = std::move(read.bytes);
    return {};
}

std::optional<std::vector<std::uint8_t>> readWholeFile(const std::filesystem::path& path) {
    std::vector<std::uint8_t> bytes;
    if (!readSystemFileBytes(path, bytes).ok()) {
        return std::nullopt;
    }
    return bytes;
}

SystemFileReadResult loadSystemFile(const std::filesystem::path& path) {
    std::vector<std::uint8_t> bytes;
    SystemFileStatus read = readSystemFileBytes(path, bytes);
    if (!read.ok()) {
        return {std::nullopt, std::move(read)};
    }
    return readSystemFile(bytes);
}

std::vector<std::uint8_t> writeSystemFile(const UnitSystem& system) {
    std::vector<std::uint8_t> bytes;
    if (system.empty()) {
        return bytes;
    }
    ArchiveWriter archive(bytes);
    const std::string_view magic = familyMagic(system.family());
    for (char c : magic) {
        archive.writeU8(static_cast<std::uint8_t>(c));
    }
    archive.writeU32(static_cast<std::uint32_t>(system.unitCount()));
    for (const auto& unit : system.units()) {
        if (const AmpUnit* amp = unit->amp()) {
            writeAmpUnitBody(archive, *amp);
        } else {
            writeProcessorUnitBody(archive, *unit->processor());
        }
    }
    return bytes;
}

SystemFileStatus saveFileAtomically(std::span<const std::uint8_t> bytes, const std::filesystem::path& path) {
    std::string reason;
    const std::optional<SaveTarget> target = resolveSaveTarget(path, reason);
    if (!target) {
        return failure(SystemFileError::CannotWrite, reason);
    }
    std::string temporary;
    const int fd = createTemporary(target->path, temporary);
    if (fd < 0) {
        return failure(SystemFileError::CannotWrite, std::strerror(errno));
    }
    if (target->exists) {
        // Owner and group first: a change of owner clears the set-id bits the mode then puts back. Either
        // may be refused to an ordinary user (another owner's file): the save goes on with the defaults.
        if (::fchown(fd, target->status.st_uid, target->status.st_gid) != 0) {
            [[maybe_unused]] const int groupOnly =
                ::fchown(fd, static_cast<uid_t>(-1), target->status.st_gid);
        }
        ::fchmod(fd, target->status.st_mode & 07777);
    }
    const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    const int writeErrno = errno;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        const int failed = written ? errno : writeErrno;
        ::unlink(temporary.c_str());
        return failure(SystemFileError::CannotWrite, std::strerror(failed));
    }
    if (::rename(temporary.c_str(), target->path.c_str()) != 0) {
        const int renameErrno = errno;
        ::unlink(temporary.c_str());
        return failure(SystemFileError::CannotWrite, std::strerror(renameErrno));
    }
    syncFolder(target->path);
    return {};
}

SystemFileStatus checkSaveTarget(const std::filesystem::path& path) {
    std::string reason;
    const std::optional<SaveTarget> target = resolveSaveTarget(path, reason);
    if (!target) {
        return failure(SystemFileError::CannotWrite, reason);
    }
    std::string temporary;
    const int fd = createTemporary(target->path, temporary);
    if (fd < 0) {
        return failure(SystemFileError::CannotWrite, std::strerror(errno));
    }
    ::close(fd);
    ::unlink(temporary.c_str());
    return {};
}

SystemFileStatus saveSystemFile(const UnitSystem& system, const std::filesystem::path& path) {
    return saveFileAtomically(writeSystemFile(system), path);
}

} // namespace kelo
