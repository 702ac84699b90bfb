#include "tests/core/comm/engine/SimulatedBus.h"

#include "core/units/UnitSystem.h"

#include <gtest/gtest.h>

namespace kelo {
namespace {

using test::SimulatedBus;

TEST(NetworkScanTest, ScanOfAllIdentifiersListsEveryPolledIdentifier) {
    SimulatedBus bus(Family::Tz48, {4});
    NetworkScan& scan = bus.scan();
    ASSERT_EQ(bus.lastScanResult, CommResult::Ok);
    EXPECT_TRUE(scan.done());
    EXPECT_EQ(scan.polled(), 32u);
    EXPECT_EQ(scan.scanCount(), 32u);

    const std::vector<std::string> lines = scan.resultLines();
    ASSERT_EQ(lines.size(), 32u);
    EXPECT_EQ(lines[4], "ID 5: Unit Connected");
    EXPECT_EQ(lines[0], "ID 1: Unit Not Connected");
    EXPECT_EQ(lines[31], "ID 32: Unit Not Connected");
    EXPECT_EQ(scan.connectedIds(), std::vector<std::uint32_t>{4});
    EXPECT_EQ(scan.reachedBaudIndex(), 6);
    EXPECT_EQ(bus.sim.unit(4).speedIndex, 6);
}

TEST(NetworkScanTest, PlusFamilyListsWithoutIdentifiersAndOnlyTheScannedOnes) {
    SimulatedBus bus(Family::Tz48P, {0, 2});
    NetworkScan& scan = bus.scan({0, 1}, 2);
    EXPECT_EQ(scan.scanCount(), 2u);
    EXPECT_EQ(scan.resultLines(), (std::vector<std::string>{"Unit Connected", "Unit Not Connected"}));
    EXPECT_EQ(bus.state(2), ConnectionState::NotUsed);
    EXPECT_EQ(scan.reachedBaudIndex(), 2);
}

TEST(NetworkScanTest, NothingAnsweringGivesNoConnectedUnit) {
    SimulatedBus bus(Family::TzAmp, {7});
    NetworkScan& scan = bus.scan({3});
    EXPECT_TRUE(scan.done());
    EXPECT_TRUE(scan.connectedIds().empty());
    EXPECT_EQ(scan.resultLines(), std::vector<std::string>{"ID 4: Unit Not Connected"});
}

TEST(NetworkScanTest, UnitOfAnotherFamilyCountsAsNotConnected) {
    // An amplifier answers the "any model" poll of a processor system's scan.
    SimulatedBus bus(Family::TzAmp, {1});
    ScanRequest request;
    request.family = Family::Tz48;
    request.ids = {1};
    ASSERT_EQ(bus.scanner.start(request), CommResult::Ok);
    bus.scanner.waitUntilDone();
    EXPECT_TRUE(bus.scanner.connectedIds().empty());
    EXPECT_EQ(bus.scanner.resultLines(), std::vector<std::string>{"ID 2: Unit Not Connected"});
}

TEST(NetworkScanTest, MissingPortIsReportedAndNothingWaits) {
    SimulatedBus bus(Family::Tz48, {0});
    bus.engine.setPortDevice("/nonexistent/kelo-port");
    NetworkScan& scan = bus.scan();
    EXPECT_EQ(bus.lastScanResult, CommResult::PortNotOpened);
    EXPECT_FALSE(scan.waitUntilDone());
    EXPECT_FALSE(bus.engine.IsEngineRunning());
}

TEST(NetworkScanTest, SystemRequestLooksForItsUnitsWithTheFamilyModel) {
    UnitSystem system(Family::Tz48);
    FactoryPrograms factory(std::filesystem::temp_directory_path() / "kelo-no-presets", {});
    ASSERT_TRUE(system.addNewUnit({u"A", 3}, factory).ok());
    ASSERT_TRUE(system.addNewUnit({u"B", 9}, factory).ok());
    const ScanRequest request = NetworkScan::requestFor(system, 4);
    EXPECT_EQ(request.ids, (std::vector<std::uint32_t>{2, 8}));
    EXPECT_EQ(request.scanCount, 2u);
    EXPECT_TRUE(request.sendAfterScan);
    EXPECT_EQ(request.baudIndex, 4);
}

} // namespace
} // namespace kelo
