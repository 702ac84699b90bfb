#pragma once

#include "core/family/Family.h"
#include "core/comm/engine/CommEngine.h"
#include "core/comm/line/CommResult.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

namespace kelo {

class UnitSystem;

/// Shown when a scan found no unit.
inline constexpr const char* kNoResponseMessage = "No Responce From Any Unit.";
/// Shown, with its caption, when the serial port cannot be opened.
inline constexpr const char* kPortErrorMessage = "An Error Occured Opening The Specified Serial Port.";
inline constexpr const char* kPortErrorCaption = "Serial Port Access Error";

/// What a scan looks for, and what happens after it.
struct ScanRequest {
    Family family = Family::Tz48;
    /// Baud-rate index 0..6 the engine climbs to (the settings' "BaudRate").
    int baudIndex = 0;
    /// Identifiers 0..31 to look for; empty means all 32.
    std::vector<std::uint32_t> ids;
    /// The units will be sent to (a system going on line): their entries carry the family's model byte,
    /// so only units of that family answer. Otherwise every entry asks for any model.
    bool sendAfterScan = false;
    /// Number of identifiers the progress counts to: 32 for a scan of all identifiers, else the on-line
    /// system's last unit key + 1. Zero: the number of identifiers looked for.
    std::uint32_t scanCount = 0;
};

/// The network scan: prepares the connection table, starts the engine and follows the worker's first
/// sweep. Its progress is the count of identifiers polled against the scan count; once the sweep is
/// complete, resultLines() lists which identifiers answered.
///
/// The worker calls back into the scan until its first sweep is complete, so a scan object lives until
/// done() or until the engine is stopped.
///
/// The engine keeps running after the scan (the system is on line); the caller stops it. A caller with
/// views registers its on-line document with the engine before start().
class NetworkScan {
public:
    explicit NetworkScan(CommEngine& engine) : m_engine(engine) {}
    ~NetworkScan();
    NetworkScan(const NetworkScan&) = delete;
    NetworkScan& operator=(const NetworkScan&) = delete;

    /// Prepares the table for @p request and starts the engine.
    /// @return Ok, or the engine's start failure (PortNotOpened: show kPortErrorMessage)
    CommResult start(const ScanRequest& request);

    /// The request of a system going on line: its units' identifiers, scan count last unit key + 1.
    static ScanRequest requestFor(const UnitSystem& system, int baudIndex);

    /// Identifiers polled so far, and the count the progress goes to.
    std::uint32_t polled() const;
    std::uint32_t scanCount() const { return m_scanCount; }
    /// True once the first sweep is complete (polled() == scanCount()).
    bool done() const;

    /// Waits until the first sweep is complete or the engine stops, checking every @p step.
    /// @return done()
    bool waitUntilDone(std::chrono::milliseconds step = std::chrono::milliseconds(50));

    /// "ID %d: Unit Connected" / "ID %d: Unit Not Connected" per identifier that answered or failed,
    /// in identifier order (the Plus family without the identifier). Meaningful once done().
    std::vector<std::string> resultLines() const;

    /// Identifiers that answered and belong to the family, in ascending order.
    std::vector<std::uint32_t> connectedIds() const;

    /// The line speed the engine reached (to be stored as the settings' "BaudRate").
    int reachedBaudIndex() const { return m_engine.GetConnectionBaud(); }

private:
    void onIdentifierPolled();
    void onSweepDone();

    CommEngine& m_engine;
    Family m_family = Family::Tz48;
    std::uint32_t m_scanCount = 0;
    bool m_registered = false;

    mutable std::mutex m_mutex; // guards m_polled and m_done, written from the worker's hooks
    std::condition_variable m_changed;
    std::uint32_t m_polled = 0;
    bool m_done = false;
};

} // namespace kelo
