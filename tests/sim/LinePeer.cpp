#include "tests/sim/LinePeer.h"

#include "core/comm/line/SerialLine.h"

#include <asm/termbits.h>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <sys/ioctl.h>
#include <unistd.h>

namespace kelo::sim::test {

LinePeer::LinePeer(const std::string& devicePath) {
    m_fd = ::open(devicePath.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_fd < 0) {
        throw std::runtime_error("cannot open " + devicePath);
    }
    termios2 settings{};
    ioctl(m_fd, TCGETS2, &settings);
    settings.c_iflag = 0;
    settings.c_oflag = 0;
    settings.c_lflag = 0;
    settings.c_cflag = CS8 | CREAD | CLOCAL | B9600;
    settings.c_ispeed = settings.c_ospeed = 9600;
    ioctl(m_fd, TCSETS2, &settings);
}

LinePeer::~LinePeer() {
    close();
}

void LinePeer::close() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

void LinePeer::setSpeed(int speedIndex) {
    termios2 settings{};
    ioctl(m_fd, TCGETS2, &settings);
    settings.c_cflag = (settings.c_cflag & ~tcflag_t(CBAUD)) | BOTHER;
    settings.c_ispeed = settings.c_ospeed = baudRateOf(speedIndex);
    ioctl(m_fd, TCSETS2, &settings);
}

void LinePeer::write(std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(m_fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            throw std::runtime_error("write to the simulated line failed");
        }
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
}

std::vector<std::uint8_t> LinePeer::read(std::size_t count, std::chrono::milliseconds quiet) {
    std::vector<std::uint8_t> bytes(count);
    std::size_t have = 0;
    while (have < count) {
        pollfd fd{m_fd, POLLIN, 0};
        if (poll(&fd, 1, static_cast<int>(quiet.count())) <= 0) {
            break;
        }
        const ssize_t got = ::read(m_fd, bytes.data() + have, count - have);
        if (got <= 0) {
            break;
        }
        have += static_cast<std::size_t>(got);
    }
    bytes.resize(have);
    return bytes;
}

std::vector<std::uint8_t> LinePeer::exchange(const std::vector<std::uint8_t>& message,
                                             std::size_t replyBytes) {
    write(message);
    return read(replyBytes);
}

} // namespace kelo::sim::test
