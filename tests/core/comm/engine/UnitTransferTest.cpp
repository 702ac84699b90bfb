#include "tests/core/comm/engine/SimulatedBus.h"

#include "core/comm/engine/SystemTransfer.h"
#include "core/comm/engine/UnitTransfer.h"
#include "core/comm/images/AmpImage.h"
#include "core/comm/images/ProcessorImage.h"
#include "core/units/UnitSystem.h"

#include <gtest/gtest.h>

namespace kelo {
namespace {

using test::SimulatedBus;

std::vector<std::uint8_t> bytesOf(std::span<const std::uint8_t> image) {
    return {image.begin(), image.end()};
}

// A processor program that differs from the factory defaults in every section, with a full-length name
// so that it survives the trip through an image unchanged.
UnitParams distinctProgram(std::uint32_t seed) {
    UnitParams p;
    p.name = makeProgramName("Program " + std::to_string(1000 + seed));
    p.inputs[0].bands[1] = EqBand{4, 10 + seed, 5, 50, 0};
    p.inputs[1].delayMm = 1000 + seed;
    p.gates[1].threshold = 40;
    p.gateBypass = {0, 1};
    p.outputs[3].crossover.highPassFrequency = 90 + seed % 100;
    p.outputs[5].limiter.ratio = 3;
    p.outputs[0].polarity = 1;
    p.routingMode = seed % 8;
    p.used = 1;
    return p;
}

LiveParams distinctLive() {
    LiveParams live;
    live.loadProgram(distinctProgram(7));
    live.currentProgram() = 12;
    live.inputGanging() = 1;
    live.temperature() = 61;
    live.setOutputMute(4, 1);
    return live;
}

TEST(UnitTransferTest, ReadUnitTakesSettingsAndProgramsAndMarksRefusedLocationsUnused) {
    SimulatedBus bus(Family::Tz48, {2});
    bus.sim.setSettingsImage(2, bytesOf(processor_image::encodeSettings(distinctLive(), Family::Tz48)));
    bus.sim.setProgramImage(2, 0, bytesOf(processor_image::encodeProgram(distinctProgram(0))));
    bus.sim.setProgramImage(2, 63, bytesOf(processor_image::encodeProgram(distinctProgram(63))));
    ASSERT_EQ(bus.scan({2}).connectedIds(), std::vector<std::uint32_t>{2});

    ReadUnitResult read = UnitTransfer(bus.engine, Family::Tz48, bus.factory).ReadUnit(2);
    ASSERT_EQ(read.result, CommResult::Ok);
    ASSERT_TRUE(read.unit);
    const ProcessorUnit& unit = *read.unit->processor();
    EXPECT_EQ(unit.name, u"Unit3");
    EXPECT_EQ(unit.live.busId(), 2u);
    EXPECT_EQ(unit.live.program(), distinctLive().program());
    EXPECT_EQ(unit.live.currentProgram(), 12u);
    EXPECT_EQ(unit.live.outputMute(4), 1u);
    EXPECT_EQ(unit.programs[0], distinctProgram(0));
    EXPECT_EQ(unit.programs[63], distinctProgram(63));
    EXPECT_EQ(unit.programs[1].used, 0u);
    EXPECT_EQ(unit.programs[62].used, 0u);
    EXPECT_EQ(bus.state(2), ConnectionState::Connected);
    // Four groups with the lock released in between: 100 + 50 + 50 + 200 ms of pauses.
    EXPECT_GE(bus.clock.totalSlept().count(), 400);
}

TEST(UnitTransferTest, EveryPauseOfAWholeUnitTransferIsKept) {
    struct Expected {
        Family family;
        std::vector<long long> read; ///< after each group of programs
        std::vector<long long> send; ///< after the time-out change, the settings, and before release
    };
    for (const Expected& expected : {Expected{Family::Tz48, {100, 50, 50, 200}, {50, 2500, 100}},
                                     Expected{Family::Tz48P, {100, 50, 50, 200}, {50, 2500, 100}},
                                     Expected{Family::TzAmp, {100, 100, 100, 200}, {50, 1200, 50}}}) {
        SCOPED_TRACE(std::string(familyKey(expected.family)));
        SimulatedBus bus(expected.family, {3});
        // 9600 bit/s: the pauses do not depend on the speed, and no climb can miss its short replies.
        ASSERT_EQ(bus.scan({3}, 0).connectedIds(), std::vector<std::uint32_t>{3});
        UnitTransfer transfer(bus.engine, expected.family, bus.factory);
        bus.clock.forget();
        ReadUnitResult read = transfer.ReadUnit(3);
        ASSERT_EQ(read.result, CommResult::Ok);
        EXPECT_EQ(bus.clock.pausesOfThisThread(), expected.read);
        bus.clock.forget();
        EXPECT_EQ(transfer.SendUnit(*read.unit), CommResult::Ok);
        EXPECT_EQ(bus.clock.pausesOfThisThread(), expected.send);
    }
}

TEST(UnitTransferTest, UploadsOfNoBlocksSucceedAndChangeNothing) {
    SimulatedBus bus(Family::Tz48, {3});
    bus.sim.setProgramImage(3, 7, bytesOf(processor_image::encodeProgram(distinctProgram(7))));
    bus.scan({3});
    sim::SimFaults faults;
    faults.emptyUploads = true;
    bus.sim.setFaults(3, faults);
    ReadUnitResult read = UnitTransfer(bus.engine, Family::Tz48, bus.factory).ReadUnit(3);
    ASSERT_EQ(read.result, CommResult::Ok);
    const ProcessorUnit fresh = makeProcessorUnit(Family::Tz48, bus.factory);
    const ProcessorUnit& unit = *read.unit->processor();
    EXPECT_EQ(unit.live.program(), fresh.live.program());
    EXPECT_EQ(unit.programs[7], fresh.programs[7]);
    EXPECT_EQ(bus.state(3), ConnectionState::Connected);
}

TEST(UnitTransferTest, UnitSilentOnTheSettingsReadYieldsNothingAndStopsBeingPolled) {
    SimulatedBus bus(Family::Tz48P, {0});
    bus.scan({0});
    bus.sim.setPowered(0, false);
    ReadUnitResult read = UnitTransfer(bus.engine, Family::Tz48P, bus.factory).ReadUnit(0);
    EXPECT_NE(read.result, CommResult::Ok);
    EXPECT_FALSE(read.unit);
    EXPECT_EQ(bus.state(0), ConnectionState::NotResponding);
}

TEST(UnitTransferTest, UnitSwitchedOffDuringTheProgramsYieldsNothing) {
    SimulatedBus bus(Family::TzAmp, {5});
    for (std::size_t slot = 0; slot < 32; ++slot) {
        AmpParams program = ampFactoryProgram();
        program.outputs[1].gain = static_cast<std::uint32_t>(slot);
        bus.sim.setProgramImage(5, slot, bytesOf(amp_image::encodeProgram(program)));
    }
    bus.scan({5});
    sim::SimFaults faults;
    faults.silentAfter = 40; // settings read plus a dozen programs, then the unit loses power
    bus.sim.setFaults(5, faults);
    UnitSystem system(Family::TzAmp);
    const TransferOutcome outcome = SystemTransfer(bus.engine, bus.factory).readConnectedUnits(system);
    ASSERT_EQ(outcome.units.size(), 1u);
    EXPECT_NE(outcome.units[0].result, CommResult::Ok);
    EXPECT_TRUE(system.empty());
    EXPECT_EQ(bus.state(5), ConnectionState::NotResponding);
}

TEST(UnitTransferTest, SendUnitWritesSettingsAndOnlyTheUsedPrograms) {
    SimulatedBus bus(Family::Tz48P, {1});
    bus.scan({1}, 6, true);
    Unit unit(makeProcessorUnit(Family::Tz48P, bus.factory));
    ProcessorUnit& record = *unit.processor();
    record.live = distinctLive();
    record.live.busId() = 1;
    for (UnitParams& program : record.programs) {
        program.used = 0;
    }
    record.programs[9] = distinctProgram(9);

    ASSERT_EQ(UnitTransfer(bus.engine, Family::Tz48P, bus.factory).SendUnit(unit), CommResult::Ok);
    const sim::SimUnit simUnit = bus.sim.unit(1);
    EXPECT_EQ(simUnit.settingsImage, bytesOf(processor_image::encodeSettings(record.live, Family::Tz48P)));
    ASSERT_TRUE(simUnit.programs[9]);
    EXPECT_EQ(*simUnit.programs[9], bytesOf(processor_image::encodeProgram(record.programs[9])));
    for (std::size_t slot = 0; slot < simUnit.programs.size(); ++slot) {
        EXPECT_EQ(simUnit.programs[slot].has_value(), slot == 9) << slot;
    }
}

TEST(UnitTransferTest, UnitWithNoUsedProgramIsSentSettingsOnly) {
    SimulatedBus bus(Family::Tz48, {0});
    bus.scan({0}, 0, true);
    Unit unit(makeProcessorUnit(Family::Tz48, bus.factory));
    for (UnitParams& program : unit.processor()->programs) {
        program.used = 0;
    }
    const std::uint64_t before = bus.sim.framesReceived();
    const sim::SimUnit previous = bus.sim.unit(0);
    ASSERT_EQ(UnitTransfer(bus.engine, Family::Tz48, bus.factory).SendUnit(unit), CommResult::Ok);
    const std::uint64_t sent = bus.sim.framesReceived() - before;
    // The dump request and the one block, plus whatever status polls the worker slipped in before.
    EXPECT_GE(sent, 2u);
    EXPECT_EQ(bus.sim.unit(0).programs, previous.programs);
    EXPECT_NE(bus.sim.unit(0).settingsImage, previous.settingsImage);
}

TEST(UnitTransferTest, FailedSettingsSendLeavesTheStoredProgramsAlone) {
    SimulatedBus bus(Family::Tz48, {0});
    bus.scan({0}, 6, true);
    sim::SimFaults faults;
    faults.silentAfter = 0;
    bus.sim.setFaults(0, faults);
    Unit unit(makeProcessorUnit(Family::Tz48, bus.factory));
    unit.processor()->programs[0] = distinctProgram(1);
    EXPECT_NE(UnitTransfer(bus.engine, Family::Tz48, bus.factory).SendUnit(unit), CommResult::Ok);
    EXPECT_EQ(bus.state(0), ConnectionState::NotResponding);
    bus.sim.setPowered(0, true);
    EXPECT_FALSE(bus.sim.unit(0).programs[0]);
}

TEST(UnitTransferTest, TwoUnitsAreReadInIdentifierOrderWithProgress) {
    SimulatedBus bus(Family::Tz48, {4, 1});
    bus.scan();
    UnitSystem system(Family::Tz48);
    std::vector<std::string> labels;
    std::vector<std::uint32_t> steps;
    TransferProgress progress{[&](const std::string& label) { labels.push_back(label); },
                              [&](std::uint32_t handled, std::uint32_t count) {
                                  steps.push_back(handled);
                                  EXPECT_EQ(count, 2u);
                              }};
    SystemTransfer transfer(bus.engine, bus.factory);
    EXPECT_TRUE(transfer.readConnectedUnits(system, progress).allOk());
    EXPECT_EQ(labels, (std::vector<std::string>{"Uploading From ID 2", "Uploading From ID 5"}));
    EXPECT_EQ(steps, (std::vector<std::uint32_t>{1, 2}));
    ASSERT_EQ(system.unitCount(), 2u);
    EXPECT_EQ(system.units()[0]->name(), u"Unit2");
    EXPECT_EQ(system.units()[1]->busId(), 4u);
}

TEST(UnitTransferTest, RenumberingClearsGangingWhereTheRoutingForbidsIt) {
    SimulatedBus bus(Family::Tz48P, {0, 1});
    LiveParams mono = distinctLive(); // input ganging on
    mono.routingMode = 4;
    LiveParams stereo = distinctLive();
    stereo.routingMode = 1;
    bus.sim.setSettingsImage(0, bytesOf(processor_image::encodeSettings(mono, Family::Tz48P)));
    bus.sim.setSettingsImage(1, bytesOf(processor_image::encodeSettings(stereo, Family::Tz48P)));
    bus.scan();
    UnitSystem system(Family::Tz48P);
    SystemTransfer transfer(bus.engine, bus.factory);
    ASSERT_TRUE(transfer.readConnectedUnits(system).allOk());
    transfer.RenumberAfterScan(system);

    EXPECT_EQ(system.units()[0]->key(), 0u);
    EXPECT_EQ(system.units()[1]->key(), 1u);
    EXPECT_EQ(system.lastUnitKey(), 1u);
    EXPECT_EQ(system.units()[0]->processor()->live.inputGanging(), 0u);
    EXPECT_EQ(system.units()[1]->processor()->live.inputGanging(), 1u);
    const auto parameters = bus.sim.unit(0).parameters;
    EXPECT_EQ(parameters.at({0x35, 255, 0x0F}), 0);
    EXPECT_EQ(parameters.at({0x35, 255, 0x10}), 0);
    EXPECT_TRUE(bus.sim.unit(1).parameters.empty());
    EXPECT_TRUE(bus.engine.viewRefresh());
}

} // namespace
} // namespace kelo
