#include "core/units/RegularFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kelo {
namespace {

FileReadResult failure(FileReadError error, std::string reason) {
    return {{}, error, std::move(reason)};
}

/// Closes the descriptor on every way out.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

FileReadResult readRegularFile(const std::filesystem::path& path, std::size_t maxBytes) {
    // O_NONBLOCK: opening a FIFO must not wait for a writer; it is refused below by its type.
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.get() < 0) {
        return failure(FileReadError::CannotOpen, std::strerror(errno));
    }
    struct stat status {};
    if (::fstat(file.get(), &status) != 0) {
        return failure(FileReadError::CannotOpen, std::strerror(errno));
    }
    if (!S_ISREG(status.st_mode)) {
        return failure(FileReadError::NotRegular, "not a regular file");
    }
    const std::string tooLarge = "larger than " + std::to_string(maxBytes) + " bytes";
    if (status.st_size < 0 || static_cast<std::uintmax_t>(status.st_size) > maxBytes) {
        return failure(FileReadError::TooLarge, tooLarge);
    }
    // Regular files ignore O_NONBLOCK; reading goes on until end of file, one byte past the bound at most.
    FileReadResult result;
    result.bytes.resize(static_cast<std::size_t>(status.st_size));
    std::size_t done = 0;
    for (;;) {
        if (done == result.bytes.size()) {
            if (done > maxBytes) {
                return failure(FileReadError::TooLarge, tooLarge);
            }
            // The file may have grown since fstat: look for more, up to one byte past the bound.
            result.bytes.resize(std::min(done + 65536, maxBytes + 1));
        }
        const ssize_t got = ::read(file.get(), result.bytes.data() + done, result.bytes.size() - done);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return failure(FileReadError::CannotOpen, std::strerror(errno));
        }
        if (got == 0) {
            break;
        }
        done += static_cast<std::size_t>(got);
    }
    result.bytes.resize(done);
    return result;
}

} // namespace kelo
