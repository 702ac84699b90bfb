#include "core/comm/line/PosixSerialLine.h"

#include "core/comm/line/TerminalControl.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace kelo {

namespace {

using std::chrono::milliseconds;

/// Milliseconds left until @p deadline, at least 0.
int remainingMs(std::chrono::steady_clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<milliseconds>(deadline - std::chrono::steady_clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

/// True for the errors of a device that has gone away or fails (a pulled adapter), as opposed to a
/// line on which nothing arrives.
bool deviceFailed(int error) {
    return error == EIO || error == ENXIO || error == ENODEV;
}

enum class Readiness { Ready, TimedOut, HungUp };

/// Waits until @p fd is ready for @p events or @p timeoutMs pass. A device that hung up (the far end of
/// the line went away) is reported as such: its reads return nothing, just like a quiet line.
Readiness waitReady(int fd, short events, int timeoutMs) {
    pollfd pfd{fd, events, 0};
    for (;;) {
        const int ready = poll(&pfd, 1, timeoutMs);
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready > 0 && (pfd.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) {
            return Readiness::HungUp;
        }
        return ready > 0 && (pfd.revents & events) != 0 ? Readiness::Ready : Readiness::TimedOut;
    }
}

/// The result of a transfer that could not go on: the device is gone, or the time is up.
CommResult stalled(Readiness readiness) {
    return readiness == Readiness::HungUp ? CommResult::DeviceGone : CommResult::IoIncomplete;
}

} // namespace

PosixSerialLine::PosixSerialLine(std::string devicePath, const Clock& clock)
    : m_devicePath(std::move(devicePath)), m_clock(clock) {}

PosixSerialLine::~PosixSerialLine() {
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}

CommResult PosixSerialLine::OpenPort() {
    if (m_fd >= 0) {
        return CommResult::PortNotOpened;
    }
    const int fd = ::open(m_devicePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return CommResult::PortNotOpened;
    }
    if (!terminal::isTerminal(fd)) {
        ::close(fd);
        return CommResult::PortNotOpened;
    }
    terminal::claimExclusive(fd);
    m_fd = fd;
    m_timeouts = LineTimeouts{};
    return CommResult::Ok;
}

void PosixSerialLine::InitPort(int baudIndex) {
    if (m_fd < 0) {
        return;
    }
    terminal::purge(m_fd);
    m_timeouts = LineTimeouts{};
    terminal::applyRawFraming(m_fd, baudRateOf(baudIndex));
    terminal::dropModemLines(m_fd);
    terminal::purge(m_fd);
}

void PosixSerialLine::SetPortBaudRate(int baudIndex) {
    if (m_fd < 0) {
        return;
    }
    terminal::applyRawFraming(m_fd, baudRateOf(baudIndex));
}

void PosixSerialLine::SetReadTimeout(int readConstantMs) {
    if (m_fd < 0) {
        return;
    }
    terminal::purge(m_fd);
    m_timeouts = LineTimeouts{};
    m_timeouts.readConstant = readConstantMs;
    terminal::purge(m_fd);
}

CommResult PosixSerialLine::WritePort(std::span<const std::uint8_t> bytes) {
    if (m_fd < 0) {
        return CommResult::IoIncomplete;
    }
    const auto total = m_clock.ioTimeout(
        milliseconds(m_timeouts.writeConstant + m_timeouts.writeMultiplier * static_cast<int>(bytes.size())));
    const auto deadline = std::chrono::steady_clock::now() + total;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_fd, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
            return deviceFailed(errno) ? CommResult::DeviceGone : CommResult::IoIncomplete;
        }
        const int left = remainingMs(deadline);
        if (left == 0) {
            return CommResult::IoIncomplete;
        }
        if (const Readiness readiness = waitReady(m_fd, POLLOUT, left); readiness != Readiness::Ready) {
            return stalled(readiness);
        }
    }
    return CommResult::Ok;
}

CommResult PosixSerialLine::ReadPort(std::span<std::uint8_t> buffer) {
    if (m_fd < 0) {
        return CommResult::IoIncomplete;
    }
    const auto total = m_clock.ioTimeout(
        milliseconds(m_timeouts.readConstant + m_timeouts.readMultiplier * static_cast<int>(buffer.size())));
    const auto interval = m_clock.ioTimeout(milliseconds(m_timeouts.readInterval));
    const auto deadline = std::chrono::steady_clock::now() + total;
    std::size_t done = 0;
    while (done < buffer.size()) {
        const ssize_t n = ::read(m_fd, buffer.data() + done, buffer.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
            return deviceFailed(errno) ? CommResult::DeviceGone : CommResult::IoIncomplete;
        }
        int wait = remainingMs(deadline);
        if (done > 0) {
            wait = std::min(wait, static_cast<int>(interval.count()));
        }
        if (wait == 0) {
            return CommResult::IoIncomplete;
        }
        if (const Readiness readiness = waitReady(m_fd, POLLIN, wait); readiness != Readiness::Ready) {
            return stalled(readiness);
        }
    }
    return CommResult::Ok;
}

CommResult PosixSerialLine::ClosePort() {
    if (m_fd < 0) {
        return CommResult::PortNotOpened;
    }
    terminal::purge(m_fd);
    ::close(m_fd);
    m_fd = -1;
    return CommResult::Ok;
}

std::uint32_t PosixSerialLine::currentBaud() const {
    return m_fd >= 0 ? terminal::currentBaud(m_fd) : 0;
}

} // namespace kelo
