// The command-line tool under bad input and failing output: exit codes must tell the truth.
#include "cli/Commands.h"
#include "core/app/SystemFile.h"
#include "tests/support/SampleSystems.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace kelo {
namespace {

struct Outcome {
    int code;
    std::string out;
    std::string err;
};

int runWith(std::ostream& out, std::ostream& err, std::vector<std::string> args) {
    args.insert(args.begin(), "kelo");
    std::vector<const char*> argv;
    for (const std::string& arg : args) {
        argv.push_back(arg.c_str());
    }
    cli::CliContext context{out, err};
    return cli::runKelo(static_cast<int>(argv.size()), argv.data(), context);
}

Outcome run(std::vector<std::string> args) {
    std::ostringstream out;
    std::ostringstream err;
    const int code = runWith(out, err, std::move(args));
    return {code, out.str(), err.str()};
}

std::string sample(Family family) {
    return test::testDataPath(test::sampleFileName(family)).string();
}

TEST(HostileInput, OutputThatCannotBeWrittenEndsWithExitCodeOne) {
    // /dev/full takes the open and fails every write with ENOSPC, as a full disk does.
    const std::vector<std::vector<std::string>> commands{
        {"families"},
        {"info", sample(Family::Tz48)},
        {"export", sample(Family::TzAmp)},
        {"response", sample(Family::Tz48), "--unit", "3", "--global"},
        {"info", "--help"},
    };
    for (const auto& command : commands) {
        std::ofstream full("/dev/full");
        ASSERT_TRUE(full.is_open());
        std::ostringstream err;
        EXPECT_EQ(runWith(full, err, command), 1) << command[0];
        EXPECT_EQ(err.str(), "Cannot write to standard output: the output is incomplete.\n") << command[0];
    }
    test::TempDir dir;
    std::ofstream file(dir.file("out.txt"));
    std::ostringstream err;
    EXPECT_EQ(runWith(file, err, {"info", sample(Family::Tz48)}), 0);
}

TEST(HostileInput, InfoShowsControlCharactersEscaped) {
    test::TempDir dir;
    UnitSystem system = test::sampleSystem(Family::Tz48);
    system.units()[0]->processor()->name = u"A\nB\tC\x1B[2J\u009B1m\\";
    const auto path = dir.file("names.kle");
    ASSERT_TRUE(saveSystemFile(system, path).ok());
    const Outcome info = run({"info", path.string()});
    ASSERT_EQ(info.code, 0) << info.err;
    EXPECT_EQ(info.out.substr(0, info.out.find('\n', info.out.find('\n') + 1) + 1),
              "family: tz48\n3\tID 2\tA\\nB\\tC\\x1B[2J\\x9B1m\\\\\t03U.LIVE PROGRAM\t*A123B4S56*\n");
    EXPECT_EQ(std::count(info.out.begin(), info.out.end(), '\n'), 3);
    EXPECT_EQ(info.out.find('\x1B'), std::string::npos);
}

TEST(HostileInput, ReadsRefuseDevicesFifosAndHugeFiles) {
    test::TempDir dir;
    const auto fifo = dir.file("x.kle");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path : {std::string("/dev/zero"), fifo.string()}) {
        for (const char* command : {"info", "export", "push"}) {
            std::vector<std::string> args{command, path};
            if (std::string(command) == "push") {
                args.insert(args.end(), {"--port", "/nonexistent/tty"});
            }
            const Outcome refused = run(args);
            EXPECT_EQ(refused.code, 1) << command << ' ' << path;
            EXPECT_EQ(refused.err, "Cannot open file: " + path + ": not a regular file\n") << command;
        }
    }
    const Outcome json = run({"import", "/dev/zero", "-o", dir.file("out.kle").string()});
    EXPECT_EQ(json.code, 1);
    EXPECT_EQ(json.err, "Cannot open file: /dev/zero: not a regular file\n");
}

TEST(HostileInput, ImportOfNoUnitsIsRefusedAndWritesNothing) {
    test::TempDir dir;
    const auto json = dir.file("empty.json");
    std::ofstream(json) << R"({"family": "amp", "last_unit_key": 0, "units": []})";
    const auto kle = dir.file("empty.kle");
    const Outcome empty = run({"import", json.string(), "-o", kle.string()});
    EXPECT_EQ(empty.code, 1);
    EXPECT_EQ(empty.err, "The system holds no unit; nothing was written.\n");
    EXPECT_FALSE(std::filesystem::exists(kle));
}

TEST(HostileInput, PushOfNothingSendableFailsBeforeTheLineOpens) {
    test::TempDir dir;
    // Magic and a count of 0: a readable file without units.
    std::vector<std::uint8_t> bytes = writeSystemFile(test::sampleSystem(Family::Tz48));
    bytes.resize(26);
    bytes[22] = 0;
    const auto none = dir.file("none.kle");
    std::ofstream(none, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), 26);
    const Outcome empty = run({"push", none.string(), "--port", "/nonexistent/tty"});
    EXPECT_EQ(empty.code, 1);
    EXPECT_EQ(empty.err, none.string() + " holds no unit; nothing was sent.\n");

    UnitSystem system = test::sampleSystem(Family::TzAmp);
    for (const auto& unit : system.units()) {
        unit->setBusId(32 + unit->key());
    }
    const auto outside = dir.file("outside.kle");
    ASSERT_TRUE(saveSystemFile(system, outside).ok());
    const Outcome skipped = run({"push", outside.string(), "--port", "/nonexistent/tty"});
    EXPECT_EQ(skipped.code, 1);
    EXPECT_EQ(skipped.err, "Unit 3 (Main L): ID 36 is outside 1..32; it is not sent.\n"
                           "Unit 7 (Zone \xC3\xA4\xE2\x82\xAC): ID 40 is outside 1..32; it is not sent.\n");
}

TEST(HostileInput, PullChecksItsOutputBeforeOpeningTheLine) {
    test::TempDir dir;
    const Outcome noFolder = run({"pull", "--port", "/nonexistent/tty", "--family", "tz48", "-o",
                                  dir.file("no/such/folder/x.kle").string()});
    EXPECT_EQ(noFolder.code, 1);
    EXPECT_EQ(noFolder.err, "Cannot write file: No such file or directory\n");
    const Outcome device = run({"pull", "--port", "/nonexistent/tty", "--family", "amp", "-o", "/dev/null"});
    EXPECT_EQ(device.code, 1);
    EXPECT_EQ(device.err, "Cannot write file: /dev/null: not a regular file\n");
}

} // namespace
} // namespace kelo
