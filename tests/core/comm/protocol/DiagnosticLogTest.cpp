#include "core/comm/protocol/DiagnosticLog.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <sys/stat.h>

namespace kelo {
namespace {

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

    EXPECT_EQ(log.errorRecord(31, 19200),
              std::string(81, '.') +
                  "\nDevice not connected\n"
                  "Connection BaudRate = \t19200\n"
                  "ID device\tScanMsg ScanErr\t\tParamMsg ParamErr \tDumpMsg DumpErr\t\tLastErr\n"
                  "31\t\t\t0\t\t\t0\t\t0\t\t\t0\t\t1\t\t1\t\t\t26\n");
}

TEST(DiagnosticLogTest, LinksAndSpecialFilesNamedLikeTheLogAreLeftAlone) {
    test::TempDir dir;
    const std::filesystem::path victim = dir.file("precious.txt");
    std::ofstream(victim) << "keep me";
    std::filesystem::create_symlink(victim, dir.file("diagnostic.log"));
    DiagnosticLog linked(dir.file("diagnostic.log"));
    EXPECT_FALSE(linked.activateIfPresent());
    linked.recordSent(0, LogColumn::Scan);
    linked.writeSummary(9600);
    std::ifstream in(victim);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "keep me");

    // A FIFO must neither block the start nor count as the log.
    ASSERT_EQ(::mkfifo(dir.file("fifo.log").c_str(), 0600), 0);
    EXPECT_FALSE(DiagnosticLog(dir.file("fifo.log")).activateIfPresent());

    // A log that is replaced by a link after the start is not written through it.
    std::ofstream(dir.file("real.log")) << "old";
    DiagnosticLog log(dir.file("real.log"));
    ASSERT_TRUE(log.activateIfPresent());
    EXPECT_EQ(std::filesystem::file_size(dir.file("real.log")), 0u);
    log.writeSummary(9600);
    EXPECT_GT(std::filesystem::file_size(dir.file("real.log")), 0u);
    std::filesystem::remove(dir.file("real.log"));
    std::filesystem::create_symlink(victim, dir.file("real.log"));
    log.writeErrorRecord(3, 9600);
    std::ifstream again(victim);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(again), {}), "keep me");
}

} // namespace
} // namespace kelo
