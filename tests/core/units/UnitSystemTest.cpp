#include "core/units/UnitSystem.h"
#include "core/app/SystemFile.h"
#include "core/units/presets/FactoryPrograms.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

namespace {

using kelo::Family;
using kelo::UnitEditStatus;
using kelo::UnitSettings;
using kelo::UnitSystem;

class UnitSystemTest : public testing::Test {
protected:
    kelo::test::TempDir m_dir;
    kelo::FactoryPrograms m_programs{m_dir.path()};
};

TEST_F(UnitSystemTest, KeysGrowAndDeletingTheLastDoesNotLowerThem) {
    UnitSystem system(Family::Tz48);
    EXPECT_EQ(system.proposedUnitName(), u"Device1");
    ASSERT_TRUE(system.addNewUnit({u"A", 1}, m_programs).ok());
    ASSERT_TRUE(system.addNewUnit({u"B", 2}, m_programs).ok());
    ASSERT_TRUE(system.addNewUnit({u"C", 3}, m_programs).ok());
    EXPECT_EQ(system.proposedUnitName(), u"Device4");
    EXPECT_EQ(system.lastUnitKey(), 2u);

    EXPECT_EQ(system.DeleteUnit(2), (std::vector<std::uint32_t>{2}));
    EXPECT_EQ(system.FindUnit(2), nullptr);
    EXPECT_EQ(system.lastUnitKey(), 2u);
    const kelo::UnitEditResult added = system.addNewUnit({u"D", 3}, m_programs);
    ASSERT_TRUE(added.ok());
    EXPECT_EQ(added.unit->key(), 3u);
    EXPECT_TRUE(system.DeleteUnit(42).empty());

    // An emptied list starts again at key 0.
    for (std::uint32_t key : {0u, 1u, 3u}) {
        system.DeleteUnit(key);
    }
    EXPECT_TRUE(system.empty());
    EXPECT_EQ(system.addNewUnit({u"E", 1}, m_programs).unit->key(), 0u);
}

TEST_F(UnitSystemTest, IdentifiersMustDifferAndModifyMayKeepItsOwn) {
    UnitSystem system(Family::Tz48P);
    EXPECT_TRUE(system.IsIdentifierFree(1));
    EXPECT_FALSE(system.IsIdentifierFree(0));
    EXPECT_FALSE(system.IsIdentifierFree(33));
    ASSERT_TRUE(system.addNewUnit({u"One", 1}, m_programs).ok());
    ASSERT_TRUE(system.addNewUnit({u"Two", 2}, m_programs).ok());
    EXPECT_FALSE(system.IsIdentifierFree(2));

    const kelo::UnitEditResult clash = system.addNewUnit({u"Three", 2}, m_programs);
    EXPECT_EQ(clash.status, UnitEditStatus::IdentifierInUse);
    EXPECT_EQ(kelo::unitEditMessage(clash.status), "ID must be different\n for each device");
    EXPECT_EQ(system.unitCount(), 2u);
    EXPECT_EQ(system.lastUnitKey(), 1u);

    EXPECT_EQ(system.modifyUnit(0, {u"Renamed", 2}).status, UnitEditStatus::IdentifierInUse);
    EXPECT_EQ(system.FindUnit(0)->name(), u"One");
    ASSERT_TRUE(system.modifyUnit(0, {u"Renamed", 1, true, true}).ok());
    EXPECT_EQ(system.FindUnit(0)->name(), u"Renamed");
    EXPECT_EQ(system.FindUnit(0)->processor()->live.inputGanging(), 1u);
    EXPECT_EQ(system.modifyUnit(0, {u"X", 40}).status, UnitEditStatus::IdentifierOutOfRange);
    EXPECT_EQ(system.modifyUnit(9, {u"X", 5}).status, UnitEditStatus::NoSuchUnit);
}

TEST_F(UnitSystemTest, NewUnitIsResetFromFactoryProgramZero) {
    UnitSystem system(Family::Tz48);
    const kelo::UnitEditResult added = system.addNewUnit({u"Device1", 7, true, false}, m_programs);
    ASSERT_TRUE(added.ok());
    const kelo::ProcessorUnit& unit = *added.unit->processor();
    const kelo::UnitParams factory0 = m_programs.program(Family::Tz48, 0);
    EXPECT_EQ(unit.live.program(), factory0);
    EXPECT_EQ(unit.live.used, 1u);
    EXPECT_EQ(unit.live.busId(), 6u);
    EXPECT_EQ(unit.live.inputGanging(), 1u);
    EXPECT_EQ(unit.live.outputGanging(), 0u);
    EXPECT_EQ(unit.live.currentProgram(), 0u);
    for (const kelo::UnitParams& program : unit.programs) {
        EXPECT_EQ(program.used, 0u);
        EXPECT_EQ(program.name, factory0.name);
    }
}

TEST_F(UnitSystemTest, AmpNewUnitSetsGangingWithItsLinkWord) {
    UnitSystem system(Family::TzAmp);
    const kelo::UnitEditResult added = system.addNewUnit({u"Amp", 1, false}, m_programs);
    ASSERT_TRUE(added.ok());
    const kelo::AmpUnit& unit = *added.unit->amp();
    EXPECT_EQ(unit.live.ganging(), 0u);
    EXPECT_EQ(unit.live.word(kelo::AmpLiveParams::kLinkModeWord), 0u);
    EXPECT_EQ(unit.live.program().name, kelo::ampFactoryProgram().name);
    EXPECT_EQ(unit.programs[31].used, 0u);
    ASSERT_TRUE(system.modifyUnit(0, {u"Amp", 1, true}).ok());
    EXPECT_EQ(unit.live.word(kelo::AmpLiveParams::kLinkModeWord), 2u);
}

TEST_F(UnitSystemTest, RoutingModesTwoToSevenNeverGetGanging) {
    UnitSystem system(Family::Tz48);
    kelo::Unit* unit = system.addNewUnit({u"Mono", 1, true, true}, m_programs).unit;
    unit->processor()->live.routingMode = 3;
    ASSERT_TRUE(system.modifyUnit(0, {u"Mono", 1, true, true}).ok());
    EXPECT_EQ(unit->processor()->live.inputGanging(), 0u);
    EXPECT_EQ(unit->processor()->live.outputGanging(), 0u);

    // A scan renumbers from 0 and clears the flags of units in modes 2..7 only.
    UnitSystem scanned(Family::Tz48);
    for (std::uint32_t mode : {1u, 6u}) {
        kelo::ProcessorUnit record;
        record.key = 50;
        record.live.routingMode = mode;
        record.live.inputGanging() = 1;
        record.live.outputGanging() = 1;
        scanned.appendScannedUnit(kelo::Unit(std::move(record)));
    }
    const std::vector<kelo::Unit*> cleared = scanned.RenumberAfterScan();
    ASSERT_EQ(cleared.size(), 1u);
    EXPECT_EQ(cleared[0]->key(), 1u);
    EXPECT_EQ(scanned.lastUnitKey(), 1u);
    EXPECT_EQ(scanned.FindUnit(0)->processor()->live.inputGanging(), 1u);
    EXPECT_EQ(cleared[0]->processor()->live.outputGanging(), 0u);
}

TEST(UnitSystemPresets, PlusUnitKeepsFactoryRoutingAndIsNeverGangedInAMonoMode) {
    kelo::test::TempDir dir;
    kelo::UnitSystem presets(Family::Tz48P);
    kelo::ProcessorUnit source;
    source.programs[0].routingMode = 4;
    presets.appendLoadedUnit(kelo::Unit(std::move(source)));
    ASSERT_TRUE(
        kelo::saveSystemFile(presets, dir.path() / std::string(kelo::FactoryPrograms::kFileName)).ok());
    kelo::FactoryPrograms programs(dir.path());

    UnitSystem plus(Family::Tz48P);
    const kelo::LiveParams& live = plus.addNewUnit({u"P", 1, true, true}, programs).unit->processor()->live;
    EXPECT_EQ(live.routingMode, 4u);
    EXPECT_EQ(live.inputGanging(), 0u);
    EXPECT_EQ(live.outputGanging(), 0u);

    UnitSystem tz48(Family::Tz48);
    const kelo::LiveParams& forced = tz48.addNewUnit({u"T", 1, true, true}, programs).unit->processor()->live;
    EXPECT_EQ(forced.routingMode, 1u);
    EXPECT_EQ(forced.outputGanging(), 1u);
}

TEST_F(UnitSystemTest, UnitsOfTheWrongShapeAreNotAppended) {
    UnitSystem system(Family::TzAmp);
    EXPECT_EQ(system.appendLoadedUnit(kelo::Unit(kelo::ProcessorUnit{})), nullptr);
    EXPECT_TRUE(system.empty());
}

} // namespace
