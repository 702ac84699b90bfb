#pragma once

#include "cli/CliContext.h"

#include "core/comm/engine/CommEngine.h"
#include "core/comm/protocol/DiagnosticLog.h"
#include "core/comm/engine/NetworkScan.h"
#include "core/comm/engine/SystemTransfer.h"

#include <CLI/CLI.hpp>

#include <optional>
#include <string>
#include <vector>

namespace kelo::cli {

/// Options every command that talks to units takes.
struct LineOptions {
    std::string port;  ///< device path: a serial adapter, or the link kelo-sim made
    int baudIndex = 6; ///< line speed to climb to, 0..6 (9600 .. 115200 bit/s)
};

/// Adds --port and --baud to @p command.
void addLineOptions(CLI::App& command, LineOptions& options);

/// The engine of one on-line command: the port, the diagnostic log when "diagnostic.log" exists in the
/// working directory, and the network scan that brings the units on line. The engine is stopped when the
/// session ends.
class LineSession {
public:
    LineSession(const LineOptions& options, CliContext& context);
    ~LineSession();
    LineSession(const LineSession&) = delete;
    LineSession& operator=(const LineSession&) = delete;

    /// Runs the scan and prints its result lines on stdout (with @p printLines) and the line speed
    /// reached on stderr.
    /// @return the connected identifiers; nothing when the command is to end (the exit code and the
    ///         message are set: 1 port not opened, 2 no unit answered)
    std::optional<std::vector<std::uint32_t>> scan(const ScanRequest& request, bool printLines);

    CommEngine& engine() { return m_engine; }

    /// Progress lines on stderr ("Uploading From ID %d" / "Downloading To ID %d").
    TransferProgress progress();

    /// Writes one line per unit that failed in @p outcome and sets exit code 1 when any did.
    void reportFailures(const TransferOutcome& outcome, const std::string& what);

private:
    CliContext& m_context;
    DiagnosticLog m_log;
    CommEngine m_engine;
    NetworkScan m_scan{m_engine};
};

} // namespace kelo::cli
