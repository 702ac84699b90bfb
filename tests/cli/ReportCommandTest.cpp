#include "cli/Commands.h"
#include "tests/support/SampleSystems.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
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

bool reportCommandBuilt() {
    return runCli({"report", "--help"}).code == 0;
}

bool pdftotextAvailable() {
    return std::system("pdftotext -v > /dev/null 2>&1") == 0;
}

/// The text of each page of a PDF as pdftotext lays it out (rows of a table stay on one line).
std::vector<std::string> pdfPages(const std::filesystem::path& pdf) {
    std::string text;
    const std::string command = "pdftotext -layout '" + pdf.string() + "' -";
    if (FILE* pipe = popen(command.c_str(), "r")) {
        std::array<char, 4096> buffer;
        std::size_t n;
        while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
            text.append(buffer.data(), n);
        }
        pclose(pipe);
    }
    std::vector<std::string> pages;
    std::istringstream stream(text);
    for (std::string page; std::getline(stream, page, '\f');) {
        pages.push_back(page);
    }
    return pages;
}

/// Empty when every word occurs in the text in the given order, else the first word missing.
std::string firstOutOfOrder(const std::string& text, const std::vector<std::string>& words) {
    std::size_t at = 0;
    for (const std::string& word : words) {
        const std::size_t found = text.find(word, at);
        if (found == std::string::npos) {
            return word;
        }
        at = found + word.size();
    }
    return {};
}

} // namespace

TEST(ReportCommand, PdfTextHoldsCaptionsAndValuesInOrder) {
    if (!reportCommandBuilt()) {
        GTEST_SKIP() << "kelo was built without Qt Gui";
    }
    kelo::test::TempDir dir;
    const std::string pdf = dir.file("report.pdf").string();
    const Outcome written = runCli({"report", sample(Family::Tz48), "-o", pdf});
    ASSERT_EQ(written.code, 0) << written.err;
    EXPECT_EQ(written.out, "wrote 4 pages to " + pdf + "\n");
    ASSERT_GT(std::filesystem::file_size(pdf), 1000U);
    if (!pdftotextAvailable()) {
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    }
    const std::vector<std::string> pages = pdfPages(pdf);
    ASSERT_EQ(pages.size(), 4U);
    EXPECT_EQ(firstOutOfOrder(pages[0], {"Main L < ID:2 >",
                                         "Preset: 03U.LIVE PROGRAM",
                                         "*A123B4S56*",
                                         "Input A",
                                         "Gain:",
                                         "-8.5dB",
                                         "Delay:",
                                         "Noise Gate A",
                                         "EQ 1",
                                         "EQ 5",
                                         "Threshold",
                                         "Freq",
                                         "Range",
                                         "Gain",
                                         "Band",
                                         "Type",
                                         "Plug-In",
                                         "Off",
                                         "Input B",
                                         "Input Sum",
                                         "Delay:",
                                         "Output 1",
                                         "Gain:",
                                         "Polarity:",
                                         "Normal",
                                         "Delay:",
                                         "High-Pass:",
                                         "125Hz Link-Riley 24dB",
                                         "Low-Pass:",
                                         "1k00Hz Thru",
                                         "Phase:",
                                         "0deg",
                                         "Comp/Limit:",
                                         "Freq",
                                         "2k00Hz",
                                         "Type",
                                         "Peaking",
                                         "Output 6",
                                         "123.5m",
                                         "sample-tz48.kle",
                                         "Page 1 of 4"}),
              "");
    EXPECT_EQ(firstOutOfOrder(pages[3], {"< ID:9 >", "*A123B4S56*", "+15dB", "0dB", "-15dB", "15.6", "1k",
                                         "16k", "INCLUDE INPUT EQ", "INCLUDE OUTPUT GAINS",
                                         "INCLUDE OUTPUT EQ", "Page 4 of 4"}),
              "");

    const std::string ampPdf = dir.file("amp.pdf").string();
    ASSERT_EQ(runCli({"report", sample(Family::TzAmp), "-o", ampPdf, "--page-size", "Letter"}).code, 0);
    EXPECT_EQ(
        firstOutOfOrder(pdfPages(ampPdf).at(0),
                        {"Channel A", "Gain:", "Delay:", "Polarity:", "Phase:", "High-Pass:", "Low-Pass:",
                         "Comp/Limit:", "EQ 6", "EQ 10", "Channel B", "Hum Cancel A", "Noise Gate A",
                         "Multi Comp A", "Freq", "50.0Hz", "Thresh-Low", "Plug-In", "Off"}),
        "");
}

TEST(ReportCommand, SelectsByIdentifierAndRefusesWhatItCannotReport) {
    if (!reportCommandBuilt()) {
        GTEST_SKIP() << "kelo was built without Qt Gui";
    }
    kelo::test::TempDir dir;
    const std::string pdf = dir.file("one.pdf").string();
    const Outcome one = runCli({"report", sample(Family::Tz48P), "--id", "9", "-o", pdf});
    EXPECT_EQ(one.code, 0) << one.err;
    EXPECT_EQ(one.out, "wrote 2 pages to " + pdf + "\n");

    const std::string missing = dir.file("missing.pdf").string();
    const Outcome unknown =
        runCli({"report", sample(Family::Tz48P), "--id", "9", "--id", "5", "-o", missing});
    EXPECT_EQ(unknown.code, 1);
    EXPECT_NE(unknown.err.find("no unit with identifier ID 5"), std::string::npos) << unknown.err;
    EXPECT_FALSE(std::filesystem::exists(missing));

    const auto junk = dir.file("junk.kle");
    std::ofstream(junk) << "not a system";
    const Outcome bad = runCli({"report", junk.string(), "-o", missing});
    EXPECT_EQ(bad.code, 1);
    EXPECT_FALSE(bad.err.empty());
    EXPECT_FALSE(std::filesystem::exists(missing));

    const Outcome unwritable =
        runCli({"report", sample(Family::Tz48), "-o", dir.file("no/such/dir.pdf").string()});
    EXPECT_EQ(unwritable.code, 1);
    EXPECT_NE(unwritable.err.find("Cannot write"), std::string::npos) << unwritable.err;
}
