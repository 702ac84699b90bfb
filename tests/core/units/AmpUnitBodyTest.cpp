#include "core/units/amp/AmpUnitBody.h"
#include "tests/support/SampleSystems.h"
#include "core/units/ArchiveReader.h"
#include "core/units/ArchiveWriter.h"

#include <gtest/gtest.h>

namespace {

TEST(AmpUnitBody, ProgramImageFollowsTheMemberOrder) {
    kelo::AmpParams params;
    params.hum[1].attack = 21;
    params.gates[0].range = 22;
    params.comp[0].word(1) = 23;
    params.outputs[0].crossover.highPassType = 24;
    params.outputs[1].delayMm = 25;
    params.reserved = 26;
    params.used = 1;
    std::vector<std::uint8_t> bytes;
    kelo::ArchiveWriter writer(bytes);
    kelo::writeAmpParamsImage(writer, params);

    ASSERT_EQ(bytes.size(), kelo::kAmpParamsImageSize);
    EXPECT_EQ(kelo::test::u32At(bytes, 244), 21u);
    EXPECT_EQ(kelo::test::u32At(bytes, 272), 22u);
    EXPECT_EQ(kelo::test::u32At(bytes, 292), 23u);
    EXPECT_EQ(kelo::test::u32At(bytes, 396 + 12), 24u);
    EXPECT_EQ(kelo::test::u32At(bytes, 640 + 240), 25u);
    EXPECT_EQ(kelo::test::u32At(bytes, 884), 26u);
    EXPECT_EQ(kelo::test::u32At(bytes, 888), 1u);
}

TEST(AmpUnitBody, ScratchWordIsNotStoredAndIsZeroAfterReading) {
    kelo::AmpUnit unit;
    unit.live.word(kelo::AmpLiveParams::kScratchWord) = 9;
    unit.live.setGanging(false);
    std::vector<std::uint8_t> bytes;
    kelo::ArchiveWriter writer(bytes);
    kelo::writeAmpUnitBody(writer, unit);
    EXPECT_EQ(bytes.size(), 4u + 4 + 2 * 6 + 996 + 32 * 892);

    kelo::AmpUnit back;
    back.live.word(kelo::AmpLiveParams::kScratchWord) = 5;
    kelo::ArchiveReader reader(bytes);
    ASSERT_TRUE(kelo::readAmpUnitBody(reader, back));
    EXPECT_EQ(back.live.word(kelo::AmpLiveParams::kScratchWord), 0u);
    EXPECT_EQ(back.live.ganging(), 0u);
    EXPECT_EQ(back.live.word(kelo::AmpLiveParams::kLinkModeWord), 0u);
    EXPECT_EQ(back.name, u"Tz Amp");
    EXPECT_EQ(reader.remaining(), 0u);
}

TEST(AmpRecords, DefaultsAndFactoryProgramDifferWhereDocumented) {
    const kelo::AmpParams record;
    EXPECT_EQ(record.gates[0], (kelo::GateSection{0, 0, 0, 0}));
    EXPECT_EQ(record.inputs[1].gain, 99u);
    EXPECT_EQ(record.outputs[1].crossover, (kelo::CrossoverSection{0, 120, 0, 9, 60}));

    const kelo::AmpParams& factory = kelo::ampFactoryProgram();
    EXPECT_EQ(kelo::programNameText(factory.name), " *Default*  ");
    EXPECT_EQ(factory.comp[1].words,
              (std::array<std::uint32_t, 13>{18, 0, 0, 0, 74, 36, 0, 0, 0, 0, 74, 36, 36}));
    EXPECT_EQ(factory.outputs[0].bands[9], (kelo::EqBand{2, 140, 19, 30, 1}));
    EXPECT_EQ(factory.outputs[1].limiter, (kelo::LimiterSection{1, 14, 102}));
    EXPECT_EQ(factory.used, 1u);

    const kelo::AmpLiveParams live;
    EXPECT_EQ(live.ganging(), 1u);
    EXPECT_EQ(live.word(kelo::AmpLiveParams::kLinkModeWord), 2u);
    EXPECT_EQ(live.delayUnit(), 3u);
    EXPECT_EQ(live.humBypass(1), 1u);
    EXPECT_EQ(live.compBypass(1), 1u);
    EXPECT_EQ(live.mute(0), 0u);
    EXPECT_EQ(live.mute(5), 0u);
}

} // namespace
