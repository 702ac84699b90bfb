#include "core/programs/ProgramSequence.h"
#include "core/units/UnitSystem.h"
#include "core/comm/engine/CommEngine.h"
#include "core/units/presets/FactoryPrograms.h"
#include "tests/support/RecordingClock.h"

#include <gtest/gtest.h>

namespace kelo {
namespace {

// The line side of a linked sequence is driven through the simulated units by the program bar's test;
// here the document step and the order and pauses of the sends, which need no line.
TEST(ProgramSequenceTest, LinkedUnitsChangeAtOnceAndAreSentInOrderWithTheirPauses) {
    test::RecordingClock clock;
    CommEngine engine(clock);
    FactoryPrograms factory(std::filesystem::temp_directory_path() / "kelo-no-presets", {});
    UnitSystem system(Family::Tz48);
    for (int id : {1, 4, 5}) {
        ASSERT_TRUE(system.addNewUnit({u"U", id}, factory).ok());
    }
    Unit& unit = *system.units()[1];
    unit.processor()->live.sumDelayMm = 4321;

    EXPECT_FALSE(
        ProgramSequence::prepare(system, unit, {ProgramRequest::Action::RecallUser, 7, true, {}}, factory));
    const auto store = ProgramSequence::prepare(
        system, unit, {ProgramRequest::Action::Store, 7, true, makeProgramName("Main")}, factory);
    ASSERT_TRUE(store);
    EXPECT_EQ(store->changedUnits, (std::vector<std::uint32_t>{1, 0, 2}));
    EXPECT_EQ(system.units()[0]->processor()->programs[7].used, 1u);
    EXPECT_EQ(unit.processor()->programs[7].name, makeProgramName("Main"));
    // The typed name is the requesting unit's; a linked unit keeps its own.
    EXPECT_EQ(store->sends[1].unit.processor()->programs[7].name, system.units()[0]->processor()->live.name);
    EXPECT_TRUE(store->sends[2].storesProgram);

    const auto recall =
        ProgramSequence::prepare(system, unit, {ProgramRequest::Action::RecallFactory, 9, true, {}}, factory);
    ASSERT_TRUE(recall);
    // Later edits of the document do not reach a sequence already prepared.
    unit.processor()->live.sumDelayMm = 1;
    std::vector<std::uint32_t> told;
    const std::size_t mark = clock.mark();
    const auto results =
        ProgramSequence::send(engine, factory, *recall, [&](std::size_t index, const ProgramSend& send) {
            EXPECT_EQ(index, told.size());
            EXPECT_EQ(send.unit.currentProgram(), 9u);
            EXPECT_NE(send.unit.processor()->live.sumDelayMm, 1u);
            told.push_back(send.unit.busId());
        });
    EXPECT_EQ(told, (std::vector<std::uint32_t>{3, 0, 4}));
    EXPECT_EQ(results, std::vector<CommResult>(3, CommResult::NotConnected)); // engine not running
    EXPECT_EQ(clock.pausesSince(mark, 0), (std::vector<long long>{2500, 1500, 1500}));
}

} // namespace
} // namespace kelo
