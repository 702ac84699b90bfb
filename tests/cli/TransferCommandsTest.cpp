#include "cli/Commands.h"

#include "core/app/SystemFile.h"
#include "core/units/UnitSystem.h"
#include "core/comm/images/AmpImage.h"
#include "core/comm/images/ProcessorImage.h"
#include "core/comm/line/Clock.h"
#include "core/units/presets/FactoryPrograms.h"
#include "sim/DefaultImages.h"
#include "sim/Simulator.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <sstream>
#include <thread>

namespace kelo {
namespace {

struct KeloRun {
    int exitCode;
    std::string out;
    std::string err;
};

KeloRun kelo(std::vector<std::string> args) {
    FastClock clock(10);
    std::ostringstream out;
    std::ostringstream err;
    cli::CliContext context{out, err};
    context.clock = &clock;
    args.insert(args.begin(), "kelo");
    std::vector<const char*> argv;
    for (const std::string& arg : args) {
        argv.push_back(arg.c_str());
    }
    const int code = cli::runKelo(static_cast<int>(argv.size()), argv.data(), context);
    return {code, out.str(), err.str()};
}

// A command's line closes when it ends; the simulated units then fall back to 9600 bit/s, as every
// connection starts there. Waits (bounded) until the simulator has noticed.
void waitForLineReset(const sim::Simulator& sim, std::uint8_t id) {
    for (int i = 0; i < 500 && sim.unit(id).speedIndex != 0; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

std::vector<std::uint8_t> bytesOf(std::span<const std::uint8_t> image) {
    return {image.begin(), image.end()};
}

sim::SimOptions options(Family family, std::vector<std::uint8_t> ids) {
    sim::SimOptions result;
    result.family = family;
    result.ids = std::move(ids);
    return result;
}

// Gives a simulated unit settings and a few programs that differ from a new unit's.
void fillUnit(sim::Simulator& sim, std::uint8_t id, std::uint32_t seed) {
    const Family family = sim.family();
    if (family == Family::TzAmp) {
        AmpLiveParams live = makeAmpUnit().live;
        live.outputs[0].gain = 40 + seed;
        live.temperature() = 30;
        live.busId() = id;
        sim.setSettingsImage(id, bytesOf(amp_image::encodeSettings(live)));
        for (std::size_t slot : {std::size_t{0}, std::size_t{17}, std::size_t{31}}) {
            AmpParams program = ampFactoryProgram();
            program.comp[1].word(5) = static_cast<std::uint32_t>(slot + seed);
            sim.setProgramImage(id, slot, bytesOf(amp_image::encodeProgram(program)));
        }
        return;
    }
    LiveParams live = makeProcessorUnit(family).live;
    live.outputs[2].gain = 50 + seed;
    live.routingMode = 6;
    live.outputGanging() = 1;
    sim.setSettingsImage(id, bytesOf(processor_image::encodeSettings(live, family)));
    for (std::size_t slot : {std::size_t{0}, std::size_t{40}, std::size_t{63}}) {
        UnitParams program = live.program();
        program.sumDelayMm = static_cast<std::uint32_t>(slot * 100 + seed);
        program.routingMode = static_cast<std::uint32_t>(slot % 2);
        program.used = 1;
        sim.setProgramImage(id, slot, bytesOf(processor_image::encodeProgram(program)));
    }
}

TEST(TransferCommandsTest, ScanPrintsTheResultListAndTheExitCodeTellsWhatAnswered) {
    sim::Simulator sim(options(Family::Tz48, {3}));
    const KeloRun found = kelo({"scan", "--port", sim.devicePath(), "--family", "tz48"});
    EXPECT_EQ(found.exitCode, 0) << found.err;
    EXPECT_NE(found.out.find("ID 4: Unit Connected\n"), std::string::npos);
    EXPECT_NE(found.out.find("ID 32: Unit Not Connected\n"), std::string::npos);
    EXPECT_NE(found.err.find("BaudRate 6"), std::string::npos);
    waitForLineReset(sim, 3);

    const KeloRun none =
        kelo({"scan", "--port", sim.devicePath(), "--family", "tz48", "--ids", "1,2", "--baud", "0"});
    EXPECT_EQ(none.exitCode, 2);
    EXPECT_EQ(none.out, "ID 1: Unit Not Connected\nID 2: Unit Not Connected\n");
    EXPECT_EQ(none.err, "No Responce From Any Unit.\n");

    const KeloRun noPort = kelo({"scan", "--port", "/nonexistent/tty", "--family", "amp"});
    EXPECT_EQ(noPort.exitCode, 1);
    EXPECT_EQ(noPort.err, "An Error Occured Opening The Specified Serial Port.\n");
}

class PullPushTest : public ::testing::TestWithParam<Family> {};

TEST_P(PullPushTest, PullThenPushThenPullGivesBackTheSameSystem) {
    const Family family = GetParam();
    const std::string key(familyKey(family));
    test::TempDir dir;
    const std::string first = dir.file("first.kle").string();
    const std::string second = dir.file("second.kle").string();
    {
        sim::Simulator source(options(family, {0, 3}));
        fillUnit(source, 0, 1);
        fillUnit(source, 3, 2);
        const KeloRun pull = kelo({"pull", "--port", source.devicePath(), "--family", key, "-o", first});
        ASSERT_EQ(pull.exitCode, 0) << pull.err;
        EXPECT_NE(pull.err.find("Uploading From ID 1\n"), std::string::npos);
        EXPECT_NE(pull.err.find("Uploading From ID 4\n"), std::string::npos);
    }
    const SystemFileReadResult read = loadSystemFile(first);
    ASSERT_TRUE(read.ok());
    ASSERT_EQ(read.system->unitCount(), 2u);
    EXPECT_EQ(read.system->units()[1]->name(), u"Unit4");
    EXPECT_EQ(read.system->units()[1]->key(), 1u);
    if (family != Family::TzAmp) {
        // Routing mode 6 forbids ganging: cleared after the scan.
        EXPECT_EQ(read.system->units()[0]->processor()->live.outputGanging(), 0u);
    }
    {
        sim::Simulator target(options(family, {0, 3}));
        for (std::uint8_t id : {0, 3}) {
            target.setSettingsImage(id, sim::defaultSettingsImage(family, id));
        }
        const KeloRun push = kelo({"push", first, "--port", target.devicePath(), "--baud", "3"});
        ASSERT_EQ(push.exitCode, 0) << push.err;
        EXPECT_NE(push.err.find("Downloading To ID 4\n"), std::string::npos);
        waitForLineReset(target, 0);
        const KeloRun again = kelo({"pull", "--port", target.devicePath(), "--family", key, "-o", second});
        ASSERT_EQ(again.exitCode, 0) << again.err;
    }
    EXPECT_EQ(readWholeFile(first), readWholeFile(second));
}

INSTANTIATE_TEST_SUITE_P(Families, PullPushTest,
                         ::testing::Values(Family::Tz48, Family::Tz48P, Family::TzAmp),
                         [](const ::testing::TestParamInfo<Family>& param) {
                             return std::string(familyKey(param.param));
                         });

TEST(TransferCommandsTest, TransfersSurviveLineFaultsAndAUnitLostMidPullKeepsTheGoodFile) {
    test::TempDir dir;
    const std::string clean = dir.file("clean.kle").string();
    const std::string faulty = dir.file("faulty.kle").string();
    sim::Simulator sim(options(Family::Tz48, {0, 3}));
    fillUnit(sim, 0, 1);
    fillUnit(sim, 3, 2);
    ASSERT_EQ(
        kelo({"pull", "--port", sim.devicePath(), "--family", "tz48", "--baud", "0", "-o", clean}).exitCode,
        0);

    // Lost replies, damaged blocks and busy units cost attempts, never data.
    sim::SimFaults faults;
    faults.dropEveryNth = 60;
    faults.corruptCrcBlocks = 3;
    faults.busyEveryNth = 11;
    sim.setFaults(faults);
    const KeloRun pull =
        kelo({"pull", "--port", sim.devicePath(), "--family", "tz48", "--baud", "0", "-o", faulty});
    ASSERT_EQ(pull.exitCode, 0) << pull.err;
    EXPECT_EQ(readWholeFile(faulty), readWholeFile(clean));
    std::filesystem::remove(faulty);
    for (std::uint8_t id : {0, 3}) {
        sim.setSettingsImage(id, sim::defaultSettingsImage(Family::Tz48, id));
    }
    sim.setFaults(faults);
    const KeloRun push = kelo({"push", clean, "--port", sim.devicePath(), "--baud", "0"});
    ASSERT_EQ(push.exitCode, 0) << push.err;
    sim.setFaults(sim::SimFaults{});
    ASSERT_EQ(
        kelo({"pull", "--port", sim.devicePath(), "--family", "tz48", "--baud", "0", "-o", faulty}).exitCode,
        0);
    EXPECT_EQ(readWholeFile(faulty), readWholeFile(clean));

    // Unit 4 loses power in the middle of its programs: the good file stays, the rest goes beside it.
    sim::SimFaults dying;
    dying.silentAfter = 30;
    sim.setFaults(3, dying);
    const KeloRun partial =
        kelo({"pull", "--port", sim.devicePath(), "--family", "tz48", "--baud", "0", "-o", clean});
    EXPECT_EQ(partial.exitCode, 1);
    const std::string beside = dir.file("clean.partial.kle").string();
    EXPECT_NE(partial.err.find("ID 4: Upload failed"), std::string::npos) << partial.err;
    EXPECT_NE(partial.err.find("The units read were written to " + beside + "; " + clean +
                               " was left as it was.\n"),
              std::string::npos)
        << partial.err;
    EXPECT_EQ(readWholeFile(clean), readWholeFile(faulty));
    const SystemFileReadResult read = loadSystemFile(beside);
    ASSERT_TRUE(read.ok());
    ASSERT_EQ(read.system->unitCount(), 1u);
    EXPECT_EQ(read.system->units()[0]->busId(), 0u);
}

TEST(TransferCommandsTest, PushNamesAUnitOutsideTheBusAndSendsTheOthers) {
    test::TempDir dir;
    sim::Simulator sim(options(Family::TzAmp, {1}));
    UnitSystem system(Family::TzAmp);
    for (std::uint32_t id : {1u, 40u}) {
        Unit* unit = system.appendScannedUnit(Unit(makeAmpUnit()));
        unit->setBusId(id);
        unit->amp()->live.outputs[0].gain = 33;
    }
    const std::string file = dir.file("mixed.kle").string();
    ASSERT_TRUE(saveSystemFile(system, file).ok());
    const KeloRun push = kelo({"push", file, "--port", sim.devicePath(), "--baud", "0"});
    EXPECT_EQ(push.exitCode, 1);
    EXPECT_NE(push.err.find("ID 41 is outside 1..32; it is not sent.\n"), std::string::npos) << push.err;
    EXPECT_NE(push.err.find("Downloading To ID 2\n"), std::string::npos) << push.err;
    AmpLiveParams live;
    amp_image::decodeSettings(sim.unit(1).settingsImage, live);
    EXPECT_EQ(live.outputs[0].gain, 33u);
}

TEST(TransferCommandsTest, PullWithNothingAnsweringWritesNoFile) {
    sim::Simulator sim(options(Family::Tz48, {2}));
    sim.setPowered(2, false);
    test::TempDir dir;
    const KeloRun pull =
        kelo({"pull", "--port", sim.devicePath(), "--family", "tz48", "-o", dir.file("x.kle").string()});
    EXPECT_EQ(pull.exitCode, 2);
    EXPECT_EQ(pull.err, "No Responce From Any Unit.\n");
    EXPECT_FALSE(std::filesystem::exists(dir.file("x.kle")));
}

TEST(TransferCommandsTest, RecallLoadsTheProgramIntoTheUnitsSettings) {
    // Every command stays at 9600 bit/s, so each one finds the unit at the speed it starts with.
    sim::Simulator sim(options(Family::Tz48, {6}));
    fillUnit(sim, 6, 0);
    const KeloRun recall = kelo({"recall", "--port", sim.devicePath(), "--family", "tz48", "--id", "7",
                                 "--baud", "0", "--user", "41"});
    ASSERT_EQ(recall.exitCode, 0) << recall.err;
    LiveParams live;
    processor_image::decodeSettings(sim.unit(6).settingsImage, live, Family::Tz48);
    EXPECT_EQ(live.sumDelayMm, 4000u);
    EXPECT_EQ(live.currentProgram(), 50u);

    // The last user program is a valid choice; one beyond it is not.
    const KeloRun last = kelo({"recall", "--port", sim.devicePath(), "--family", "tz48", "--id", "7",
                               "--baud", "0", "--user", "64"});
    ASSERT_EQ(last.exitCode, 0) << last.err;
    processor_image::decodeSettings(sim.unit(6).settingsImage, live, Family::Tz48);
    EXPECT_EQ(live.sumDelayMm, 6300u);
    EXPECT_EQ(live.currentProgram(), 73u);
    EXPECT_EQ(kelo({"recall", "--port", sim.devicePath(), "--family", "tz48", "--id", "7", "--baud", "0",
                    "--user", "65"})
                  .exitCode,
              1);

    const KeloRun empty = kelo({"recall", "--port", sim.devicePath(), "--family", "tz48", "--id", "7",
                                "--baud", "0", "--user", "2"});
    EXPECT_EQ(empty.exitCode, 1);
    EXPECT_NE(empty.err.find("User program 2 is empty"), std::string::npos);

    const KeloRun factory = kelo({"recall", "--port", sim.devicePath(), "--family", "tz48", "--id", "7",
                                  "--baud", "0", "--factory", "10"});
    ASSERT_EQ(factory.exitCode, 0) << factory.err;
    processor_image::decodeSettings(sim.unit(6).settingsImage, live, Family::Tz48);
    EXPECT_EQ(live.currentProgram(), 9u);

    EXPECT_EQ(kelo({"recall", "--port", sim.devicePath(), "--family", "tz48", "--id", "7", "--baud", "0",
                    "--factory", "11"})
                  .exitCode,
              1);
}

TEST(TransferCommandsTest, PlusRefusesAMonoProgramWhileGanged) {
    sim::Simulator sim(options(Family::Tz48P, {0}));
    LiveParams live = makeProcessorUnit(Family::Tz48P).live;
    live.inputGanging() = 1;
    sim.setSettingsImage(0, bytesOf(processor_image::encodeSettings(live, Family::Tz48P)));
    UnitParams mono = live.program();
    mono.routingMode = 5;
    sim.setProgramImage(0, 4, bytesOf(processor_image::encodeProgram(mono)));
    const std::vector<std::uint8_t> before = sim.unit(0).settingsImage;

    const KeloRun recall =
        kelo({"recall", "--port", sim.devicePath(), "--family", "tz48p", "--id", "1", "--user", "5"});
    EXPECT_EQ(recall.exitCode, 1);
    EXPECT_NE(
        recall.err.find("You are trying to load a MONO CONFIGURATION\nwith the GANGING option enabled."),
        std::string::npos);
    EXPECT_EQ(sim.unit(0).settingsImage, before);
}

// A system file of @p family with units at the shown identifiers 1 and 3.
std::string storeFixture(const test::TempDir& dir, Family family) {
    UnitSystem system(family);
    EXPECT_TRUE(system.addNewUnit({u"Left", 1}, FactoryPrograms::shared()).ok());
    EXPECT_TRUE(system.addNewUnit({u"Right", 3}, FactoryPrograms::shared()).ok());
    if (ProcessorUnit* right = system.units()[1]->processor()) {
        right->live.sumDelayMm = 3333;
    }
    const std::string path = dir.file("store.kle").string();
    EXPECT_TRUE(saveSystemFile(system, path).ok());
    return path;
}

TEST(TransferCommandsTest, StoreWritesTheProgramIntoTheFileAndRefusesBadOptionsUntouched) {
    test::TempDir dir;
    const std::string path = storeFixture(dir, Family::Tz48);
    const auto original = readWholeFile(path);
    for (const std::vector<std::string>& bad : {std::vector<std::string>{"--id", "2", "--user", "1"},
                                                {"--id", "3", "--user", "65"},
                                                {"--id", "3", "--user", "1", "--name", "Thirteen char"},
                                                {"--id", "3", "--user", "1", "--name", "\xce\xa9"},
                                                {"--id", "3", "--user", "1", "--baud", "2"}}) {
        std::vector<std::string> args{"store", path};
        args.insert(args.end(), bad.begin(), bad.end());
        EXPECT_NE(kelo(args).exitCode, 0) << bad.back();
        EXPECT_EQ(readWholeFile(path), original);
    }

    const KeloRun store = kelo({"store", path, "--id", "3", "--user", "6", "--name", "Fill \xc3\xa9"});
    ASSERT_EQ(store.exitCode, 0) << store.err;
    const SystemFileReadResult read = loadSystemFile(path);
    ASSERT_TRUE(read.ok());
    const ProcessorUnit& right = *read.system->units()[1]->processor();
    EXPECT_EQ(right.programs[5].used, 1u);
    EXPECT_EQ(right.programs[5].sumDelayMm, 3333u);
    EXPECT_EQ(right.programs[5].name, makeProgramName("Fill \xe9"));
    EXPECT_EQ(right.live.currentProgram(), 15u);
    EXPECT_EQ(read.system->units()[0]->processor()->programs[5].used, 0u);
}

TEST(TransferCommandsTest, StoreWithAPortStoresOnTheUnitToo) {
    test::TempDir dir;
    const std::string path = storeFixture(dir, Family::TzAmp);
    sim::Simulator sim(options(Family::TzAmp, {2}));
    const KeloRun store =
        kelo({"store", path, "--id", "3", "--user", "32", "--port", sim.devicePath(), "--baud", "0"});
    ASSERT_EQ(store.exitCode, 0) << store.err;
    const SystemFileReadResult read = loadSystemFile(path);
    ASSERT_TRUE(read.ok());
    const AmpUnit& right = *read.system->units()[1]->amp();
    ASSERT_TRUE(sim.unit(2).programs[31]);
    const auto program = amp_image::encodeProgram(right.programs[31]);
    EXPECT_EQ(*sim.unit(2).programs[31], bytesOf(program));
    EXPECT_EQ(sim.unit(2).settingsImage, bytesOf(amp_image::encodeSettings(right.live)));

    // Unit 1 does not answer: exit 2 and the file stays as it was.
    waitForLineReset(sim, 2);
    const auto before = readWholeFile(path);
    EXPECT_EQ(
        kelo({"store", path, "--id", "1", "--user", "1", "--port", sim.devicePath(), "--baud", "0"}).exitCode,
        2);
    EXPECT_EQ(readWholeFile(path), before);
}

} // namespace
} // namespace kelo
