#include "sim/FrameAssembler.h"

namespace kelo::sim {

namespace {
constexpr std::uint8_t kStart = 0xF0;
constexpr std::uint8_t kEnd = 0xF7;
} // namespace

std::optional<std::vector<std::uint8_t>> FrameAssembler::feed(std::uint8_t byte) {
    if (byte == kStart) {
        m_buffer.assign(1, byte);
        m_collecting = true;
        return std::nullopt;
    }
    if (!m_collecting) {
        return std::nullopt;
    }
    if (byte == kEnd) {
        m_buffer.push_back(byte);
        m_collecting = false;
        std::vector<std::uint8_t> message;
        message.swap(m_buffer);
        return message;
    }
    if (byte >= 0x80 || m_buffer.size() + 1 >= kMaxMessageBytes) {
        reset();
        return std::nullopt;
    }
    m_buffer.push_back(byte);
    return std::nullopt;
}

void FrameAssembler::reset() {
    m_buffer.clear();
    m_collecting = false;
}

} // namespace kelo::sim
