#include "core/comm/images/ProcessorImage.h"
#include "core/comm/images/ImageWords.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace kelo {
namespace {

using namespace processor_image;

std::uint32_t wordAt(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return *image::readWord(bytes, offset);
}

// A program whose every field holds a distinct value that fits its bit field.
UnitParams sampleProgram() {
    UnitParams p;
    p.name = makeProgramName("Stage L");
    for (std::uint32_t k = 0; k < 2; ++k) {
        for (std::uint32_t b = 0; b < 5; ++b) {
            p.inputs[k].bands[b] = EqBand{b == 4 ? 9u : b, 100 + b, 20 + b, 40 + b, 0};
        }
        p.inputs[k].gain = 70 + k;
        p.inputs[k].delayMm = 900000 - k;
        p.gates[k] = GateSection{3 + k, 60 + k, 20 + k, 100 + k};
        p.gateBypass[k] = k;
    }
    for (std::uint32_t k = 0; k < 6; ++k) {
        OutputChannel& out = p.outputs[k];
        out.crossover = CrossoverSection{k + 1, 150 + k, 40 + k, 9 - k, 30 + k};
        for (std::uint32_t b = 0; b < 5; ++b) {
            out.bands[b] = EqBand{k % 7, 10 * b + k, b + k, 60 - b, 0};
        }
        out.limiter = LimiterSection{k + 2, 12 - k, 200 + k};
        out.gain = 72 - k;
        out.polarity = k % 2;
        out.delayMm = 100000 - k;
    }
    p.sumDelayMm = 123456;
    p.routingMode = 6;
    p.used = 1;
    return p;
}

TEST(ProcessorImageTest, PlacesEveryFieldOfAProgramAtItsBits) {
    const UnitParams p = sampleProgram();
    const ProgramImage bytes = encodeProgram(p);

    // Name padded with spaces after its last byte.
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 12), "Stage L     ");
    // Input A band 2 (type 1 -> code 2), input B band 5 (notch 9 -> code 5).
    EXPECT_EQ(wordAt(bytes, 16), 2u | (101u << 3) | (21u << 11) | (41u << 17));
    EXPECT_EQ(wordAt(bytes, 36 + 16), 5u | (104u << 3) | (24u << 11) | (44u << 17));
    EXPECT_EQ(wordAt(bytes, 32), 900000u | (70u << 20));
    EXPECT_EQ(wordAt(bytes, 56), 899999u | (71u << 20));
    EXPECT_EQ(wordAt(bytes, 60), 3u | (100u << 7) | (60u << 14) | (20u << 21));
    EXPECT_EQ(wordAt(bytes, 64), 4u | (101u << 7) | (61u << 14) | (21u << 21) | (1u << 28));
    // Output 3 (k = 2): words X, Y, Z after its five bands.
    const std::size_t out3 = 68 + 2 * 32;
    EXPECT_EQ(wordAt(bytes, out3), image::eqTypeToCode(2) | (2u << 3) | (2u << 11) | (60u << 17));
    EXPECT_EQ(wordAt(bytes, out3 + 20), 99998u | (3u << 17) | (152u << 21));
    EXPECT_EQ(wordAt(bytes, out3 + 24), 42u | (7u << 6) | (32u << 10) | (70u << 18));
    EXPECT_EQ(wordAt(bytes, out3 + 28), 4u | (202u << 14) | (10u << 22));
    // Output 6 polarity is bit 25 of its word Y.
    EXPECT_EQ(wordAt(bytes, 68 + 5 * 32 + 24) >> 25, 1u);
    EXPECT_EQ(wordAt(bytes, 260), 123456u | (6u << 20) | (1u << 23));
}

TEST(ProcessorImageTest, NameStopsAtFirstZeroByteAndEmptyNameIsAllSpaces) {
    UnitParams p;
    p.name = ProgramName{'A', 'B', 0, 'C', 'D', 0, 0, 0, 0, 0, 0, 0};
    ProgramImage bytes = encodeProgram(p);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 12), "AB          ");
    p.name = ProgramName{};
    bytes = encodeProgram(p);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 12), std::string(12, ' '));
}

TEST(ProcessorImageTest, EqualiserTypeCodesBothWays) {
    const std::vector<std::pair<std::uint32_t, std::uint32_t>> indexToCode{{0, 1}, {1, 2}, {2, 0}, {3, 4},
                                                                           {4, 3}, {5, 6}, {6, 7}, {9, 5}};
    for (auto [index, code] : indexToCode) {
        EXPECT_EQ(image::eqTypeToCode(index), code) << "index " << index;
        EXPECT_EQ(image::eqCodeToType(code), index) << "code " << code;
    }
    // Indices without a code (damaged files) go out as the peaking band's code.
    EXPECT_EQ(image::eqTypeToCode(7), 0u);
    EXPECT_EQ(image::eqTypeToCode(1000), 0u);
}

TEST(ProcessorImageTest, ProgramRoundTripsAndReadingClearsFlatFlags) {
    UnitParams original = sampleProgram();
    original.name = makeProgramName("Full Name 12");
    UnitParams read;
    read.inputs[0].bands[0].flat = 1;
    decodeProgram(encodeProgram(original), read);
    EXPECT_EQ(read, original);

    // A flat band is sent with its stored gain and comes back not flat.
    original.outputs[1].bands[3].flat = 1;
    decodeProgram(encodeProgram(original), read);
    EXPECT_EQ(read.outputs[1].bands[3].flat, 0u);
    EXPECT_EQ(read.outputs[1].bands[3].gain, original.outputs[1].bands[3].gain);
}

