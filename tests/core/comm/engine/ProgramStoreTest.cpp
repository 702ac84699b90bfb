#include "tests/core/comm/engine/SimulatedBus.h"

#include "core/comm/engine/ProgramStore.h"
#include "core/comm/images/AmpImage.h"
#include "core/comm/images/ProcessorImage.h"
#include "core/units/UnitSystem.h"

#include <gtest/gtest.h>

namespace kelo {
namespace {

using test::SimulatedBus;

// A system of @p family with units at identifiers 0 and 1 (shown 1 and 2).
UnitSystem twoUnits(Family family, FactoryPrograms& factory) {
    UnitSystem system(family);
    EXPECT_TRUE(system.addNewUnit({u"A", 1}, factory).ok());
    EXPECT_TRUE(system.addNewUnit({u"B", 2}, factory).ok());
    return system;
}

TEST(ProgramStoreTest, OffLineStoreChangesTheDocumentAndStillPauses) {
    SimulatedBus bus(Family::Tz48, {0});
    UnitSystem system = twoUnits(Family::Tz48, bus.factory);
    Unit& unit = *system.units()[0];
    unit.processor()->live.outputs[0].gain = 11;

    const ProgramStore::Outcome outcome =
        ProgramStore(bus.engine, bus.factory).store(system, unit, 5, false, makeProgramName("Off line"));
    EXPECT_EQ(outcome.status, ProgramStore::Status::Done);
    EXPECT_EQ(outcome.sent, CommResult::NotConnected);
    EXPECT_EQ(unit.processor()->programs[5].outputs[0].gain, 11u);
    EXPECT_EQ(unit.processor()->programs[5].name, makeProgramName("Off line"));
    EXPECT_EQ(unit.currentProgram(), 15u);
    EXPECT_EQ(system.units()[1]->processor()->programs[5].used, 0u); // Link off
    EXPECT_EQ(bus.clock.totalSlept().count(), 2500);
    EXPECT_EQ(bus.sim.framesReceived(), 0u);
}

TEST(ProgramStoreTest, LinkedStoreSendsEveryUnitItsProgramAndSettings) {
    SimulatedBus bus(Family::TzAmp, {0, 1});
    UnitSystem system = twoUnits(Family::TzAmp, bus.factory);
    bus.scan({0, 1}, 6, true);
    const auto before = bus.clock.totalSlept();
    Unit& unit = *system.units()[0];
    unit.amp()->live.outputs[1].delayMm = 1234;

    const auto outcome = ProgramStore(bus.engine, bus.factory).store(system, unit, 31, true);
    EXPECT_EQ(outcome.sent, CommResult::Ok);
    for (std::uint8_t id : {0, 1}) {
        const AmpUnit& record = *system.units()[id]->amp();
        const sim::SimUnit simUnit = bus.sim.unit(id);
        ASSERT_TRUE(simUnit.programs[31]) << int(id);
        const auto program = amp_image::encodeProgram(record.programs[31]);
        EXPECT_EQ(*simUnit.programs[31], std::vector<std::uint8_t>(program.begin(), program.end()));
        const auto settings = amp_image::encodeSettings(record.live);
        EXPECT_EQ(simUnit.settingsImage, std::vector<std::uint8_t>(settings.begin(), settings.end()));
        EXPECT_EQ(record.live.currentProgram(), 32u);
    }
    // Each unit under its own lock with its own 1500 ms pause.
    EXPECT_GE((bus.clock.totalSlept() - before).count(), 3000);
}

TEST(ProgramStoreTest, LinkedRecallCopiesTheProgramIntoTheOtherUnits) {
    SimulatedBus bus(Family::Tz48P, {0, 1});
    UnitSystem system = twoUnits(Family::Tz48P, bus.factory);
    bus.scan({0, 1}, 6, true);
    Unit& unit = *system.units()[0];
    UnitParams& program = unit.processor()->programs[2];
    program.used = 1;
    program.routingMode = 0;
    program.sumDelayMm = 777;
    ProgramStore store(bus.engine, bus.factory);

    EXPECT_EQ(store.recallUser(system, unit, 3, true).status, ProgramStore::Status::EmptySlot);
    const auto outcome = store.recallUser(system, unit, 2, true);
    ASSERT_EQ(outcome.status, ProgramStore::Status::Done);
    EXPECT_EQ(outcome.sent, CommResult::Ok);
    for (std::uint8_t id : {0, 1}) {
        LiveParams sent;
        processor_image::decodeSettings(bus.sim.unit(id).settingsImage, sent, Family::Tz48P);
        EXPECT_EQ(sent.sumDelayMm, 777u);
        EXPECT_EQ(sent.currentProgram(), 3u);
        EXPECT_EQ(system.units()[id]->processor()->programs[2].sumDelayMm, 777u);
    }
}

TEST(ProgramStoreTest, FactoryRecallOnLinkedUnitsUsesTheShorterPause) {
    SimulatedBus bus(Family::Tz48, {0});
    UnitSystem system = twoUnits(Family::Tz48, bus.factory);
    ProgramStore store(bus.engine, bus.factory);
    EXPECT_EQ(store.recallFactory(system, *system.units()[0], 10, true).status,
              ProgramStore::Status::NoSuchSlot);
    EXPECT_EQ(bus.clock.totalSlept().count(), 0);
    ASSERT_EQ(store.recallFactory(system, *system.units()[0], 4, true).status, ProgramStore::Status::Done);
    EXPECT_EQ(bus.clock.totalSlept().count(), 2500 + 1500);
    EXPECT_EQ(system.units()[1]->currentProgram(), 4u);
}

} // namespace
} // namespace kelo
