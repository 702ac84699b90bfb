#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace kelo::sim {

/// Collects the bytes heard on the line into whole messages, 0xF0 .. 0xF7.
///
/// Bytes outside a message are noise and are dropped; a new 0xF0 restarts the message; any
/// other byte of 0x80 or above, or a message longer than the longest the editor sends,
/// throws the partial message away.
class FrameAssembler {
public:
    /// Longest message accepted: a dump block of 320 packed bytes is 332 bytes, with room to spare.
    static constexpr std::size_t kMaxMessageBytes = 600;

    /// Takes one byte from the line.
    ///
    /// @return the whole message, start and end byte included, when this byte completed one.
    std::optional<std::vector<std::uint8_t>> feed(std::uint8_t byte);

    /// True while a message has been started and not yet ended.
    bool inMessage() const { return m_collecting; }

    void reset();

private:
    std::vector<std::uint8_t> m_buffer;
    bool m_collecting = false;
};

} // namespace kelo::sim
