#include "sim/PseudoTerminal.h"

// termios2 carries the speed as a plain number, so speeds without a B-constant (14400, 56000)
// read back exactly. On Linux the terminal settings asked through the master end are those of
// the far end.
#include <asm/termbits.h>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <system_error>
#include <thread>
#include <unistd.h>

namespace kelo::sim {

namespace {

[[noreturn]] void throwErrno(const char* what) {
    throw std::system_error(errno, std::generic_category(), what);
}

} // namespace

PseudoTerminal::PseudoTerminal() {
    m_fd = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_fd < 0) {
        throwErrno("posix_openpt");
    }
    char name[128];
    if (grantpt(m_fd) != 0 || unlockpt(m_fd) != 0 || ptsname_r(m_fd, name, sizeof name) != 0) {
        const int error = errno;
        ::close(m_fd);
        throw std::system_error(error, std::generic_category(), "pseudo-terminal set-up");
    }
    m_devicePath = name;

    termios2 settings{};
    if (ioctl(m_fd, TCGETS2, &settings) == 0) {
        settings.c_iflag &=
            ~tcflag_t(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON | IXOFF);
        settings.c_oflag &= ~tcflag_t(OPOST);
        settings.c_lflag &= ~tcflag_t(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
        settings.c_cflag &= ~tcflag_t(CSIZE | PARENB | CSTOPB | CBAUD | CRTSCTS);
        settings.c_cflag |= CS8 | CREAD | CLOCAL | B9600;
        settings.c_ispeed = 9600;
        settings.c_ospeed = 9600;
        ioctl(m_fd, TCSETS2, &settings);
    }
    const int flags = fcntl(m_fd, F_GETFL);
    fcntl(m_fd, F_SETFL, flags | O_NONBLOCK);
}

PseudoTerminal::~PseudoTerminal() {
    ::close(m_fd);
}

unsigned PseudoTerminal::lineSpeed() const {
    termios2 settings{};
    if (ioctl(m_fd, TCGETS2, &settings) != 0) {
        return 0;
    }
    return settings.c_ospeed;
}

bool PseudoTerminal::writeAll(std::span<const std::uint8_t> bytes, std::chrono::nanoseconds perByte,
                              int stopFd) {
    if (perByte.count() == 0) {
        return writeChunk(bytes, stopFd);
    }
    auto due = std::chrono::steady_clock::now();
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        due += perByte;
        std::this_thread::sleep_until(due);
        if (!writeChunk(bytes.subspan(i, 1), stopFd)) {
            return false;
        }
    }
    return true;
}

bool PseudoTerminal::writeChunk(std::span<const std::uint8_t> bytes, int stopFd) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(m_fd, bytes.data(), bytes.size());
        if (written > 0) {
            bytes = bytes.subspan(static_cast<std::size_t>(written));
            continue;
        }
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written < 0 && errno != EAGAIN) {
            return false;
        }
        // The far end's input queue is full: wait until it reads, or until we are told to stop.
        pollfd fds[2] = {{m_fd, POLLOUT, 0}, {stopFd, POLLIN, 0}};
        if (poll(fds, 2, -1) < 0 && errno != EINTR) {
            return false;
        }
        if ((fds[1].revents & POLLIN) != 0 || (fds[0].revents & (POLLHUP | POLLERR)) != 0) {
            return false;
        }
    }
    return true;
}

} // namespace kelo::sim
