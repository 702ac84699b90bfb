#include "core/units/UnitPrograms.h"
#include "core/units/presets/FactoryPrograms.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace kelo {
namespace {

// Factory tables from a folder without a presets file: the built-in defaults, no message shown.
FactoryPrograms& builtInFactory() {
    static FactoryPrograms factory(std::filesystem::temp_directory_path() / "kelo-no-presets", {});
    return factory;
}

TEST(UnitProgramsTest, StoreCopiesLiveIntoTheSlotWithTheFamilyProgramNumber) {
    for (auto [family, slot, number] :
         {std::tuple{Family::Tz48, 5u, 15u}, std::tuple{Family::Tz48P, 5u, 6u}}) {
        Unit unit(makeProcessorUnit(family, builtInFactory()));
        unit.processor()->live.outputs[2].gain = 33;
        ASSERT_TRUE(storeLiveAsUserProgram(unit, family, slot, makeProgramName("Saved")));
        const ProcessorUnit& record = *unit.processor();
        EXPECT_EQ(record.programs[slot].outputs[2].gain, 33u);
        EXPECT_EQ(record.programs[slot].used, 1u);
        EXPECT_EQ(record.programs[slot].name, makeProgramName("Saved"));
        EXPECT_EQ(record.live.currentProgram(), number);
    }
    Unit amp(makeAmpUnit());
    ASSERT_TRUE(storeLiveAsUserProgram(amp, Family::TzAmp, 31));
    EXPECT_EQ(amp.amp()->live.currentProgram(), 32u);
    EXPECT_FALSE(storeLiveAsUserProgram(amp, Family::TzAmp, 32));
}

TEST(UnitProgramsTest, RecallOfAnEmptyOrMissingSlotChangesNothing) {
    Unit unit(makeProcessorUnit(Family::Tz48, builtInFactory()));
    ProcessorUnit& record = *unit.processor();
    record.programs[3].used = 0;
    record.programs[3].routingMode = 6;
    const LiveParams before = record.live;
    EXPECT_FALSE(RecallUserProgram(unit, Family::Tz48, 3));
    EXPECT_FALSE(RecallUserProgram(unit, Family::Tz48, 64));
    EXPECT_EQ(record.live, before);

    record.programs[3].used = 1;
    record.live.outputMute(0);
    record.live.setOutputMute(1, 1);
    ASSERT_TRUE(RecallUserProgram(unit, Family::Tz48, 3));
    EXPECT_EQ(record.live.routingMode, 6u);
    EXPECT_EQ(record.live.currentProgram(), 13u);
    EXPECT_EQ(record.live.outputMute(1), 1u); // unit-wide words are not part of a program
}

TEST(UnitProgramsTest, FactoryRecallSetsTheFactoryNumberAndRefusesOtherShapes) {
    Unit unit(makeProcessorUnit(Family::Tz48, builtInFactory()));
    ASSERT_TRUE(RecallFactoryProgram(unit, Family::Tz48, 9, builtInFactory()));
    EXPECT_EQ(unit.currentProgram(), 9u);
    EXPECT_FALSE(RecallFactoryProgram(unit, Family::Tz48, 10, builtInFactory()));
    EXPECT_FALSE(RecallFactoryProgram(unit, Family::TzAmp, 0, builtInFactory()));

    Unit amp(makeAmpUnit());
    amp.amp()->live.outputs[0].gain = 1;
    ASSERT_TRUE(RecallFactoryProgram(amp, Family::TzAmp, 0, builtInFactory()));
    EXPECT_EQ(amp.amp()->live.outputs[0].gain, ampFactoryProgram().outputs[0].gain);
    EXPECT_FALSE(RecallFactoryProgram(amp, Family::TzAmp, 1, builtInFactory()));
}

TEST(UnitProgramsTest, OnlyGangedPlusUnitsRefuseMonoPrograms) {
    Unit plus(makeProcessorUnit(Family::Tz48P, builtInFactory()));
    ProcessorUnit& record = *plus.processor();
    record.programs[0].routingMode = 3;
    record.programs[1].routingMode = 1;
    EXPECT_FALSE(ProgramBreaksGanging(plus, Family::Tz48P, 1, builtInFactory())); // not ganged

    record.live.outputGanging() = 1;
    EXPECT_TRUE(ProgramBreaksGanging(plus, Family::Tz48P, 1, builtInFactory()));
    EXPECT_FALSE(ProgramBreaksGanging(plus, Family::Tz48P, 2, builtInFactory()));
    EXPECT_FALSE(ProgramBreaksGanging(plus, Family::Tz48P, 65, builtInFactory()));

    Unit tz48(makeProcessorUnit(Family::Tz48, builtInFactory()));
    tz48.processor()->live.inputGanging() = 1;
    tz48.processor()->programs[0].routingMode = 3;
    EXPECT_FALSE(ProgramBreaksGanging(tz48, Family::Tz48, 1, builtInFactory()));
}

} // namespace
} // namespace kelo
