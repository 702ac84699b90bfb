#include "core/comm/protocol/DiagnosticLog.h"

#include <fstream>

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

} // namespace

DiagnosticLog::DiagnosticLog(std::filesystem::path file) : m_file(std::move(file)) {}

bool DiagnosticLog::activateIfPresent() {
    std::error_code error;
    if (!std::filesystem::exists(m_file, error)) {
        return m_active;
    }
    m_active = true;
    std::ofstream truncate(m_file, std::ios::binary | std::ios::trunc);
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
    std::ofstream out(m_file, std::ios::binary | std::ios::app);
    if (out) {
        out << text;
    }
}

} // namespace kelo
