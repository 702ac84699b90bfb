#include "cli/Commands.h"
#include "tests/support/SampleSystems.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>
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

Outcome runCli(std::vector<std::string> args) {
    std::ostringstream out;
    std::ostringstream err;
    kelo::cli::CliContext context{out, err};
    args.insert(args.begin(), "kelo");
    std::vector<const char*> argv;
    for (const std::string& arg : args) {
        argv.push_back(arg.c_str());
    }
    const int code = kelo::cli::runKelo(static_cast<int>(argv.size()), argv.data(), context);
    return {code, out.str(), err.str()};
}

std::string sample(Family family) {
    return kelo::test::testDataPath(kelo::test::sampleFileName(family)).string();
}

void writeText(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

TEST(InfoCommand, ListsFamilyAndOneLinePerUnit) {
    const Outcome tz48 = runCli({"info", sample(Family::Tz48)});
    EXPECT_EQ(tz48.code, 0) << tz48.err;
    EXPECT_EQ(tz48.out, "family: tz48\n"
                        "3\tID 2\tMain L\t03U.LIVE PROGRAM\t*A123B4S56*\n"
                        "7\tID 9\tZone \xC3\xA4\xE2\x82\xAC\t03U.LIVE PROGRAM\t*A123B4S56*\n");

    const Outcome plus = runCli({"info", sample(Family::Tz48P)});
    EXPECT_NE(plus.out.find("\t12U.LIVE PROGRAM\t"), std::string::npos);
    const Outcome amp = runCli({"info", sample(Family::TzAmp)});
    EXPECT_EQ(
        amp.out,
        "family: amp\n3\tID 2\tMain L\t04U.AMP LIVE\n7\tID 9\tZone \xC3\xA4\xE2\x82\xAC\t04U.AMP LIVE\n");
}

TEST(ExportImport, RoundTripReproducesEveryFamilysFileByteForByte) {
    kelo::test::TempDir dir;
    for (Family family : {Family::Tz48, Family::Tz48P, Family::TzAmp}) {
        const auto json = dir.file("system.json");
        const auto kle = dir.file("system.kle");
        const Outcome exported = runCli({"export", sample(family), "-o", json.string()});
        ASSERT_EQ(exported.code, 0) << exported.err;
        const Outcome imported = runCli({"import", json.string(), "-o", kle.string()});
        ASSERT_EQ(imported.code, 0) << imported.err;
        EXPECT_EQ(kelo::test::fileBytes(kle), kelo::test::fileBytes(sample(family)));
    }
}

TEST(ExportImport, JsonCarriesStoredIndicesUnderTheDocumentedNames) {
    const Outcome run = runCli({"export", sample(Family::TzAmp)});
    ASSERT_EQ(run.code, 0);
    const nlohmann::json json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["family"], "amp");
    EXPECT_EQ(json["last_unit_key"], 7);
    const nlohmann::json& unit = json["units"][1];
    EXPECT_EQ(unit["id"], 9);
    EXPECT_EQ(unit["name"], "Zone \xC3\xA4\xE2\x82\xAC");
    EXPECT_EQ(unit["live"]["name"], std::string("AMP LIVE\0\0\0\0", 12));
    EXPECT_EQ(unit["live"]["extra"].size(), 27u);
    EXPECT_EQ(unit["live"]["comp"][1][12], 43);
    EXPECT_EQ(unit["live"]["outputs"][1]["bands"].size(), 10u);
    EXPECT_EQ(unit["live"]["hum"][0]["frequency"], 100);
    EXPECT_EQ(unit["programs"].size(), 32u);
    EXPECT_EQ(unit["programs"][31]["reserved"], 0xDEADBEEFu);
}

TEST(CommandErrors, DamagedInputsFailWithTheSystemsTexts) {
    kelo::test::TempDir dir;
    const auto wrongMagic = dir.file("wrong.kle");
    writeText(wrongMagic, "**VARNOLN+File-Type**!\0\0\0\0");
    const Outcome wrong = runCli({"info", wrongMagic.string()});
    EXPECT_NE(wrong.code, 0);
    EXPECT_EQ(wrong.err, "Unexpected File Format\n");

    const auto truncated = dir.file("truncated.kle");
    std::vector<std::uint8_t> bytes = kelo::test::fileBytes(sample(Family::Tz48P));
    bytes.resize(5000);
    std::ofstream(truncated, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), 5000);
    const Outcome damaged = runCli({"export", truncated.string()});
    EXPECT_NE(damaged.code, 0);
    EXPECT_EQ(damaged.err, "Unexpected file format.\n");
    EXPECT_TRUE(damaged.out.empty());

    EXPECT_NE(runCli({"info", dir.file("absent.kle").string()}).code, 0);
}

TEST(CommandErrors, ImportRefusesJsonThatIsNotASystemAndWritesNothing) {
    kelo::test::TempDir dir;
    const auto json = dir.file("system.json");
    const auto kle = dir.file("out.kle");
    ASSERT_EQ(runCli({"export", sample(Family::Tz48), "-o", json.string()}).code, 0);
    std::ifstream in(json);
    const std::string good((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());

    const auto broken = [&](auto edit) {
        nlohmann::json document = nlohmann::json::parse(good);
        edit(document);
        writeText(json, document.dump());
        return runCli({"import", json.string(), "-o", kle.string()});
    };
    const Outcome idZero = broken([](nlohmann::json& d) { d["units"][0]["id"] = 0; });
    EXPECT_NE(idZero.code, 0);
    EXPECT_NE(idZero.err.find("units[0].id"), std::string::npos) << idZero.err;
    EXPECT_NE(broken([](nlohmann::json& d) { d["units"][0]["programs"].erase(0); }).code, 0);
    EXPECT_NE(broken([](nlohmann::json& d) { d["units"][1]["live"]["outputs"][0]["gain"] = -1; }).code, 0);
    EXPECT_NE(broken([](nlohmann::json& d) { d["units"][1]["live"]["sum_delay_mm"] = 4294967296; }).code, 0);
    EXPECT_NE(broken([](nlohmann::json& d) { d["units"][0]["live"]["name"] = "thirteen char"; }).code, 0);
    EXPECT_NE(broken([](nlohmann::json& d) { d["family"] = "tz49"; }).code, 0);
    EXPECT_FALSE(std::filesystem::exists(kle));

    writeText(json, "{ not json");
    EXPECT_NE(runCli({"import", json.string(), "-o", kle.string()}).code, 0);
    EXPECT_NE(runCli({"import", json.string()}).code, 0); // -o is required
}

TEST(CommandErrors, EveryCommandHasHelp) {
    for (const char* command : {"info", "export", "import"}) {
        const Outcome run = runCli({command, "--help"});
        EXPECT_EQ(run.code, 0);
        EXPECT_NE(run.out.find(command), std::string::npos);
    }
}

} // namespace
