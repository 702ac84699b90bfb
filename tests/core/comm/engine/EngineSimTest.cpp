// The engine against simulated units on a real pseudo-terminal.
#include "core/comm/engine/CommEngine.h"
#include "sim/Simulator.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <future>
#include <optional>
#include <sstream>
#include <thread>
#include <utility>

namespace kelo {
namespace {

template <typename Condition> bool eventually(Condition condition) {
    for (int i = 0; i < 30000; ++i) {
        if (condition()) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return condition();
}

std::unique_ptr<sim::Simulator> makeSimulator(Family family, std::vector<std::uint8_t> ids) {
    sim::SimOptions options;
    options.family = family;
    options.ids = std::move(ids);
    return std::make_unique<sim::Simulator>(std::move(options));
}

class EngineSimTest : public ::testing::Test {
protected:
    /// Starts simulated units of @p family at @p ids and goes on line with a scan of @p scanIds only.
    /// @param simFamily family of the simulated units when it differs from the engine's
    void goOnline(Family family, std::vector<std::uint8_t> ids, std::vector<std::uint8_t> scanIds, int target,
                  std::optional<Family> simFamily = std::nullopt) {
        m_sim = makeSimulator(simFamily.value_or(family), std::move(ids));
        m_engine.setPortDevice(m_sim->devicePath());
        m_engine.SetAllStates(ConnectionState::NotUsed);
        for (std::uint8_t id = 0; id < kUnitCount; ++id) {
            ConnectionEntry entry = m_engine.GetConnectionEntry(id);
            entry.identifier = id;
            entry.model = kModelAny;
            m_engine.SetConnectionEntry(id, entry);
        }
        for (std::uint8_t id : scanIds) {
            m_engine.SetConnectionState(id, ConnectionState::ToBePolled);
        }
        m_engine.SetConnectionBaud(target);
        m_engine.setScanDialog({[this] { ++m_polled; }, [this] { ++m_sweepsDone; }});
        m_engine.setOnlineDocument({[this] { ++m_refreshes; }, [this] { return m_hasUnits.load(); }});
        ASSERT_EQ(m_engine.StartEngine(family), CommResult::Ok);
        ASSERT_TRUE(eventually([&] { return m_sweepsDone.load() == 1; }));
    }

    /// Waits until unit @p id has heard @p more further messages (the worker keeps polling).
    bool pollsGoOn(std::uint8_t id, std::uint32_t more = 4) {
        const std::uint32_t start = m_sim->unit(id).messagesReceived;
        return eventually([&] { return m_sim->unit(id).messagesReceived >= start + more; });
    }

    test::TempDir m_dir;
    FastClock m_clock;
    DiagnosticLog m_log{m_dir.file("diagnostic.log")};
    CommEngine m_engine{m_clock, &m_log};
    std::unique_ptr<sim::Simulator> m_sim;
    std::atomic<int> m_polled{0};
    std::atomic<int> m_sweepsDone{0};
    std::atomic<int> m_refreshes{0};
    std::atomic<bool> m_hasUnits{false};
};

class EngineSimFamilyTest : public EngineSimTest, public ::testing::WithParamInterface<Family> {};

TEST_P(EngineSimFamilyTest, GoesOnLineClimbsPollsAndSendsParameters) {
    const Family family = GetParam();
    goOnline(family, {1, 5}, {1, 5, 9}, 6);
    EXPECT_EQ(m_engine.GetConnectionBaud(), 6);
    EXPECT_EQ(m_sim->unit(1).speedIndex, 6);
    EXPECT_EQ(m_sim->unit(5).speedIndex, 6);
    EXPECT_EQ(m_polled.load(), 2);
    for (std::uint8_t id : {1, 5}) {
        const ConnectionEntry entry = m_engine.GetConnectionEntry(id);
        EXPECT_EQ(entry.state, ConnectionState::Connected);
        EXPECT_EQ(entry.model, familyLine(family).model);
    }
    EXPECT_EQ(m_engine.GetConnectionEntry(9).state, ConnectionState::NotResponding);
    EXPECT_EQ(m_engine.GetConnectionEntry(2).state, ConnectionState::NotUsed);

    // The meters move with every poll, and the entry follows the unit.
    ASSERT_TRUE(pollsGoOn(5));
    m_sim->modifyUnit(5, [](sim::SimUnit& unit) {
        unit.metersMoving = false;
        unit.status.fill(0);
        unit.status[0] = 6;
        unit.status[3] = 2;
    });
    ASSERT_TRUE(eventually([&] {
        const auto status = m_engine.GetConnectionEntry(5).status;
        return status[0] == 6 && status[3] == 2;
    }));

    // Views are refreshed after every sweep only while view refresh is on and the document has units.
    m_engine.setViewRefresh(true);
    ASSERT_TRUE(pollsGoOn(5));
    EXPECT_EQ(m_refreshes.load(), 0);
    m_hasUnits = true;
    ASSERT_TRUE(eventually([&] { return m_refreshes.load() >= 2; }));
    EXPECT_EQ(m_sweepsDone.load(), 1);

    const std::uint8_t model = familyLine(family).model;
    EXPECT_EQ(m_engine.SendParameter(5, model, 0x15, 198, 0x20, 0x1234), CommResult::Ok);
    EXPECT_EQ((m_sim->unit(5).parameters.at({0x15, 198, 0x20})), 0x1234);
    EXPECT_EQ(m_engine.SendParameter(2, model, 0x15, 198, 0x20, 1), CommResult::NotConnected);
    EXPECT_EQ(m_engine.StopEngine(), CommResult::Ok);
    EXPECT_FALSE(m_engine.viewRefresh());
    EXPECT_EQ(m_engine.SendParameter(5, model, 0x15, 198, 0x20, 2), CommResult::Ok);
    EXPECT_EQ((m_sim->unit(5).parameters.at({0x15, 198, 0x20})), 0x1234);
}

INSTANTIATE_TEST_SUITE_P(Families, EngineSimFamilyTest,
                         ::testing::Values(Family::Tz48, Family::Tz48P, Family::TzAmp),
                         [](const auto& param) { return std::string(familyKey(param.param)); });

TEST_F(EngineSimTest, StartAndStopRules) {
    m_engine.setPortDevice(m_dir.file("no-such-tty").string());
    EXPECT_EQ(m_engine.StartEngine(Family::Tz48), CommResult::PortNotOpened);
    EXPECT_FALSE(m_engine.IsEngineRunning());

    // Stopping an engine that never ran clears view refresh and returns at once: the pause is for units
    // that were talked to.
    m_engine.setViewRefresh(true);
    EXPECT_EQ(m_engine.StopEngine(), CommResult::Ok);
    EXPECT_FALSE(m_engine.viewRefresh());
    EXPECT_EQ(m_clock.totalSlept(), std::chrono::milliseconds(0));

    goOnline(Family::Tz48, {0}, {0}, 0);
    EXPECT_EQ(m_engine.StartEngine(Family::Tz48), CommResult::AlreadyRunning);
    EXPECT_TRUE(m_engine.IsEngineRunning());
    // A target of 0 skips the climb: nothing but status requests went out.
    EXPECT_EQ(m_engine.GetConnectionBaud(), 0);
    EXPECT_EQ(m_sim->unit(0).speedIndex, 0);
    for (const auto& frame : m_sim->receivedFrames()) {
        EXPECT_EQ(frame.at(4), toByte(Command::StatusRequest));
    }
    const auto beforeStop = m_clock.totalSlept();
    EXPECT_EQ(m_engine.StopEngine(), CommResult::Ok);
    EXPECT_FALSE(m_engine.IsEngineRunning());
    EXPECT_GE(m_clock.totalSlept() - beforeStop, std::chrono::milliseconds(kStopPauseMs));
    EXPECT_EQ(m_engine.StartEngine(Family::Tz48), CommResult::Ok);
    EXPECT_EQ(m_engine.StopEngine(), CommResult::Ok);
}

TEST_F(EngineSimTest, StopEndsTheConnectionProcedureAtTheNextIdentifier) {
    // Nobody answers: the procedure would try 32 identifiers three times each and then climb.
    m_sim = makeSimulator(Family::Tz48, {});
    m_engine.setPortDevice(m_sim->devicePath());
    m_engine.SetAllStates(ConnectionState::ToBePolled);
    m_engine.SetConnectionBaud(6);
    ASSERT_EQ(m_engine.StartEngine(Family::Tz48), CommResult::Ok);
    ASSERT_TRUE(m_sim->waitForFrames(1, std::chrono::seconds(30)));
    EXPECT_EQ(m_engine.StopEngine(), CommResult::Ok);
    // The identifier being polled finishes its attempts; no other one is started.
    EXPECT_LE(m_sim->framesReceived(), 6u);
    EXPECT_EQ(m_engine.GetConnectionBaud(), 0);
}

TEST_F(EngineSimTest, ClearingTheScanHooksWaitsForACallInProgress) {
    // The hooks' owner (a scan dialog) goes away as soon as clearing returns, so the worker must be out.
    m_sim = makeSimulator(Family::Tz48, {0});
    m_engine.setPortDevice(m_sim->devicePath());
    m_engine.SetAllStates(ConnectionState::NotUsed);
    m_engine.SetConnectionState(0, ConnectionState::ToBePolled);
    std::promise<void> entered;
    std::atomic<bool> clearing{false};
    std::atomic<bool> callDone{false};
    bool first = true;
    m_engine.setOnlineDocument({[] {}, [] { return false; }});
    m_engine.setScanDialog({[&] {
                                if (!std::exchange(first, false)) {
                                    return;
                                }
                                entered.set_value();
                                while (!clearing) {
                                    std::this_thread::yield();
                                }
                                for (int i = 0; i < 20000; ++i) {
                                    std::this_thread::yield();
                                }
                                callDone = true;
                            },
                            {}});
    ASSERT_EQ(m_engine.StartEngine(Family::Tz48), CommResult::Ok);
    entered.get_future().wait();
    clearing = true;
    m_engine.clearScanDialog();
    EXPECT_TRUE(callDone.load());
    EXPECT_EQ(m_engine.StopEngine(), CommResult::Ok);
}

TEST_F(EngineSimTest, UnitOfAnotherFamilyIsNotConnected) {
    goOnline(Family::Tz48, {3}, {3}, 0, Family::TzAmp);
    EXPECT_EQ(m_engine.GetConnectionEntry(3).state, ConnectionState::NotResponding);
    EXPECT_EQ(m_engine.SendParameter(3, kModelAmp, 0x11, 0, 0, 1), CommResult::NotConnected);
    m_engine.StopEngine();
}

TEST_F(EngineSimTest, UnitDyingMidClimbStopsTheClimb) {
    m_sim = nullptr;
    sim::SimFaults dies;
    dies.silentAfter = 1;
    auto sim = makeSimulator(Family::Tz48, {1, 2});
    sim->setFaults(2, dies);
    // Reuse the fixture with the prepared simulator.
    m_sim = std::move(sim);
    m_engine.setPortDevice(m_sim->devicePath());
    m_engine.SetAllStates(ConnectionState::NotUsed);
    for (std::uint8_t id : {1, 2}) {
        m_engine.SetConnectionEntry(id, ConnectionEntry{.identifier = id,
                                                        .model = kModelAny,
                                                        .state = ConnectionState::ToBePolled,
                                                        .status = {},
                                                        .errorFlag = 0});
    }
    m_engine.SetConnectionBaud(5);
    m_engine.setScanDialog({[] {}, [this] { ++m_sweepsDone; }});
    m_engine.setOnlineDocument({[] {}, [] { return true; }});
    ASSERT_EQ(m_engine.StartEngine(Family::Tz48), CommResult::Ok);
    ASSERT_TRUE(eventually([&] { return m_sweepsDone.load() == 1; }));
    EXPECT_EQ(m_engine.GetConnectionBaud(), 1);
    EXPECT_EQ(m_sim->unit(1).speedIndex, 1);
    EXPECT_EQ(m_engine.GetConnectionEntry(1).state, ConnectionState::Connected);
    EXPECT_EQ(m_engine.GetConnectionEntry(2).state, ConnectionState::NotResponding);
    m_engine.StopEngine();
}

TEST_F(EngineSimTest, SurvivesBusyDropsAndRejectsBadBusyValues) {
    goOnline(Family::Tz48, {3}, {3}, 2);
    sim::SimFaults busy;
    busy.busyNext = 2;
    m_sim->setFaults(3, busy);
    EXPECT_EQ(m_engine.SendParameter(3, 0x08, 0x11, 0, 0x08, 40), CommResult::Ok);
    EXPECT_EQ((m_sim->unit(3).parameters.at({0x11, 0, 0x08})), 40);

    sim::SimFaults drops;
    drops.dropEveryNth = 2;
    m_sim->setFaults(3, drops);
    ASSERT_TRUE(pollsGoOn(3, 8));
    EXPECT_EQ(m_engine.GetConnectionEntry(3).state, ConnectionState::Connected);

    sim::SimFaults badBusy;
    badBusy.busyEveryNth = 1;
    badBusy.busyValue = 5;
    {
        // Holding the port keeps the worker's polls out, so the parameter meets the fault first.
        CommEngine::PortSession session(m_engine);
        m_sim->setFaults(3, badBusy);
        EXPECT_EQ(m_engine.SendParameter(3, 0x08, 0x11, 0, 0x08, 41), CommResult::NoAcceptedReply);
    }
    EXPECT_EQ(m_engine.GetConnectionEntry(3).state, ConnectionState::NotResponding);
    EXPECT_EQ(m_engine.SendParameter(3, 0x08, 0x11, 0, 0x08, 42), CommResult::NotConnected);
    m_engine.StopEngine();
}

TEST_F(EngineSimTest, NoiseAndWrongIdentifierDropTheUnitWithTheirCodes) {
    std::ofstream(m_dir.file("diagnostic.log")).close();
    ASSERT_TRUE(m_log.activateIfPresent());
    goOnline(Family::Tz48, {3, 4}, {3, 4}, 0);
    sim::SimFaults noise;
    noise.noiseBytes = 16;
    m_sim->setFaults(3, noise);
    sim::SimFaults otherId;
    otherId.answerAsId = 6;
    m_sim->setFaults(4, otherId);
    ASSERT_TRUE(eventually([&] {
        return m_engine.GetConnectionEntry(3).state == ConnectionState::NotResponding &&
               m_engine.GetConnectionEntry(4).state == ConnectionState::NotResponding;
    }));
    m_engine.StopEngine();
    EXPECT_EQ(m_log.counters(3).lastErr, 12u);
    EXPECT_EQ(m_log.counters(3).scanErr, 3u);
    EXPECT_EQ(m_log.counters(4).lastErr, 11u);
    EXPECT_EQ(m_log.counters(4).scanErr, 3u);
}

TEST_F(EngineSimTest, SwitchedOffUnitIsNotPolledAgainAndIsLoggedOnce) {
    std::ofstream(m_dir.file("diagnostic.log")).close();
    ASSERT_TRUE(m_log.activateIfPresent());
    goOnline(Family::TzAmp, {0, 8}, {0, 8, 20}, 0);
    ASSERT_TRUE(pollsGoOn(8));
    m_sim->setPowered(8, false);
    ASSERT_TRUE(
        eventually([&] { return m_engine.GetConnectionEntry(8).state == ConnectionState::NotResponding; }));
    m_sim->setPowered(8, true);
    const std::uint32_t heard = m_sim->unit(8).messagesReceived;
    ASSERT_TRUE(pollsGoOn(0, 6));
    EXPECT_EQ(m_sim->unit(8).messagesReceived, heard);
    EXPECT_EQ(m_engine.GetConnectionEntry(8).errorFlag, 1u);
    m_engine.StopEngine();

    std::ifstream in(m_dir.file("diagnostic.log"));
    std::stringstream text;
    text << in.rdbuf();
    const std::string log = text.str();
    // One record for the unit that dropped out (its counters have not moved since), none for identifier
    // 20, silent from the start, then the summary.
    EXPECT_EQ(log, m_log.errorRecord(8, 9600) + m_log.summary(9600));
}

TEST_F(EngineSimTest, PortSessionRunsTransfersUnderTheUnitRules) {
    {
        CommEngine::PortSession offLine(m_engine);
        EXPECT_EQ(offLine.runOnUnit(1, true, [](MessageExchange&) { return CommResult::Ok; }),
                  CommResult::NotConnected);
    }
    goOnline(Family::Tz48P, {1}, {1}, 4);
    CommEngine::PortSession session(m_engine);
    bool called = false;
    EXPECT_EQ(session.runOnUnit(2, true,
                                [&](MessageExchange&) {
                                    called = true;
                                    return CommResult::Ok;
                                }),
              CommResult::Ok);
    EXPECT_FALSE(called);

    // An empty program location is refused; for a program read that is no failure.
    const auto target = *programDumpTarget(Family::Tz48P, 5, DumpDirection::FromUnit);
    std::vector<std::uint8_t> image;
    auto readProgramBlock = [&](MessageExchange& exchange) {
        return exchange.uploadImage(kModelProcessor, 1, target, 1, image);
    };
    EXPECT_EQ(session.runOnUnit(1, false, readProgramBlock), CommResult::UploadRefused);
    EXPECT_EQ(m_engine.GetConnectionEntry(1).state, ConnectionState::Connected);

    // A settings image sent and read back unchanged, through the simulator's memory.
    std::vector<std::uint8_t> settings(276);
    for (std::size_t i = 0; i < settings.size(); ++i) {
        settings[i] = static_cast<std::uint8_t>(i * 7 + 1);
    }
    session.line()->SetReadTimeout(kDownloadReadTimeoutMs);
    EXPECT_EQ(session.runOnUnit(1, true,
                                [&](MessageExchange& exchange) {
                                    return exchange.downloadImage(kModelProcessor, 1,
                                                                  settingsDumpTarget(DumpDirection::ToUnit),
                                                                  settings, 320);
                                }),
              CommResult::Ok);
    EXPECT_EQ(m_sim->unit(1).settingsImage, settings);
    session.line()->SetReadTimeout(kPollReadTimeoutMs);
    EXPECT_EQ(session.runOnUnit(1, true,
                                [&](MessageExchange& exchange) {
                                    return exchange.uploadImage(kModelProcessor, 1,
                                                                settingsDumpTarget(DumpDirection::FromUnit),
                                                                1, image);
                                }),
              CommResult::Ok);
    ASSERT_GE(image.size(), settings.size());
    EXPECT_TRUE(std::equal(settings.begin(), settings.end(), image.begin()));

    sim::SimFaults badCrc;
    badCrc.corruptCrcBlocks = 5;
    m_sim->setFaults(1, badCrc);
    EXPECT_EQ(session.runOnUnit(1, true,
                                [&](MessageExchange& exchange) {
                                    return exchange.uploadImage(kModelProcessor, 1,
                                                                settingsDumpTarget(DumpDirection::FromUnit),
                                                                1, image);
                                }),
              CommResult::NoAcceptedReply);
    EXPECT_TRUE(image.empty());
    EXPECT_EQ(m_engine.GetConnectionEntry(1).state, ConnectionState::NotResponding);
}

} // namespace
} // namespace kelo
