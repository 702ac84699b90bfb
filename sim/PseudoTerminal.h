#pragma once

#include <chrono>
#include <cstdint>
#include <span>
#include <string>

namespace kelo::sim {

/// The simulator's end of a pseudo-terminal pair. The other end (devicePath()) is what the
/// editor opens as its serial port.
class PseudoTerminal {
public:
    /// Creates the pair and sets the far end to raw 8N1 at 9600 bit/s.
    ///
    /// Throws std::system_error when the system has no pseudo-terminal to give.
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    /// Non-blocking descriptor of the simulator's end.
    int fd() const { return m_fd; }

    /// Path of the far end's device, e.g. "/dev/pts/3".
    const std::string& devicePath() const { return m_devicePath; }

    /// The speed the far end has set on its terminal [bit/s]; 0 when it cannot be read.
    unsigned lineSpeed() const;

    /// Writes every byte, one at a time with perByte between them when perByte is not zero.
    ///
    /// Gives up when the far end is closed or stopFd becomes readable.
    /// @return true when every byte was written.
    bool writeAll(std::span<const std::uint8_t> bytes, std::chrono::nanoseconds perByte, int stopFd);

private:
    bool writeChunk(std::span<const std::uint8_t> bytes, int stopFd);

    int m_fd = -1;
    std::string m_devicePath;
};

} // namespace kelo::sim
