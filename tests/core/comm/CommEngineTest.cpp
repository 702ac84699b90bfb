#include "comm/CommEngine.h"
#include "FakeUnitsLine.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <sstream>
#include <thread>

namespace kelo {
namespace {

using test::FakeUnit;
using test::FakeUnitsLine;

/// Waits (bounded) until @p condition holds; the engine runs on its own thread.
template <typename Condition> bool eventually(Condition condition) {
    for (int i = 0; i < 20000; ++i) {
        if (condition()) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return condition();
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class CommEngineTest : public ::testing::Test {
protected:
    CommEngineTest() {
        m_engine.setLineFactory([this] { return std::make_unique<FakeUnitsLine>(m_shared); });
        m_engine.setScanDialog({[this] { ++m_polled; }, [this] { ++m_sweepsDone; }});
        m_engine.setOnlineDocument({[this] { ++m_refreshes; }, [] { return true; }});
    }

    /// Adds a unit with default behaviour, changed by @p adjust.
    template <typename Adjust> void addUnit(std::uint8_t id, Adjust adjust) {
        FakeUnit unit;
        adjust(unit);
        std::lock_guard lock(m_shared->mutex);
        m_shared->units[id] = unit;
    }

    void addUnit(std::uint8_t id) {
        FakeUnit unit;
        std::lock_guard lock(m_shared->mutex);
        m_shared->units[id] = unit;
    }

    template <typename F> auto withShared(F f) {
        std::lock_guard lock(m_shared->mutex);
        return f(*m_shared);
    }

    /// Prepares a scan of all identifiers and goes on line, waiting for the first sweep.
    void goOnline(int targetBaud, Family family = Family::Tz48) {
        m_engine.setAllStates(ConnectionState::ToBePolled);
        for (std::uint32_t id = 0; id < kUnitCount; ++id) {
            ConnectionEntry entry = m_engine.getConnectionEntry(id);
            entry.identifier = id;
            entry.model = kModelAny;
            m_engine.setConnectionEntry(id, entry);
        }
        m_engine.setConnectionBaud(targetBaud);
        ASSERT_EQ(m_engine.startEngine(family), CommResult::Ok);
        ASSERT_TRUE(eventually([&] { return m_sweepsDone.load() == 1; }));
    }

    test::TempDir m_dir;
    FastClock m_clock;
    DiagnosticLog m_log{m_dir.file("diagnostic.log")};
    std::shared_ptr<FakeUnitsLine::Shared> m_shared = std::make_shared<FakeUnitsLine::Shared>();
    CommEngine m_engine{m_clock, &m_log};
    std::atomic<int> m_polled{0};
    std::atomic<int> m_sweepsDone{0};
    std::atomic<int> m_refreshes{0};
};

TEST_F(CommEngineTest, StartFailuresAndRestart) {
    withShared([](auto& s) { return s.openFails = true; });
    EXPECT_EQ(m_engine.startEngine(Family::Tz48), CommResult::PortNotOpened);
    EXPECT_FALSE(m_engine.isEngineRunning());
    withShared([](auto& s) { return s.openFails = false; });

    goOnline(0);
    EXPECT_EQ(m_engine.startEngine(Family::Tz48), CommResult::AlreadyRunning);
    EXPECT_TRUE(m_engine.isEngineRunning());
    EXPECT_EQ(m_engine.stopEngine(), CommResult::Ok);
    EXPECT_FALSE(m_engine.isEngineRunning());
    EXPECT_FALSE(withShared([](auto& s) { return s.open; }));
    EXPECT_EQ(m_engine.startEngine(Family::Tz48), CommResult::Ok);
    EXPECT_EQ(m_engine.stopEngine(), CommResult::Ok);
}

TEST_F(CommEngineTest, ScanFindsOneUnitAndClimbsToTheTarget) {
    addUnit(4);
    goOnline(3);
    EXPECT_EQ(m_engine.getConnectionBaud(), 3);
    EXPECT_EQ(withShared([](auto& s) { return s.lineBaud; }), 3);
    EXPECT_EQ(withShared([](auto& s) { return s.readConstant; }), kPollReadTimeoutMs);
    for (std::uint32_t id = 0; id < kUnitCount; ++id) {
        const ConnectionEntry entry = m_engine.getConnectionEntry(id);
        if (id == 4) {
            EXPECT_EQ(entry.state, ConnectionState::Connected);
            EXPECT_EQ(entry.model, kModelProcessor);
            EXPECT_EQ(entry.errorFlag, 0u);
        } else {
            EXPECT_EQ(entry.state, ConnectionState::NotResponding) << id;
            EXPECT_EQ(entry.errorFlag, 1u);
        }
    }
    // Only the connected identifier is polled; the scan dialog hears of the first sweep only.
    EXPECT_EQ(m_polled.load(), 1);
    ASSERT_TRUE(
        eventually([&] { return withShared([](auto& s) { return s.units[4].statusRequests; }) >= 4; }));
    EXPECT_EQ(m_polled.load(), 1);
    EXPECT_EQ(m_sweepsDone.load(), 1);
    EXPECT_EQ(m_refreshes.load(), 0);
    m_engine.setViewRefresh(true);
    ASSERT_TRUE(eventually([&] { return m_refreshes.load() >= 2; }));
    EXPECT_EQ(m_engine.stopEngine(), CommResult::Ok);
    EXPECT_FALSE(m_engine.viewRefresh());
}

TEST_F(CommEngineTest, TargetZeroSkipsTheClimb) {
    addUnit(0);
    goOnline(0);
    m_engine.stopEngine();
    const auto writes = withShared([](auto& s) { return s.writes; });
    for (const auto& bytes : writes) {
        EXPECT_NE(bytes.at(4), toByte(Command::SetBaudRate));
    }
    EXPECT_EQ(withShared([](auto& s) { return s.lineBaud; }), 0);
    EXPECT_EQ(m_engine.getConnectionBaud(), 0);
}

TEST_F(CommEngineTest, UnitFailingMidClimbStopsItAfterTheStep) {
    addUnit(1);
    addUnit(2, [](FakeUnit& u) { u.maxBaudIndex = 1; });
    goOnline(6);
    EXPECT_EQ(m_engine.getConnectionBaud(), 2);
    EXPECT_EQ(withShared([](auto& s) { return s.lineBaud; }), 2);
    EXPECT_EQ(m_engine.getConnectionEntry(1).state, ConnectionState::Connected);
    EXPECT_EQ(m_engine.getConnectionEntry(2).state, ConnectionState::Connected);
    m_engine.stopEngine();
}

TEST_F(CommEngineTest, UnitOfAnotherFamilyIsNotConnected) {
    addUnit(3, [](FakeUnit& u) { u.model = kModelAmp; });
    addUnit(5);
    goOnline(0);
    EXPECT_EQ(m_engine.getConnectionEntry(3).state, ConnectionState::NotResponding);
    EXPECT_EQ(m_engine.getConnectionEntry(5).state, ConnectionState::Connected);
    m_engine.stopEngine();
}

TEST_F(CommEngineTest, SendParameterOnAndOffLine) {
    EXPECT_EQ(m_engine.sendParameter(4, 0x08, 0x15, 198, 0x20, 7), CommResult::Ok);
    EXPECT_TRUE(withShared([](auto& s) { return s.writes.empty(); }));

    addUnit(4);
    goOnline(2);
    withShared([](auto& s) { return s.units[4].busyReplies = 1; });
    EXPECT_EQ(m_engine.sendParameter(4, 0x08, 0x15, 198, 0x20, 7), CommResult::Ok);
    const auto received = withShared([](auto& s) { return s.units[4].parameters; });
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0], (ParameterSetData{0x15, 198, 0x20, 7}));
    EXPECT_EQ(m_engine.sendParameter(5, 0x08, 0x15, 198, 0x20, 7), CommResult::NotConnected);
    EXPECT_EQ(m_engine.sendParameter(99, 0x08, 0x15, 198, 0x20, 7), CommResult::NotConnected);

    // Switched off: the exchange fails, the unit is not responding, and later sends touch nothing.
    withShared([](auto& s) { return s.units[4].silentAfter = s.units[4].answers; });
    EXPECT_EQ(m_engine.sendParameter(4, 0x08, 0x15, 198, 0x20, 8), CommResult::NoAcceptedReply);
    EXPECT_EQ(m_engine.getConnectionEntry(4).state, ConnectionState::NotResponding);
    const auto writesBefore = withShared([](auto& s) { return s.writes.size(); });
    EXPECT_EQ(m_engine.sendParameter(4, 0x08, 0x15, 198, 0x20, 9), CommResult::NotConnected);
    EXPECT_EQ(withShared([](auto& s) { return s.writes.size(); }), writesBefore);
    m_engine.stopEngine();
}

TEST_F(CommEngineTest, UnitSwitchedOffLeavesThePollingSet) {
    addUnit(7);
    goOnline(0);
    ASSERT_TRUE(
        eventually([&] { return withShared([](auto& s) { return s.units[7].statusRequests; }) >= 3; }));
    const ConnectionEntry before = m_engine.getConnectionEntry(7);
    withShared([](auto& s) { return s.units[7].silentAfter = s.units[7].answers; });
    ASSERT_TRUE(
        eventually([&] { return m_engine.getConnectionEntry(7).state == ConnectionState::NotResponding; }));
    const ConnectionEntry after = m_engine.getConnectionEntry(7);
    EXPECT_EQ(after.errorFlag, 1u);
    const int requests = withShared([](auto& s) { return s.units[7].statusRequests; });
    m_engine.stopEngine();
    EXPECT_EQ(withShared([](auto& s) { return s.units[7].statusRequests; }), requests);
    EXPECT_EQ(after.model, before.model);
}

TEST_F(CommEngineTest, StopWhenNotRunningStillClearsRefreshAndPauses) {
    m_engine.setViewRefresh(true);
    EXPECT_EQ(m_engine.stopEngine(), CommResult::Ok);
    EXPECT_FALSE(m_engine.viewRefresh());
    EXPECT_EQ(m_clock.totalSlept(), std::chrono::milliseconds(3000));
}

TEST_F(CommEngineTest, DiagnosticLogRecordsADroppedUnitAndTheSummary) {
    std::ofstream(m_dir.file("diagnostic.log")) << "stale";
    ASSERT_TRUE(m_log.activateIfPresent());
    EXPECT_EQ(readFile(m_dir.file("diagnostic.log")), "");
    addUnit(2);
    goOnline(0);
    withShared([](auto& s) { return s.units[2].silentAfter = s.units[2].answers; });
    ASSERT_TRUE(
        eventually([&] { return m_engine.getConnectionEntry(2).state == ConnectionState::NotResponding; }));
    m_engine.stopEngine();

    const std::string text = readFile(m_dir.file("diagnostic.log"));
    const std::string record =
        std::string(81, '.') + "\nDevice not connected\nConnection BaudRate = \t9600\n";
    ASSERT_EQ(text.find(record), 0u);
    EXPECT_EQ(text.find(record, 1), std::string::npos);
    const std::string header =
        "ID device\tScanMsg ScanErr\t\tParamMsg ParamErr \tDumpMsg DumpErr\t\tLastErr\n";
    EXPECT_EQ(text.find(header), record.size());
    const LogCounters& row = m_log.counters(2);
    EXPECT_EQ(row.scanErr, 3u);
    EXPECT_EQ(row.lastErr, 4u);
    const std::string rowLine =
        "2\t\t\t" + std::to_string(row.scanMsg) + "\t\t\t3\t\t0\t\t\t0\t\t0\t\t0\t\t\t4\n";
    EXPECT_EQ(text.find(rowLine), record.size() + header.size());
    const std::size_t summaryStart = record.size() + header.size() + rowLine.size();
    EXPECT_EQ(text.substr(summaryStart), m_log.summary(9600));
}

TEST(DiagnosticLogTest, SummaryLayoutAndInactiveLog) {
    test::TempDir dir;
    DiagnosticLog inactive(dir.file("diagnostic.log"));
    EXPECT_FALSE(inactive.activateIfPresent());
    inactive.recordSent(1, LogColumn::Scan);
    inactive.writeSummary(9600);
    EXPECT_EQ(inactive.counters(1).scanMsg, 0u);
    EXPECT_FALSE(std::filesystem::exists(dir.file("diagnostic.log")));

    std::ofstream(dir.file("diagnostic.log")).close();
    DiagnosticLog log(dir.file("diagnostic.log"));
    ASSERT_TRUE(log.activateIfPresent());
    log.recordSent(0, LogColumn::Param);
    log.recordReceived(0, LogColumn::Param);
    log.recordSent(31, LogColumn::Dump);
    log.recordError(31, LogColumn::Dump, CommResult::CrcMismatch);
    const std::string summary = log.summary(57600);
    std::istringstream lines(summary);
    std::string line;
    std::vector<std::string> all;
    while (std::getline(lines, line)) {
        all.push_back(line);
    }
    ASSERT_EQ(all.size(), 2u + 32u + 2u + 4u + 2u);
    EXPECT_EQ(all[0], std::string(81, '*'));
    EXPECT_EQ(all[1], "ID device\tScanMsg ScanErr  ParamMsg ParamErr  DumpMsg DumpErr  LastErr");
    EXPECT_EQ(all[2], "0\t\t\t0\t\t0\t\t\t1\t\t0\t\t0\t\t\t0\t\t0");
    EXPECT_EQ(all[33], "31\t\t\t0\t\t0\t\t\t0\t\t0\t\t1\t\t\t1\t\t26");
    EXPECT_EQ(all[34], std::string(81, '-'));
    EXPECT_EQ(all[35], "");
    EXPECT_EQ(all[36], "Connection BaudRate..................\t57600");
    EXPECT_EQ(all[37], "Tot. Sent Messages ..................\t2");
    EXPECT_EQ(all[38], "Tot. Received Messages ..............\t1");
    EXPECT_EQ(all[39], "Tot. Errors .........................\t1");
    EXPECT_EQ(all[40], "");
    EXPECT_EQ(all[41], std::string(81, '*'));
    EXPECT_EQ(summary.back(), '\n');
}

} // namespace
} // namespace kelo
