#include "core/units/presets/FactoryPrograms.h"
#include "tests/support/SampleSystems.h"
#include "tests/support/TempDir.h"
#include "core/app/SystemFile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace {

using kelo::FactoryPrograms;
using kelo::Family;

struct Messages {
    std::vector<std::string> shown;
    FactoryPrograms::MessageHook hook() {
        return [this](std::string_view message) { shown.emplace_back(message); };
    }
};

void writePresetsFile(const std::filesystem::path& folder) {
    kelo::UnitSystem system(Family::Tz48P);
    kelo::ProcessorUnit unit;
    for (std::size_t k = 0; k < unit.programs.size(); ++k) {
        unit.programs[k].name = kelo::makeProgramName("FILE " + std::to_string(k + 1));
        unit.programs[k].routingMode = static_cast<std::uint32_t>(k % 8);
        unit.programs[k].used = 1;
    }
    system.appendLoadedUnit(kelo::Unit(std::move(unit)));
    ASSERT_TRUE(kelo::saveSystemFile(system, folder / std::string(FactoryPrograms::kFileName)).ok());
}

TEST(FactoryPrograms, MissingFileGivesDefaultsAndEachFamilysMessageOnce) {
    kelo::test::TempDir dir;
    Messages messages;
    FactoryPrograms programs(dir.path(), messages.hook());
    EXPECT_EQ(programs.table(Family::Tz48).size(), 10u);
    EXPECT_EQ(programs.table(Family::Tz48).size(), 10u);
    EXPECT_EQ(programs.table(Family::Tz48P).size(), 1u);
    programs.program(Family::Tz48P, 0);
    EXPECT_EQ(messages.shown, (std::vector<std::string>{
                                  "File tz48plus.prs Not Found!, Program Loads a Default Configuration",
                                  "File Tz48Plus.prs Not Found!, Program Loads a Default Configuration"}));

    for (Family family : {Family::Tz48, Family::Tz48P}) {
        const kelo::UnitParams first = programs.program(family, 0);
        EXPECT_EQ(kelo::programNameText(first.name), "**PRESET 1**");
        EXPECT_EQ(first.routingMode, 1u);
        EXPECT_EQ(first.used, 1u);
        EXPECT_EQ(first.inputs[0].gain, 60u);
        EXPECT_EQ(first.outputs[0].bands[1], (kelo::EqBand{2, 155, 3, 26, 0}));
        EXPECT_EQ(first.outputs[4].crossover, (kelo::CrossoverSection{9, 137, 0, 4, 54}));
        EXPECT_EQ(first.outputs[5].delayMm, 106u);
    }
    const kelo::UnitParams tenth = programs.program(Family::Tz48, 9);
    EXPECT_EQ(kelo::programNameText(tenth.name), "**PRESET 10*");
    EXPECT_EQ(programs.program(Family::Tz48, 8).routingMode, 7u);
    EXPECT_EQ(programs.program(Family::Tz48, 99).name, tenth.name); // out of range clamps
    EXPECT_TRUE(programs.table(Family::TzAmp).empty());
}

TEST(FactoryPrograms, FileBesideTheProgramSuppliesUserProgramsMarkedUnused) {
    kelo::test::TempDir dir;
    writePresetsFile(dir.path());
    Messages messages;
    FactoryPrograms programs(dir.path(), messages.hook());
    const std::vector<kelo::UnitParams>& table = programs.table(Family::Tz48);
    ASSERT_EQ(table.size(), 10u);
    EXPECT_EQ(kelo::programNameText(table[0].name), "FILE 1");
    EXPECT_EQ(kelo::programNameText(table[9].name), "FILE 10");
    EXPECT_EQ(table[3].routingMode, 3u);
    EXPECT_EQ(table[0].used, 0u);
    EXPECT_EQ(programs.table(Family::Tz48P).size(), 1u);
    EXPECT_TRUE(messages.shown.empty());

    const kelo::ProcessorUnit unit = kelo::makeProcessorUnit(Family::Tz48P, programs);
    EXPECT_EQ(unit.name, u"Tz48 Plus");
    EXPECT_EQ(unit.live.program(), table[0]);
    EXPECT_EQ(unit.programs[63], table[0]);
}

TEST(FactoryPrograms, ShortOrForeignFileIsTreatedAsMissing) {
    kelo::test::TempDir dir;
    writePresetsFile(dir.path());
    const auto path = dir.path() / std::string(FactoryPrograms::kFileName);
    std::filesystem::resize_file(path, std::filesystem::file_size(path) - 1);
    Messages messages;
    FactoryPrograms programs(dir.path(), messages.hook());
    EXPECT_EQ(kelo::programNameText(programs.program(Family::Tz48P, 0).name), "**PRESET 1**");
    EXPECT_EQ(messages.shown.size(), 1u);

    // Any magic is accepted as long as one unit body follows.
    std::vector<std::uint8_t> bytes = kelo::test::fileBytes(kelo::test::testDataPath("sample-tz48.kle"));
    std::fill(bytes.begin(), bytes.begin() + 22, 'x');
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    FactoryPrograms foreign(dir.path());
    EXPECT_EQ(kelo::programNameText(foreign.program(Family::Tz48, 0).name), "USER ONE");
}

} // namespace
