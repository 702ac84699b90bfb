#include "core/comm/images/AmpImage.h"
#include "core/comm/images/ImageWords.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kelo {
namespace {

using namespace amp_image;

std::uint32_t wordAt(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return *image::readWord(bytes, offset);
}

AmpParams sampleProgram() {
    AmpParams p;
    p.name = ProgramName{'A', 'm', 'p', 0, 'x', ' ', ' ', ' ', ' ', ' ', ' ', '!'};
    for (std::uint32_t k = 0; k < 2; ++k) {
        p.hum[k] = HumSection{10 + k, 20 + k, 30 + k, 400 + k};
        for (std::uint32_t w = 1; w <= 13; ++w) {
            p.comp[k].word(w) = (w + k) % 16;
        }
        p.comp[k].word(1) = 31;
        p.comp[k].word(5) = 100 + k;
        p.gates[k] = GateSection{1 + k, 2 + k, 3 + k, 4 + k};
        for (std::uint32_t b = 0; b < 5; ++b) {
            p.inputs[k].bands[b] = EqBand{b, 50 + b, 10 + b, 20 + b, 0};
        }
        p.inputs[k].gain = 99;
        p.inputs[k].delayMm = 200000 + k;
        AmpOutputChannel& out = p.outputs[k];
        out.crossover = CrossoverSection{3, 200, 17, 5, 80};
        for (std::uint32_t b = 0; b < 10; ++b) {
            out.bands[b] = EqBand{b == 9 ? 9u : b % 7, 100 + b, b, 60 - b, 0};
        }
        out.limiter = LimiterSection{1, 14, 102 + k};
        out.gain = 99;
        out.polarity = 1 - k;
        out.delayMm = 65535 - k;
    }
    p.used = 1;
    return p;
}

TEST(AmpImageTest, PlacesEveryFieldOfAProgramAtItsBits) {
    const AmpParams p = sampleProgram();
    const ProgramImage bytes = encodeProgram(p);
    ASSERT_EQ(bytes.size(), 210u);

    // The name travels as its 12 stored bytes, zero bytes included.
    EXPECT_TRUE(std::equal(p.name.begin(), p.name.end(), bytes.begin()));
    EXPECT_EQ(wordAt(bytes, 12), 10u | (20u << 7) | (400u << 14) | (30u << 23));
    EXPECT_EQ(wordAt(bytes, 16), 11u | (21u << 7) | (401u << 14) | (31u << 23));
    const CompressorSection& c = p.comp[1];
    EXPECT_EQ(wordAt(bytes, 32),
              31u | (c.word(2) << 5) | (c.word(3) << 12) | (c.word(4) << 19) | (101u << 23));
    EXPECT_EQ(wordAt(bytes, 36),
              c.word(6) | (c.word(7) << 7) | (c.word(8) << 12) | (c.word(9) << 19) | (c.word(10) << 26));
    EXPECT_EQ(wordAt(bytes, 40), c.word(11) | (c.word(12) << 7) | (c.word(13) << 14));
    EXPECT_EQ(wordAt(bytes, 48), 2u | (5u << 7) | (3u << 14) | (4u << 21));
    EXPECT_EQ(wordAt(bytes, 52 + 4), 2u | (51u << 3) | (11u << 11) | (21u << 17));
    EXPECT_EQ(wordAt(bytes, 76 + 20), 200001u | (99u << 18));
    // Output B: band 10 is a notch (code 5); then X, Y, Z.
    EXPECT_EQ(wordAt(bytes, 152 + 36), 5u | (109u << 3) | (9u << 11) | (51u << 17));
    EXPECT_EQ(wordAt(bytes, 152 + 40), 65534u | (3u << 16) | (200u << 20));
    EXPECT_EQ(wordAt(bytes, 100 + 44), 17u | (5u << 6) | (80u << 10) | (99u << 18) | (1u << 25));
    EXPECT_EQ(wordAt(bytes, 152 + 48), 1u | (14u << 7) | (103u << 14));
    EXPECT_EQ(wordAt(bytes, 204), 1u << 21);
    EXPECT_EQ(bytes[208], 0);
    EXPECT_EQ(bytes[209], 0);
}

TEST(AmpImageTest, ProgramRoundTripsAndShortImageKeepsTheRest) {
    const AmpParams original = sampleProgram();
    AmpParams read;
    decodeProgram(encodeProgram(original), read);
    EXPECT_EQ(read, original);

    AmpParams partial;
    const AmpParams before = partial;
    const ProgramImage bytes = encodeProgram(original);
    decodeProgram(std::span<const std::uint8_t>(bytes.data(), 50), partial);
    EXPECT_EQ(partial.hum, original.hum);
    EXPECT_EQ(partial.comp, original.comp);
    EXPECT_EQ(partial.gates[0], original.gates[0]);
    EXPECT_EQ(partial.gates[1], before.gates[1]);
    EXPECT_EQ(partial.outputs, before.outputs);
    EXPECT_EQ(partial.used, before.used);
}

TEST(AmpImageTest, SettingsCarryTheLiveWordsWithBlocksSwitchedInInverted) {
    AmpLiveParams live;
    static_cast<AmpParams&>(live) = sampleProgram();
    live.word(1) = 0x01020304;
    live.word(2) = 2;
    live.currentProgram() = 32;
    live.word(4) = 1;
    live.busId() = 31;
    live.setGanging(true);
    live.delayUnit() = 3;
    live.word(11) = 2;
    live.temperatureUnit() = 1;
    live.temperature() = 77;
    live.setMute(1, 1);
    live.setCompBypass(0, 0); // compressor A switched in
    live.setHumBypass(1, 0);  // hum canceller B switched in
    const SettingsImage bytes = encodeSettings(live);
    ASSERT_EQ(bytes.size(), 224u);

    EXPECT_EQ(wordAt(bytes, 208), 0x01020304u);
    EXPECT_EQ(wordAt(bytes, 212),
              2u | (32u << 2) | (1u << 9) | (31u << 12) | (1u << 22) | (3u << 25) | (2u << 27) | (1u << 30));
    EXPECT_EQ(wordAt(bytes, 216), 77u | (2u << 8) | (1u << 15) | (1u << 19) | (1u << 24));
    EXPECT_EQ(wordAt(bytes, 220), 0u);

    AmpLiveParams read;
    decodeSettings(bytes, read);
    EXPECT_EQ(read, live);
}

TEST(AmpImageTest, ShortSettingsImageLeavesByPassFlagsAlone) {
    AmpLiveParams live;
    live.setGateBypass(0, 0);
    const SettingsImage bytes = encodeSettings(live);
    AmpLiveParams read;
    read.setGateBypass(1, 7); // an odd stored value must survive a read that lacks its word
    decodeSettings(std::span<const std::uint8_t>(bytes.data(), 216), read);
    EXPECT_EQ(read.gateBypass(0), 1u);
    EXPECT_EQ(read.gateBypass(1), 7u);
    decodeSettings(bytes, read);
    EXPECT_EQ(read.gateBypass(0), 0u);
    EXPECT_EQ(read.gateBypass(1), 1u);
}

} // namespace
} // namespace kelo
