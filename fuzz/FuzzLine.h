#pragma once

// What every fuzzer shares: a line whose far end sends the fuzzer's bytes, and the property check.
#include "core/comm/line/SerialLine.h"

#include <cstdint>
#include <cstdlib>
#include <deque>
#include <span>

namespace kelo::fuzz {

/// A line whose far end sends the given bytes, whatever was written; counts what was written.
class BytesLine final : public SerialLine {
public:
    BytesLine(const std::uint8_t* data, std::size_t size) : m_input(data, data + size) {}

    CommResult OpenPort() override { return CommResult::Ok; }
    void InitPort(int) override {}
    void SetPortBaudRate(int) override {}
    void SetReadTimeout(int) override {}
    CommResult WritePort(std::span<const std::uint8_t>) override {
        ++m_writes;
        return CommResult::Ok;
    }
    CommResult ReadPort(std::span<std::uint8_t> buffer) override {
        std::size_t n = 0;
        while (n < buffer.size() && !m_input.empty()) {
            buffer[n++] = m_input.front();
            m_input.pop_front();
        }
        return n == buffer.size() ? CommResult::Ok : CommResult::IoIncomplete;
    }
    CommResult ClosePort() override { return CommResult::Ok; }

    /// Messages written so far.
    std::size_t writes() const { return m_writes; }

private:
    std::deque<std::uint8_t> m_input;
    std::size_t m_writes = 0;
};

/// Stops the run with a crash libFuzzer records when a property does not hold.
inline void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

} // namespace kelo::fuzz
