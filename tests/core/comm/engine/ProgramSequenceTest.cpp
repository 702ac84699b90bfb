#include "core/programs/ProgramSequence.h"
#include "core/units/UnitSystem.h"
#include "core/comm/engine/CommEngine.h"
#include "core/comm/engine/NetworkScan.h"
#include "core/comm/images/ProcessorImage.h"
#include "core/programs/ProgramLocations.h"
#include "core/units/presets/FactoryPrograms.h"
#include "sim/Simulator.h"
#include "tests/support/RecordingClock.h"

#include <gtest/gtest.h>

namespace kelo {
namespace {

// Three 2-in/6-out units at identifiers 0, 3 and 4 (shown 1, 4, 5), on line with simulated units.
struct LinkedBus {
    LinkedBus()
        : sim(sim::SimOptions{Family::Tz48, {0, 3, 4}, {}, false, true, {}}), engine(clock),
          factory(std::filesystem::temp_directory_path() / "kelo-no-presets", {}), system(Family::Tz48) {
        for (int id : {1, 4, 5}) {
            EXPECT_TRUE(system.addNewUnit({u"U" + std::u16string(1, char16_t(u'0' + id)), id}, factory).ok());
        }
        engine.setPortDevice(sim.devicePath());
        ScanRequest request;
        request.family = Family::Tz48;
        request.baudIndex = 6;
        request.ids = {0, 3, 4};
        request.sendAfterScan = true;
        EXPECT_EQ(scan.start(request), CommResult::Ok);
        scan.waitUntilDone();
    }
    ~LinkedBus() { engine.StopEngine(); }

    LiveParams sentSettings(std::uint8_t id) const {
        LiveParams live;
        processor_image::decodeSettings(sim.unit(id).settingsImage, live, Family::Tz48);
        return live;
    }

    sim::Simulator sim;
    test::RecordingClock clock;
    CommEngine engine;
    FactoryPrograms factory;
    NetworkScan scan{engine};
    UnitSystem system;
};

TEST(ProgramSequenceTest, LinkedRecallChangesTheDocumentFirstThenSendsEachUnitWithItsPause) {
    LinkedBus bus;
    Unit& unit = *bus.system.units()[0];
    UnitParams& program = unit.processor()->programs[7];
    program.used = 1;
    program.routingMode = 1;
    program.sumDelayMm = 4321;

    ProgramRequest request{ProgramRequest::Action::RecallUser, 7, true, {}};
    const std::optional<ProgramPlan> plan = ProgramSequence::prepare(bus.system, unit, request, bus.factory);
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan->changedUnits, (std::vector<std::uint32_t>{0, 1, 2}));
    for (const auto& each : bus.system.units()) {
        EXPECT_EQ(each->currentProgram(), 17u);
        EXPECT_EQ(each->processor()->live.sumDelayMm, 4321u);
    }
    // Nothing reached the line yet: the sends come from the plan's copies.
    EXPECT_NE(bus.sentSettings(3).sumDelayMm, 4321u);
    bus.system.units()[1]->processor()->live.sumDelayMm = 1;

    std::vector<std::uint32_t> told;
    const std::size_t mark = bus.clock.mark();
    const std::vector<CommResult> results = ProgramSequence::send(
        bus.engine, bus.factory, *plan, [&](std::size_t index, const ProgramSend& send) {
            EXPECT_EQ(index, told.size());
            told.push_back(send.unit.busId());
        });
    EXPECT_EQ(results, (std::vector<CommResult>(3, CommResult::Ok)));
    EXPECT_EQ(told, (std::vector<std::uint32_t>{0, 3, 4}));
    EXPECT_EQ(bus.clock.pausesSince(mark, 1000), (std::vector<long long>{2500, 2500, 2500}));
    for (std::uint8_t id : {0, 3, 4}) {
        EXPECT_EQ(bus.sentSettings(id).sumDelayMm, 4321u) << int(id);
        EXPECT_EQ(bus.sentSettings(id).currentProgram(), 17u) << int(id);
    }

    // A linked factory recall pauses 1500 ms after each linked unit; a store sends the program too.
    const std::size_t factoryMark = bus.clock.mark();
    const auto factory = ProgramSequence::prepare(
        bus.system, unit, {ProgramRequest::Action::RecallFactory, 3, true, {}}, bus.factory);
    ASSERT_TRUE(factory);
    ProgramSequence::send(bus.engine, bus.factory, *factory);
    EXPECT_EQ(bus.clock.pausesSince(factoryMark, 1000), (std::vector<long long>{2500, 1500, 1500}));

    const auto store = ProgramSequence::prepare(
        bus.system, unit, {ProgramRequest::Action::Store, 63, false, makeProgramName("Last")}, bus.factory);
    ASSERT_TRUE(store);
    ASSERT_EQ(store->sends.size(), 1u);
    ProgramSequence::send(bus.engine, bus.factory, *store);
    ASSERT_TRUE(bus.sim.unit(0).programs[63]);
    EXPECT_EQ(unit.processor()->programs[63].name, makeProgramName("Last"));
    EXPECT_EQ(bus.system.units()[1]->processor()->programs[63].used, 0u);
}

TEST(ProgramSequenceTest, NothingChangesForAnEmptySlotOrAMissingProgram) {
    FactoryPrograms factory(std::filesystem::temp_directory_path() / "kelo-no-presets", {});
    UnitSystem system(Family::TzAmp);
    ASSERT_TRUE(system.addNewUnit({u"A", 1}, factory).ok());
    ASSERT_TRUE(system.addNewUnit({u"B", 2}, factory).ok());
    Unit& unit = *system.units()[0];
    unit.amp()->live.outputs[0].gain = 7;
    system.units()[1]->amp()->programs[4].used = 1;
    const AmpUnit before = *unit.amp();

    EXPECT_FALSE(
        ProgramSequence::prepare(system, unit, {ProgramRequest::Action::RecallUser, 4, true, {}}, factory));
    EXPECT_FALSE(
        ProgramSequence::prepare(system, unit, {ProgramRequest::Action::Store, 32, true, {}}, factory));
    EXPECT_FALSE(ProgramSequence::prepare(system, unit, {ProgramRequest::Action::RecallFactory, 1, true, {}},
                                          factory));
    EXPECT_EQ(unit.amp()->live.outputs[0].gain, before.live.outputs[0].gain);
    EXPECT_EQ(unit.currentProgram(), before.live.currentProgram());
    EXPECT_EQ(system.units()[1]->amp()->programs[4].used, 1u);
}

TEST(ProgramSequenceTest, LocationsOfEachFamily) {
    const ProgramLocations tz48(Family::Tz48);
    EXPECT_EQ(tz48.lastFirst(), 62u);
    EXPECT_EQ(tz48.locationOfProgram(9), 9u);
    EXPECT_EQ(tz48.locationOfProgram(10), 10u);
    EXPECT_EQ(tz48.locationOfProgram(73), 73u);
    EXPECT_FALSE(tz48.locationOfProgram(74)); // a damaged file's number
    const ProgramLocations amp(Family::TzAmp);
    EXPECT_EQ(amp.lastFirst(), 21u);
    EXPECT_EQ(amp.locationOfProgram(1), 1u);
    EXPECT_EQ(amp.locationOfProgram(32), 32u);
    EXPECT_FALSE(amp.locationOfProgram(33));
    EXPECT_EQ(ProgramLocations(Family::Tz48P).lastFirst(), 53u);
}

} // namespace
} // namespace kelo
