#include "cli/Commands.h"
#include "core/app/SystemFile.h"
#include "tests/support/SampleSystems.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace {

using kelo::Family;

struct Outcome {
    int code;
    std::string out;
    std::string err;
};

Outcome runSet(std::vector<std::string> args) {
    std::ostringstream out;
    std::ostringstream err;
    kelo::cli::CliContext context{out, err};
    args.insert(args.begin(), {"kelo", "set"});
    std::vector<const char*> argv;
    for (const std::string& arg : args) {
        argv.push_back(arg.c_str());
    }
    const int code = kelo::cli::runKelo(static_cast<int>(argv.size()), argv.data(), context);
    return {code, out.str(), err.str()};
}

std::filesystem::path copyOfSample(const kelo::test::TempDir& dir, Family family) {
    const std::filesystem::path path = dir.file("system.kle");
    std::filesystem::copy_file(kelo::test::testDataPath(kelo::test::sampleFileName(family)), path);
    return path;
}

TEST(SetCommand, ListsEveryFieldWithItsAddress) {
    const Outcome plus = runSet({"--list", "tz48p"});
    EXPECT_EQ(plus.code, 0) << plus.err;
    EXPECT_NE(plus.out.find("output.4.eq.5.flat\t0..1\t0x11\t199\t0x00\toutputs\n"), std::string::npos);
    EXPECT_NE(plus.out.find("sum.delay\t0..900000\t0x2A\t2\t0x10\t-\n"), std::string::npos);
    const Outcome amp = runSet({"--list", "amp"});
    EXPECT_NE(amp.out.find("channel.A.eq.1.gain\t0..60\t0x3C\t196\t0x80\tchannels\n"), std::string::npos);
    EXPECT_NE(amp.out.find("\nganging\t0..1\t0x35\t255\t0x0F\t-\n"), std::string::npos);
    EXPECT_EQ(runSet({"--list", "mixer"}).code, 1);
}

TEST(SetCommand, EditsTheUnitAndWithLinkEveryOtherUnit) {
    kelo::test::TempDir dir;
    const auto path = copyOfSample(dir, Family::Tz48P);
    const Outcome set = runSet({path.string(), "--id", "2", "output.3.gain=#50", "input.B.eq.2.gain=-3dB"});
    ASSERT_EQ(set.code, 0) << set.err;
    auto read = kelo::loadSystemFile(path);
    ASSERT_TRUE(read.ok());
    const auto& units = read.system->units();
    EXPECT_EQ(units[0]->processor()->live.outputs[2].gain, 50U);
    EXPECT_EQ(units[0]->processor()->live.inputs[1].bands[1].gain, 24U);
    EXPECT_NE(units[1]->processor()->live.outputs[2].gain, 50U);

    ASSERT_EQ(runSet({path.string(), "--id", "2", "--link", "output.1.limiter.ratio=Limiter"}).code, 0);
    read = kelo::loadSystemFile(path);
    for (const auto& unit : read.system->units()) {
        EXPECT_EQ(unit->processor()->live.outputs[0].limiter.ratio, 14U);
    }
}

TEST(SetCommand, ErrorsNameTheCauseAndLeaveTheFileByteIdentical) {
    kelo::test::TempDir dir;
    const auto path = copyOfSample(dir, Family::TzAmp);
    const auto before = kelo::test::fileBytes(path);
    const std::vector<std::vector<std::string>> cases{
        {"--id", "2", "channel.A.gain=-6dB", "channel.C.gain=1"},
        {"--id", "2", "channel.A.gain=-6dB", "hum.A.freq=loud"},
        {"--id", "2", "channel.A.gain"},
        {"--id", "5", "channel.A.gain=-6dB"},
        {"--id", "2", "input.A.gain=1"},
    };
    const std::vector<std::string> named{"channel.C.gain", "loud", "NAME=VALUE", "identifier 5",
                                         "input.A.gain"};
    for (std::size_t i = 0; i < cases.size(); ++i) {
        std::vector<std::string> args{path.string()};
        args.insert(args.end(), cases[i].begin(), cases[i].end());
        const Outcome outcome = runSet(args);
        EXPECT_EQ(outcome.code, 1) << named[i];
        EXPECT_NE(outcome.err.find(named[i]), std::string::npos) << outcome.err;
        EXPECT_EQ(kelo::test::fileBytes(path), before) << named[i];
    }
    const Outcome dry = runSet({path.string(), "--id", "2", "--dry-run", "comp.A.bypass=ON"});
    EXPECT_EQ(dry.code, 0);
    EXPECT_EQ(dry.out, "ID 2: block 0x1E index 0 offset 0xF8 value 0\n");
    EXPECT_EQ(kelo::test::fileBytes(path), before);
}

} // namespace
