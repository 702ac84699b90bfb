#include "core/comm/protocol/DiagnosticLog.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kelo {

namespace {

constexpr std::size_t kRuleLength = 81;

std::uint32_t& messageCount(LogCounters& row, LogColumn column) {
    switch (column) {
    case LogColumn::Scan:
        return row.scanMsg;
    case LogColumn::Param:
        return row.paramMsg;
    case LogColumn::Dump:
        return row.dumpMsg;
    }
    return row.scanMsg;
}

std::uint32_t& errorCount(LogCounters& row, LogColumn column) {
    switch (column) {
    case LogColumn::Scan:
        return row.scanErr;
    case LogColumn::Param:
        return row.paramErr;
    case LogColumn::Dump:
        return row.dumpErr;
    }
    return row.scanErr;
}

std::string rule(char c) {
    return std::string(kRuleLength, c) + '\n';
}

/// Opens an existing log file for writing with @p flags added, only when it is a regular file and not
/// reached through a symbolic link: a link named like the log must never make the program empty or
/// write into the file it points to. Never blocks (a FIFO without a reader fails at once).
/// @return the descriptor, or -1
int openLog(const std::filesystem::path& file, int flags) {
    // Checked before truncating: O_TRUNC must not touch a device or FIFO; O_NOFOLLOW refuses a link.
    const int fd = ::open(file.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return -1;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) ||
        ((flags & O_TRUNC) != 0 && ::ftruncate(fd, 0) != 0) ||
        ((flags & O_APPEND) != 0 && ::fcntl(fd, F_SETFL, O_APPEND) != 0)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

DiagnosticLog::DiagnosticLog(std::filesystem::path file) : m_file(std::move(file)) {}

bool DiagnosticLog::activateIfPresent() {
    const int fd = openLog(m_file, O_TRUNC);
    if (fd < 0) {
        return m_active;
    }
    ::close(fd);
    m_active = true;
    return m_active;
}

void DiagnosticLog::recordSent(std::uint8_t id, LogColumn column) {
    if (!m_active) {
        return;
    }
    LogCounters& row = m_rows[id % kUnitCount];
    ++messageCount(row, column);
    row.lastErr = 0;
    ++m_totalSent;
}

void DiagnosticLog::recordReceived(std::uint8_t id, LogColumn column) {
    if (!m_active) {
        return;
    }
    ++m_totalReceived;
    if (column == LogColumn::Param) {
        return;
    }
    LogCounters& row = m_rows[id % kUnitCount];
    ++messageCount(row, column);
    row.lastErr = 0;
}

void DiagnosticLog::recordError(std::uint8_t id, LogColumn column, CommResult code) {
    if (!m_active) {
        return;
    }
    LogCounters& row = m_rows[id % kUnitCount];
    ++errorCount(row, column);
    row.lastErr = static_cast<std::uint32_t>(toCode(code));
    ++m_totalErrors;
}

void DiagnosticLog::recordBroadcast() {
    if (!m_active) {
        return;
    }
    for (LogCounters& row : m_rows) {
        ++row.scanMsg;
        row.lastErr = 0;
    }
    m_totalSent += kUnitCount;
}

std::string DiagnosticLog::errorRecord(std::uint8_t id, std::uint32_t baud) const {
    const LogCounters& row = counters(id);
    std::string text = rule('.');
    text += "Device not connected\n";
    text += "Connection BaudRate = \t" + std::to_string(baud) + '\n';
    text += "ID device\tScanMsg ScanErr\t\tParamMsg ParamErr \tDumpMsg DumpErr\t\tLastErr\n";
    text += std::to_string(id % kUnitCount) + "\t\t\t" + std::to_string(row.scanMsg) + "\t\t\t" +
            std::to_string(row.scanErr) + "\t\t" + std::to_string(row.paramMsg) + "\t\t\t" +
            std::to_string(row.paramErr) + "\t\t" + std::to_string(row.dumpMsg) + "\t\t" +
            std::to_string(row.dumpErr) + "\t\t\t" + std::to_string(row.lastErr) + '\n';
    return text;
}

std::string DiagnosticLog::summary(std::uint32_t baud) const {
    std::string text = rule('*');
    text += "ID device\tScanMsg ScanErr  ParamMsg ParamErr  DumpMsg DumpErr  LastErr\n";
    for (std::size_t id = 0; id < kUnitCount; ++id) {
        const LogCounters& row = m_rows[id];
        text += std::to_string(id) + "\t\t\t" + std::to_string(row.scanMsg) + "\t\t" +
                std::to_string(row.scanErr) + "\t\t\t" + std::to_string(row.paramMsg) + "\t\t" +
                std::to_string(row.paramErr) + "\t\t" + std::to_string(row.dumpMsg) + "\t\t\t" +
                std::to_string(row.dumpErr) + "\t\t" + std::to_string(row.lastErr) + '\n';
    }
    text += rule('-');
    text += '\n';
    text += "Connection BaudRate..................\t" + std::to_string(baud) + '\n';
    text += "Tot. Sent Messages ..................\t" + std::to_string(m_totalSent) + '\n';
    text += "Tot. Received Messages ..............\t" + std::to_string(m_totalReceived) + '\n';
    text += "Tot. Errors .........................\t" + std::to_string(m_totalErrors) + '\n';
    text += '\n';
    text += rule('*');
    return text;
}

void DiagnosticLog::writeErrorRecord(std::uint8_t id, std::uint32_t baud) const {
    if (m_active) {
        append(errorRecord(id, baud));
    }
}

void DiagnosticLog::writeSummary(std::uint32_t baud) const {
    if (m_active) {
        append(summary(baud));
    }
}

void DiagnosticLog::append(const std::string& text) const {
    // A file that cannot be opened is skipped: the log must never disturb the line.
    const int fd = openLog(m_file, O_APPEND);
    if (fd < 0) {
        return;
    }
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t written = ::write(fd, text.data() + done, text.size() - done);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            break;
        }
        done += static_cast<std::size_t>(written);
    }
    ::close(fd);
}

} // namespace kelo
