#pragma once

#include <chrono>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace kelo::sim::test {

/// The editor's end of a simulated line, opened raw like a serial port, for byte-exact tests.
class LinePeer {
public:
    explicit LinePeer(const std::string& devicePath);
    ~LinePeer();
    LinePeer(const LinePeer&) = delete;
    LinePeer& operator=(const LinePeer&) = delete;

    /// Sets the speed of this end by baud-rate index.
    void setSpeed(int speedIndex);

    void write(std::span<const std::uint8_t> bytes);

    /// Reads until @p count bytes have arrived or nothing more comes within @p quiet.
    std::vector<std::uint8_t> read(std::size_t count,
                                   std::chrono::milliseconds quiet = std::chrono::milliseconds(2000));

    /// Writes @p message and reads @p replyBytes bytes of answer.
    std::vector<std::uint8_t> exchange(const std::vector<std::uint8_t>& message, std::size_t replyBytes);

    void close();

private:
    int m_fd = -1;
};

} // namespace kelo::sim::test
