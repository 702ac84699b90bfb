#pragma once

#include "core/comm/line/SerialLine.h"

#include <deque>
#include <vector>

namespace kelo::test {

/// An in-memory serial line: records every write and, after each write, makes the next scripted answer
/// readable. A read that asks for more bytes than are waiting takes what there is and fails, as a
/// time-out would.
class ScriptedLine final : public SerialLine {
public:
    using Bytes = std::vector<std::uint8_t>;

    /// Queues the bytes the far end sends after the next write without an answer yet.
    void answer(Bytes bytes) { m_answers.push_back(std::move(bytes)); }
    /// Makes bytes readable at once.
    void feed(const Bytes& bytes) { m_input.insert(m_input.end(), bytes.begin(), bytes.end()); }

    const std::vector<Bytes>& writes() const { return m_writes; }
    std::size_t unread() const { return m_input.size(); }
    int baudIndex() const { return m_baud; }
    int readConstant() const { return m_readConstant; }
    bool isOpen() const { return m_open; }
    void setOpenFails(bool fails) { m_openFails = fails; }

    CommResult OpenPort() override {
        if (m_openFails || m_open) {
            return CommResult::PortNotOpened;
        }
        m_open = true;
        return CommResult::Ok;
    }
    void InitPort(int baudIndex) override {
        m_input.clear();
        m_baud = baudIndex;
        m_readConstant = kPollReadTimeoutMs;
    }
    void SetPortBaudRate(int baudIndex) override { m_baud = baudIndex; }
    void SetReadTimeout(int readConstantMs) override {
        m_input.clear();
        m_readConstant = readConstantMs;
    }
    CommResult WritePort(std::span<const std::uint8_t> bytes) override {
        m_writes.emplace_back(bytes.begin(), bytes.end());
        if (!m_answers.empty()) {
            feed(m_answers.front());
            m_answers.pop_front();
        }
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
    CommResult ClosePort() override {
        if (!m_open) {
            return CommResult::PortNotOpened;
        }
        m_open = false;
        return CommResult::Ok;
    }

private:
    std::deque<std::uint8_t> m_input;
    std::deque<Bytes> m_answers;
    std::vector<Bytes> m_writes;
    int m_baud = 0;
    int m_readConstant = kPollReadTimeoutMs;
    bool m_open = false;
    bool m_openFails = false;
};

} // namespace kelo::test
