#include "cli/LineSession.h"

#include "core/comm/line/SerialLine.h"

namespace kelo::cli {

namespace {

Clock& clockOf(const CliContext& context) {
    return context.clock != nullptr ? *context.clock : SystemClock::instance();
}

DiagnosticLog* activeLog(DiagnosticLog& log) {
    return log.activateIfPresent() ? &log : nullptr;
}

} // namespace

void addLineOptions(CLI::App& command, LineOptions& options) {
    command.add_option("--port", options.port, "Serial device, e.g. /dev/ttyUSB0 or the link kelo-sim made")
        ->required();
    command
        .add_option("--baud", options.baudIndex, "Line speed index 0..6 = 9600 .. 115200 bit/s (default 6)")
        ->check(CLI::Range(0, 6));
}

LineSession::LineSession(const LineOptions& options, CliContext& context)
    : m_context(context), m_engine(clockOf(context), activeLog(m_log)) {
    m_engine.setPortDevice(options.port);
}

LineSession::~LineSession() {
    m_engine.StopEngine();
}

std::optional<std::vector<std::uint32_t>> LineSession::scan(const ScanRequest& request, bool printLines) {
    const CommResult started = m_scan.start(request);
    if (started == CommResult::PortNotOpened) {
        m_context.err << kPortErrorMessage << '\n';
        m_context.exitCode = 1;
        return std::nullopt;
    }
    if (started != CommResult::Ok) {
        m_context.err << "The line could not be started: " << describe(started) << '\n';
        m_context.exitCode = 1;
        return std::nullopt;
    }
    m_scan.waitUntilDone();
    if (printLines) {
        for (const std::string& line : m_scan.resultLines()) {
            m_context.out << line << '\n';
        }
    }
    std::vector<std::uint32_t> ids = m_scan.connectedIds();
    if (ids.empty()) {
        m_context.err << kNoResponseMessage << '\n';
        m_context.exitCode = 2;
        return std::nullopt;
    }
    const int baud = m_scan.reachedBaudIndex();
    m_context.err << "BaudRate " << baud << " (" << baudRateOf(baud) << " bit/s)\n";
    return ids;
}

TransferProgress LineSession::progress() {
    return {[this](const std::string& label) { m_context.err << label << '\n'; }, {}};
}

void LineSession::reportFailures(const TransferOutcome& outcome, const std::string& what) {
    for (const auto& unit : outcome.units) {
        if (unit.result != CommResult::Ok) {
            m_context.err << "ID " << unit.id + 1 << ": " << what << " failed: " << describe(unit.result)
                          << '\n';
            m_context.exitCode = 1;
        }
    }
}

} // namespace kelo::cli
