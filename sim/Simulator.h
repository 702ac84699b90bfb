#pragma once

#include "sim/FrameAssembler.h"
#include "sim/PseudoTerminal.h"
#include "sim/SimUnit.h"
#include "sim/UnitResponder.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace kelo::sim {

struct SimOptions {
    Family family = Family::Tz48;
    /// Bus identifiers 0..31 of the units on the line (shown to people as 1..32).
    std::vector<std::uint8_t> ids;
    /// Settings image every unit starts with; empty: zeros of the family's size.
    std::vector<std::uint8_t> settingsImage;
    /// Take as long as a real line would: 10 bit times per byte heard and per byte sent.
    bool pace = false;
    /// Units understand only messages sent at their own line speed, as on a real line.
    bool checkLineSpeed = true;
    /// Receives one line of text per message heard and per reply sent (on the serving thread).
    std::function<void(std::string_view)> trace;
};

/// Units of one family answering on the far end of a pseudo-terminal.
///
/// A thread serves the line from construction until stop() or destruction. Every accessor is
/// thread-safe; unit state is read as a copy and changed under the lock that the serving thread
/// holds while it answers a message.
class Simulator {
public:
    /// Creates the pseudo-terminal and starts serving; returns once the line is served.
    ///
    /// Throws std::invalid_argument for an identifier above 31 or given twice, and
    /// std::system_error when no pseudo-terminal can be had.
    explicit Simulator(SimOptions options);
    ~Simulator();
    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    /// Stops serving and joins the thread; later calls do nothing.
    void stop();

    /// The device a serial line opens to reach the units.
    const std::string& devicePath() const { return m_pty.devicePath(); }

    Family family() const { return m_options.family; }

    /// A copy of unit @p id. Throws std::out_of_range when there is no such unit.
    SimUnit unit(std::uint8_t id) const;

    /// Changes unit @p id under the lock. Throws std::out_of_range when there is no such unit.
    void modifyUnit(std::uint8_t id, const std::function<void(SimUnit&)>& change);

    /// Sets the fault switches of one unit, or of every unit, and restarts their counting.
    void setFaults(std::uint8_t id, const SimFaults& faults);
    void setFaults(const SimFaults& faults);

    /// Switches a unit off (it hears nothing) or on (it starts at 9600 bit/s with no transfer open).
    void setPowered(std::uint8_t id, bool on);

    void setSettingsImage(std::uint8_t id, std::vector<std::uint8_t> image);

    /// Stores or (with nothing) clears the program of user program slot @p slot (0-based).
    /// Throws std::out_of_range for a slot the family does not have.
    void setProgramImage(std::uint8_t id, std::size_t slot, std::optional<std::vector<std::uint8_t>> image);

    /// Every unit back to 9600 bit/s.
    void resetLineSpeeds();

    /// Number of whole messages (0xF0 .. 0xF7) heard on the line, addressed to anyone.
    std::uint64_t framesReceived() const;

    /// The most recent messages heard, oldest first (at most kFrameLogSize).
    std::vector<std::vector<std::uint8_t>> receivedFrames() const;

    /// Waits until at least @p count messages have been heard.
    /// @return false when @p limit passed first
    bool waitForFrames(std::uint64_t count, std::chrono::milliseconds limit) const;

    static constexpr std::size_t kFrameLogSize = 4096;

private:
    struct Outgoing {
        std::uint8_t id;
        int speedIndex;
        UnitReply reply;
    };

    void serve();
    void handleMessage(const std::vector<std::uint8_t>& message, int lineSpeedIndex,
                       std::chrono::steady_clock::time_point heardFrom);
    void onLineClosed();
    int currentLineSpeedIndex() const;
    SimUnit& unitLocked(std::uint8_t id);
    template <typename Units> static auto& findUnit(Units& units, std::uint8_t id);
    void trace(std::string_view direction, std::span<const std::uint8_t> bytes) const;

    SimOptions m_options;
    UnitResponder m_responder;
    PseudoTerminal m_pty;
    int m_stopPipe[2] = {-1, -1};

    /// Guards m_units, m_framesReceived and m_frameLog.
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_framesChanged;
    std::vector<SimUnit> m_units;
    std::uint64_t m_framesReceived = 0;
    std::deque<std::vector<std::uint8_t>> m_frameLog;

    FrameAssembler m_assembler; ///< serving thread only
    std::thread m_thread;
};

} // namespace kelo::sim
