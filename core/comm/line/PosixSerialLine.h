#pragma once

#include "core/comm/line/Clock.h"
#include "core/comm/line/SerialLine.h"

#include <string>

namespace kelo {

/// The serial line on a POSIX terminal device (a serial port or a pseudo-terminal).
///
/// Reads and writes are non-blocking calls paced by poll(), with the time-outs of LineTimeouts: a read
/// gives up when the total time (constant + multiplier x byte count) runs out or, once a byte has come,
/// when the next one takes longer than the interval. Every time-out is passed through the clock's
/// ioTimeout(), so tests can shorten them.
class PosixSerialLine final : public SerialLine {
public:
    /// @param devicePath the terminal device, e.g. "/dev/ttyS0"
    /// @param clock the clock that sets the time-outs; must outlive the line
    explicit PosixSerialLine(std::string devicePath, const Clock& clock = SystemClock::instance());
    ~PosixSerialLine() override;
    PosixSerialLine(const PosixSerialLine&) = delete;
    PosixSerialLine& operator=(const PosixSerialLine&) = delete;

    CommResult OpenPort() override;
    void InitPort(int baudIndex) override;
    void SetPortBaudRate(int baudIndex) override;
    void SetReadTimeout(int readConstantMs) override;
    CommResult WritePort(std::span<const std::uint8_t> bytes) override;
    CommResult ReadPort(std::span<std::uint8_t> buffer) override;
    CommResult ClosePort() override;

    const std::string& devicePath() const { return m_devicePath; }
    bool isOpen() const { return m_fd >= 0; }
    /// Speed the device is set to [bit/s]; 0 when closed.
    std::uint32_t currentBaud() const;
    const LineTimeouts& timeouts() const { return m_timeouts; }

private:
    std::string m_devicePath;
    const Clock& m_clock;
    int m_fd = -1;
    LineTimeouts m_timeouts;
};

} // namespace kelo