TEST(ProcessorImageTest, ValuesWiderThanTheirFieldAreMaskedNotSpilled) {
    UnitParams p;
    p.inputs[0].gain = 0xFFu; // 7-bit field at bits 20..26
    p.inputs[0].delayMm = 0;
    const ProgramImage bytes = encodeProgram(p);
    EXPECT_EQ(wordAt(bytes, 32), 0x7Fu << 20);
}

TEST(ProcessorImageTest, ShortImageFillsOnlyWhatItHolds) {
    const UnitParams source = sampleProgram();
    const ProgramImage full = encodeProgram(source);
    UnitParams target; // record defaults
    const UnitParams before = target;

    // 34 bytes: the name, input A's five bands and half of its delay/gain word.
    decodeProgram(std::span<const std::uint8_t>(full.data(), 34), target);
    EXPECT_EQ(target.name, makeProgramName("Stage L     ")); // the padding comes back as spaces
    EXPECT_EQ(target.inputs[0].bands, source.inputs[0].bands);
    EXPECT_EQ(target.inputs[0].gain, before.inputs[0].gain);
    EXPECT_EQ(target.inputs[0].delayMm, before.inputs[0].delayMm);
    EXPECT_EQ(target.outputs, before.outputs);
    EXPECT_EQ(target.used, before.used);

    // An empty image changes nothing; five bytes change only the first five name bytes.
    UnitParams untouched;
    decodeProgram({}, untouched);
    EXPECT_EQ(untouched, before);
    decodeProgram(std::span<const std::uint8_t>(full.data(), 5), untouched);
    EXPECT_EQ(untouched.name, (ProgramName{'S', 't', 'a', 'g', 'e', 0, 0, 0, 0, 0, 0, 0}));
}

TEST(ProcessorImageTest, SettingsCarryTheUnitWideWords) {
    LiveParams live;
    static_cast<UnitParams&>(live) = sampleProgram();
    live.name = makeProgramName("Settings 123");
    for (std::size_t n = 1; n <= 27; ++n) {
        live.word(n) = 1;
    }
    live.word(1) = 0xDEADBEEF;
    live.word(2) = 3;
    live.word(11) = 2;
    live.word(12) = 3;
    live.word(17) = 90;
    live.word(19) = 63;
    live.currentProgram() = 4;
    const SettingsImage bytes = encodeSettings(live, Family::Tz48);

    const ProgramImage programPart = encodeProgram(live);
    EXPECT_TRUE(std::equal(programPart.begin(), programPart.end(), bytes.begin()));
    EXPECT_EQ(wordAt(bytes, 264), 0xDEADBEEFu);
    // Words 4, 7 and 15 are not carried; bits 13, 16, 26 stay clear.
    EXPECT_EQ(wordAt(bytes, 268), 3u | (4u << 2) | (1u << 14) | (1u << 15) | (1u << 17) | (1u << 18) |
                                      (1u << 19) | (2u << 20) | (3u << 22) | (1u << 24) | (1u << 25) |
                                      (1u << 27));
    EXPECT_EQ(wordAt(bytes, 272), 90u | (1u << 7) | (63u << 8) | (0x3Fu << 14) | (1u << 20));

    LiveParams read;
    read.busId() = 9;
    read.word(4) = 77;
    decodeSettings(bytes, read, Family::Tz48);
    EXPECT_EQ(read.program(), live.program());
    for (std::size_t n :
         {1, 2, 3, 5, 6, 8, 9, 10, 11, 12, 13, 14, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26}) {
        EXPECT_EQ(read.word(n), live.word(n)) << "word " << n;
    }
    EXPECT_EQ(read.word(4), 77u);
    EXPECT_EQ(read.busId(), 9u);
}

TEST(ProcessorImageTest, ProgramNumberIsCarriedWithinItsKindPerFamily) {
    struct Case {
        Family family;
        std::uint32_t current;
        std::uint32_t carried;
        std::uint32_t userBit;
    };
    for (const Case& c :
         {Case{Family::Tz48, 0, 0, 0}, Case{Family::Tz48, 9, 9, 0}, Case{Family::Tz48, 10, 0, 1},
          Case{Family::Tz48, 73, 63, 1}, Case{Family::Tz48P, 0, 0, 0}, Case{Family::Tz48P, 1, 0, 1},
          Case{Family::Tz48P, 64, 63, 1}}) {
        LiveParams live;
        live.currentProgram() = c.current;
        const SettingsImage bytes = encodeSettings(live, c.family);
        const std::uint32_t word = wordAt(bytes, 268);
        EXPECT_EQ(image::getBits(word, 2, 10), c.carried) << c.current;
        EXPECT_EQ(image::getBits(word, 12, 1), c.userBit) << c.current;
        LiveParams read;
        read.currentProgram() = 999;
        decodeSettings(bytes, read, c.family);
        EXPECT_EQ(read.currentProgram(), c.current);
    }
}

TEST(ProcessorImageTest, ShortSettingsImageKeepsTheWordsItLacks) {
    LiveParams live;
    live.currentProgram() = 20;
    live.temperature() = 12;
    const SettingsImage bytes = encodeSettings(live, Family::Tz48);
    LiveParams read;
    read.currentProgram() = 5;
    read.temperature() = 33;
    decodeSettings(std::span<const std::uint8_t>(bytes.data(), 270), read, Family::Tz48);
    EXPECT_EQ(read.currentProgram(), 5u);
    EXPECT_EQ(read.temperature(), 33u);
}

} // namespace
} // namespace kelo
