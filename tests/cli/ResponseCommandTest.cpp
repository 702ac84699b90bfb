#include "cli/Commands.h"

#include "tests/support/TempDir.h"
#include "core/app/SystemFile.h"
#include "core/scales/ChannelResponse.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>
#include <string>
#include <vector>

namespace kelo {
namespace {

struct CommandRun {
    int code = 0;
    std::string out;
    std::string err;
};

CommandRun runKelo(std::vector<std::string> args) {
    args.insert(args.begin(), "kelo");
    std::vector<const char*> argv;
    for (const std::string& arg : args) {
        argv.push_back(arg.c_str());
    }
    std::ostringstream out;
    std::ostringstream err;
    cli::CliContext context{out, err};
    const int code = cli::runKelo(static_cast<int>(argv.size()), argv.data(), context);
    return {code, out.str(), err.str()};
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        result.push_back(line);
    }
    return result;
}

class ResponseCommand : public ::testing::Test {
protected:
    std::string saveProcessorSystem() {
        ProcessorUnit record;
        record.key = 4;
        record.live.routingMode = 1;
        record.live.inputs[1].bands[0] = {2, 120, 19, 50, 0}; // input B: +10 dB at 1 kHz
        for (OutputChannel& output : record.live.outputs) {
            output.crossover = {0, 120, 0, 0, 60};
            output.gain = 60;
        }
        record.live.outputs[0].crossover = {9, 120, 0, 0, 60}; // Link-Riley 24dB low-pass at 1 kHz
        record.live.outputs[0].gain = 72;
        record.programs[1].outputs[0].crossover = {0, 120, 0, 0, 60};
        UnitSystem system(Family::Tz48);
        system.appendLoadedUnit(Unit(record));
        return save(system, "processor.kle");
    }

    std::string saveAmpSystem() {
        AmpUnit record;
        record.key = 0;
        record.live.outputs[0].crossover = {0, 120, 0, 0, 120};
        record.live.outputs[1].crossover = {10, 120, 0, 0, 120};
        record.live.outputs[0].gain = 99;
        record.live.outputs[1].gain = 99;
        UnitSystem system(Family::TzAmp);
        system.appendLoadedUnit(Unit(record));
        return save(system, "amp.kle");
    }

    std::string save(const UnitSystem& system, const std::string& name) {
        const std::string path = m_dir.file(name).string();
        EXPECT_TRUE(saveSystemFile(system, path).ok());
        return path;
    }

