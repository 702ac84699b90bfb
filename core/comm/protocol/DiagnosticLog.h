#pragma once

#include "core/comm/line/CommResult.h"
#include "core/comm/protocol/Message.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

namespace kelo {

/// Which pair of counters an exchange feeds.
enum class LogColumn { Scan, Param, Dump };

/// Per-identifier counters of the diagnostic log.
struct LogCounters {
    std::uint32_t scanMsg = 0;
    std::uint32_t scanErr = 0;
    std::uint32_t paramMsg = 0;
    std::uint32_t paramErr = 0;
    std::uint32_t dumpMsg = 0;
    std::uint32_t dumpErr = 0;
    std::uint32_t lastErr = 0; ///< code of the latest event: 0 for a message, the result for an error
};

/// The communication log written to "diagnostic.log" for line trouble in the field.
///
/// Active only when the file exists when activateIfPresent() runs at start; it is then emptied and only
/// appended to. While inactive nothing is counted or written. Counters are updated inside the exchanges,
/// which run under the engine's port lock, so the log takes no lock of its own; read the counters only
/// while holding the port lock or after the worker has ended.
class DiagnosticLog {
public:
    /// @param file the log file; the program uses "diagnostic.log" in the working directory
    explicit DiagnosticLog(std::filesystem::path file = "diagnostic.log");

    /// Switches the log on when its file exists as a regular file (not a symbolic link, device or FIFO),
    /// and empties the file. The appends later open it the same way.
    /// @return true when the log is now active
    bool activateIfPresent();
    bool isActive() const { return m_active; }
    const std::filesystem::path& file() const { return m_file; }

    /// A message of the exchange was written to unit @p id.
    void recordSent(std::uint8_t id, LogColumn column);
    /// A well-formed reply was read from unit @p id. Replies to a ParameterSet add to the total only.
    void recordReceived(std::uint8_t id, LogColumn column);
    /// An attempt of an exchange with unit @p id failed with @p code.
    void recordError(std::uint8_t id, LogColumn column, CommResult code);
    /// The broadcast SetBaudRate counts as one scan message to every identifier.
    void recordBroadcast();

    /// Appends the record of a unit that stopped answering the background poll.
    /// @param baud the line speed in use [bit/s]
    void writeErrorRecord(std::uint8_t id, std::uint32_t baud) const;
    /// Appends the summary table written when the engine stops.
    void writeSummary(std::uint32_t baud) const;

    /// The text writeErrorRecord() appends.
    std::string errorRecord(std::uint8_t id, std::uint32_t baud) const;
    /// The text writeSummary() appends.
    std::string summary(std::uint32_t baud) const;

    const LogCounters& counters(std::uint8_t id) const { return m_rows[id % kUnitCount]; }
    std::uint32_t totalSent() const { return m_totalSent; }
    std::uint32_t totalReceived() const { return m_totalReceived; }
    std::uint32_t totalErrors() const { return m_totalErrors; }

private:
    void append(const std::string& text) const;

    std::filesystem::path m_file;
    bool m_active = false;
    std::array<LogCounters, kUnitCount> m_rows{};
    std::uint32_t m_totalSent = 0;
    std::uint32_t m_totalReceived = 0;
    std::uint32_t m_totalErrors = 0;
};

} // namespace kelo
