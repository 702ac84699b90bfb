#pragma once

#include "comm/FamilyLine.h"
#include "comm/Message.h"
#include "comm/SerialLine.h"

#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

namespace kelo::test {

/// Behaviour of one unit played by FakeUnitsLine.
struct FakeUnit {
    std::uint8_t model = kModelProcessor;
    int baudIndex = 0;      ///< the unit's line speed; it hears only frames sent at that speed
    int maxBaudIndex = 6;   ///< a SetBaudRate above this one goes unanswered
    int silentAfter = -1;   ///< stops answering after this many answers (-1: never)
    int busyReplies = 0;    ///< answers this many requests with BusyReply 1 first
    int answers = 0;        ///< answers given so far
    int statusRequests = 0; ///< status requests heard
    std::vector<ParameterSetData> parameters; ///< parameters received
};

/// An in-memory line with units on the far end that answer at once, for deterministic engine tests.
/// A unit answers a frame only when the line and the unit run at the same speed, and switches its speed
/// right after answering a SetBaudRate (and on the broadcast). Thread-safe.
class FakeUnitsLine final : public SerialLine {
public:
    struct Shared {
        std::mutex mutex;
        std::map<std::uint8_t, FakeUnit> units;
        std::vector<std::vector<std::uint8_t>> writes;
        int lineBaud = -1;
        int readConstant = 0;
        bool open = false;
        bool openFails = false;
    };

    explicit FakeUnitsLine(std::shared_ptr<Shared> shared) : m_shared(std::move(shared)) {}

    CommResult openPort() override {
        std::lock_guard lock(m_shared->mutex);
        if (m_shared->openFails || m_shared->open) {
            return CommResult::PortNotOpened;
        }
        m_shared->open = true;
        return CommResult::Ok;
    }
    void initPort(int baudIndex) override {
        std::lock_guard lock(m_shared->mutex);
        m_input.clear();
        m_shared->lineBaud = baudIndex;
        m_shared->readConstant = kPollReadTimeoutMs;
    }
    void setPortBaudRate(int baudIndex) override {
        std::lock_guard lock(m_shared->mutex);
        m_shared->lineBaud = baudIndex;
    }
    void setReadTimeout(int readConstantMs) override {
        std::lock_guard lock(m_shared->mutex);
        m_input.clear();
        m_shared->readConstant = readConstantMs;
    }
    CommResult writePort(std::span<const std::uint8_t> bytes) override {
        std::lock_guard lock(m_shared->mutex);
        m_shared->writes.emplace_back(bytes.begin(), bytes.end());
        if (auto frame = decodeFrame(bytes)) {
            respond(*frame);
        }
        return CommResult::Ok;
    }
    CommResult readPort(std::span<std::uint8_t> buffer) override {
        std::size_t n = 0;
        while (n < buffer.size() && !m_input.empty()) {
            buffer[n++] = m_input.front();
            m_input.pop_front();
        }
        return n == buffer.size() ? CommResult::Ok : CommResult::IoIncomplete;
    }
    CommResult closePort() override {
        std::lock_guard lock(m_shared->mutex);
        if (!m_shared->open) {
            return CommResult::PortNotOpened;
        }
        m_shared->open = false;
        return CommResult::Ok;
    }

private:
    void reply(const FakeUnit& unit, std::uint8_t id, Command command,
               const std::vector<std::uint8_t>& data) {
        const auto bytes = encodeFrame(unit.model, id, command, data);
        m_input.insert(m_input.end(), bytes.begin(), bytes.end());
    }

    void respond(const Frame& frame) {
        if (frame.identifier == kBroadcastId && frame.command == Command::SetBaudRate) {
            for (auto& [id, unit] : m_shared->units) {
                if (unit.baudIndex == m_shared->lineBaud && unit.silentAfter != 0) {
                    unit.baudIndex = frame.data.at(0);
                }
            }
            return;
        }
        auto found = m_shared->units.find(frame.identifier);
        if (found == m_shared->units.end()) {
            return;
        }
        FakeUnit& unit = found->second;
        const bool heard =
            unit.baudIndex == m_shared->lineBaud && (frame.model == unit.model || frame.model == kModelAny);
        if (!heard || unit.silentAfter == unit.answers) {
            return;
        }
        if (frame.command == Command::StatusRequest) {
            ++unit.statusRequests;
        }
        ++unit.answers;
        if (unit.busyReplies > 0) {
            --unit.busyReplies;
            reply(unit, frame.identifier, Command::BusyReply, {1});
            return;
        }
        const Family family = unit.model == kModelAmp ? Family::TzAmp : Family::Tz48;
        std::array<std::uint32_t, 18> levels{};
        levels.fill(static_cast<std::uint32_t>(unit.answers % 8));
        const auto status = encodeStatus(family, levels);
        switch (frame.command) {
        case Command::StatusRequest:
            reply(unit, frame.identifier, Command::StatusReply, status);
            break;
        case Command::SetBaudRate:
            if (frame.data.at(0) <= unit.maxBaudIndex) {
                reply(unit, frame.identifier, Command::StatusReply, status);
                unit.baudIndex = frame.data.at(0);
            }
            break;
        case Command::ParameterSet:
            if (auto parameter = decodeParameterSet(frame.data)) {
                unit.parameters.push_back(*parameter);
                reply(unit, frame.identifier, Command::StatusReply, status);
            }
            break;
        default:
            break;
        }
    }

    std::shared_ptr<Shared> m_shared;
    std::deque<std::uint8_t> m_input; ///< only touched under the engine's port lock
};

} // namespace kelo::test