    test::TempDir m_dir;
};

// Row of the 1 kHz grid point (header is line 0).
constexpr std::size_t k1kHzLine = 133;

TEST_F(ResponseCommand, OutputChannelCsv) {
    const CommandRun run = runKelo({"response", saveProcessorSystem(), "--unit", "4", "--channel", "out1"});
    ASSERT_EQ(run.code, 0) << run.err;
    const auto rows = lines(run.out);
    ASSERT_EQ(rows.size(), 221U);
    EXPECT_EQ(rows[0], "freq_hz,total_db,hp_db,lp_db,band1_db,band2_db,band3_db,band4_db,band5_db");
    EXPECT_EQ(rows[1].substr(0, 7), "10.309,");
    EXPECT_EQ(rows[k1kHzLine].substr(0, 9), "1000.000,");
    // Link-Riley 24dB at its corner: -6.02 dB total and low-pass, the rest 0.
    EXPECT_EQ(rows[k1kHzLine].substr(9, 3), "-6.");
    EXPECT_NE(rows[k1kHzLine].find(",0.000000,-6."), std::string::npos) << rows[k1kHzLine];
}

TEST_F(ResponseCommand, InputChannelAndUserProgram) {
    const std::string file = saveProcessorSystem();
    CommandRun run = runKelo({"response", file, "--unit", "4", "--channel", "inB"});
    ASSERT_EQ(run.code, 0) << run.err;
    auto rows = lines(run.out);
    EXPECT_EQ(rows[0], "freq_hz,total_db,band1_db,band2_db,band3_db,band4_db,band5_db");
    EXPECT_EQ(rows[k1kHzLine].substr(0, 28), "1000.000,10.000000,10.000000");

    run = runKelo({"response", file, "--unit", "4", "--channel", "out1", "--program", "2"});
    ASSERT_EQ(run.code, 0) << run.err;
    rows = lines(run.out);
    EXPECT_EQ(rows[k1kHzLine].substr(0, 18), "1000.000,0.000000,");
}

TEST_F(ResponseCommand, GlobalCurvesWithSwitches) {
    const std::string file = saveProcessorSystem();
    CommandRun run = runKelo({"response", file, "--unit", "4", "--global"});
    ASSERT_EQ(run.code, 0) << run.err;
    auto rows = lines(run.out);
    ASSERT_EQ(rows.size(), 221U);
    EXPECT_EQ(rows[0], "freq_hz,out1_db,out2_db,out3_db,out4_db,out5_db,out6_db");
    // Output 1: +6 dB gain, -6.02 dB crossover; output 2 carries input B's +10 dB (routing *A135B246*).
    const std::string expected = "1000.000,-0.020";
    EXPECT_EQ(rows[k1kHzLine].substr(0, expected.size()), expected) << rows[k1kHzLine];
    EXPECT_NE(rows[k1kHzLine].find(",10.000000,0.000000,10.000000,"), std::string::npos) << rows[k1kHzLine];

    run = runKelo(
        {"response", file, "--unit", "4", "--global", "--no-gains", "--no-input-eq", "--no-output-eq"});
    ASSERT_EQ(run.code, 0) << run.err;
    rows = lines(run.out);
    EXPECT_EQ(rows[1], "10.309,0.000000,0.000000,0.000000,0.000000,0.000000,0.000000");
}

TEST_F(ResponseCommand, AmplifierChannelsAndJson) {
    const std::string file = saveAmpSystem();
    CommandRun run = runKelo({"response", file, "--unit", "0", "--channel", "outB"});
    ASSERT_EQ(run.code, 0) << run.err;
    auto rows = lines(run.out);
    EXPECT_EQ(rows[0], "freq_hz,total_db,hp_db,lp_db,band1_db,band2_db,band3_db,band4_db,band5_db,band6_db,"
                       "band7_db,band8_db,band9_db,band10_db");

    run = runKelo({"response", file, "--unit", "0", "--global", "--format", "json"});
    ASSERT_EQ(run.code, 0) << run.err;
    const nlohmann::json json = nlohmann::json::parse(run.out);
    ASSERT_EQ(json.at("freq_hz").size(), kResponsePointCount);
    ASSERT_EQ(json.at("outA_db").size(), kResponsePointCount);
    EXPECT_DOUBLE_EQ(json.at("freq_hz")[132].get<double>(), 1000.0);
    EXPECT_DOUBLE_EQ(json.at("outA_db")[132].get<double>(), 0.0);
    EXPECT_NEAR(json.at("outB_db")[132].get<double>(), -6.02, 0.05); // Link-Riley 48dB through its bands
}

TEST_F(ResponseCommand, RefusesWhatItCannotShow) {
    const std::string file = saveProcessorSystem();
    const std::vector<std::vector<std::string>> bad{
        {"response", file, "--unit", "9", "--channel", "out1"},
        {"response", file, "--unit", "4", "--channel", "outA"},
        {"response", file, "--unit", "4", "--channel", "out7"},
        {"response", file, "--unit", "4", "--channel", "out1", "--program", "65"},
        {"response", file, "--unit", "4", "--channel", "out1", "--program", "0"},
        {"response", file, "--unit", "4"},
        {"response", file, "--unit", "4", "--global", "--channel", "out1"},
        {"response", file, "--unit", "4", "--global", "--format", "xml"},
        {"response", m_dir.file("missing.kle").string(), "--unit", "4", "--global"},
    };
    for (const auto& args : bad) {
        const CommandRun run = runKelo(args);
        EXPECT_NE(run.code, 0) << args[4] << " " << args.size();
        EXPECT_EQ(lines(run.out).size() > 1, false);
    }
    const CommandRun amp = runKelo({"response", saveAmpSystem(), "--unit", "0", "--channel", "inA"});
    EXPECT_NE(amp.code, 0);
    EXPECT_NE(amp.err.find("outA or outB"), std::string::npos);
}

} // namespace
} // namespace kelo
