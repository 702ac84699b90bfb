#include "core/app/SystemFile.h"

#include "core/app/FamilyMagic.h"
#include "core/units/ArchiveReader.h"
#include "core/units/ArchiveWriter.h"
#include "core/units/amp/AmpUnitBody.h"
#include "core/units/processor/ProcessorUnitBody.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
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

std::optional<std::vector<std::uint8_t>> readWholeFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes;
    char buffer[65536];
    while (file.read(buffer, sizeof buffer) || file.gcount() > 0) {
        bytes.insert(bytes.end(), buffer, buffer + file.gcount());
    }
    if (file.bad()) {
        return std::nullopt;
    }
    return bytes;
}

SystemFileReadResult loadSystemFile(const std::filesystem::path& path) {
    const std::optional<std::vector<std::uint8_t>> bytes = readWholeFile(path);
    if (!bytes) {
        return {std::nullopt, failure(SystemFileError::CannotOpen, path.string())};
    }
    return readSystemFile(*bytes);
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
    const std::filesystem::path folder =
        path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    // A fresh name beside the target, so the rename stays on one file system. Created with O_EXCL and
    // mode 0666 so the process umask applies as for any new file.
    static std::atomic<unsigned> counter{0};
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = (folder / ("." + path.filename().string() + "." + std::to_string(::getpid()) + "." +
                               std::to_string(counter++) + ".tmp"))
                        .string();
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) {
            break;
        }
    }
    if (fd < 0) {
        return failure(SystemFileError::CannotWrite, std::strerror(errno));
    }
    struct stat previous {};
    if (::stat(path.c_str(), &previous) == 0) {
        ::fchmod(fd, previous.st_mode & 07777);
    }
    const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    const int writeErrno = errno;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        ::unlink(temporary.c_str());
        return failure(SystemFileError::CannotWrite, std::strerror(written ? errno : writeErrno));
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int renameErrno = errno;
        ::unlink(temporary.c_str());
        return failure(SystemFileError::CannotWrite, std::strerror(renameErrno));
    }
    return {};
}

SystemFileStatus saveSystemFile(const UnitSystem& system, const std::filesystem::path& path) {
    return saveFileAtomically(writeSystemFile(system), path);
}

} // namespace kelo
