#include "core/scales/DelayConversion.h"
#include "core/scales/TemperatureScale.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kelo {
namespace {

constexpr int k20C = 50;
constexpr int kMinus30C = 0;

TEST(SoundSpeedTable, EntriesFollowTheRule) {
    const auto& table = soundSpeedTable();
    EXPECT_EQ(table[0], 15352);
    EXPECT_EQ(table[30], 14484);
    EXPECT_EQ(table[50], 13981);
    EXPECT_EQ(table[90], 13114);
    for (int t = 1; t <= 90; ++t) {
        EXPECT_LT(table[t], table[t - 1]); // warmer air, faster sound, fewer samples per millimetre
    }
    EXPECT_EQ(soundSpeedEntry(-3), 15352);
    EXPECT_EQ(soundSpeedEntry(91), 13114);
}

TEST(DelayConversion, DistanceToSamplesAndTime) {
    EXPECT_EQ(SamplesFromDistance(1000, k20C), 140);
    EXPECT_EQ(MicrosecondsFromSamples(140), 2917);
    EXPECT_EQ(DelayText(1000, 0, k20C), "2917us");
    EXPECT_EQ(DelayText(1000, 1, k20C), "2ms");
    EXPECT_EQ(DelayText(1000, 2, k20C), "1000mm");
    EXPECT_EQ(DelayText(1000, 3, k20C), "1.0m");
    EXPECT_EQ(SamplesFromDistance(1000, kMinus30C), 154);
    EXPECT_EQ(DelayText(1000, 0, kMinus30C), "3208us");
    EXPECT_EQ(SamplesFromMicroseconds(3000), 144);
    EXPECT_EQ(DelayText(0, 0, k20C), "0us");
    EXPECT_EQ(DelayText(1000, 9, k20C), "1.0m"); // unit clamps
}

TEST(DelayConversion, LargestDelaysDoNotOverflow) {
    const std::int64_t mm = 4294967295LL; // a damaged unsigned field
    const std::int64_t samples = SamplesFromDistance(mm, kMinus30C);
    EXPECT_EQ(samples, std::llround(15352.0 * 4294967295.0 / 100000));
    EXPECT_GT(MicrosecondsFromSamples(samples), 0);
    EXPECT_EQ(DelayText(900000, 0, kMinus30C), "2878500us");
}

TEST(DelayConversion, SamplesRoundTripThroughDistance) {
    for (int t : {0, 30, 50, 90}) {
        for (std::int64_t n = 0; n < 5000; n += 7) {
            EXPECT_EQ(SamplesFromDistance(DistanceFromSamples(n, t), t), n);
        }
    }
}

TEST(StepDelay, MetresSnapToHalfMetres) {
    EXPECT_EQ(StepDelay(1200, 1, 3, k20C, 100000), 1500);
    EXPECT_EQ(StepDelay(1200, -1, 3, k20C, 100000), 1000);
    EXPECT_EQ(StepDelay(1000, 1, 3, k20C, 100000), 1500);
    EXPECT_EQ(StepDelay(1000, -3, 3, k20C, 100000), 0);
    EXPECT_EQ(StepDelay(99800, 1, 3, k20C, 100000), 100000);
    EXPECT_EQ(StepDelay(99800, 5, 3, k20C, 100000), 100000);
}

TEST(StepDelay, MillisecondsSnapToWholeMilliseconds) {
    const std::int64_t at2917us = 1000; // 140 samples at 20 C
    const std::int64_t up = StepDelay(at2917us, 1, 1, k20C, 900000);
    EXPECT_EQ(DelayText(up, 0, k20C), "3000us");
    const std::int64_t upAgain = StepDelay(up, 1, 1, k20C, 900000);
    EXPECT_EQ(DelayText(upAgain, 0, k20C), "4000us");
    const std::int64_t down = StepDelay(at2917us, -1, 1, k20C, 900000);
    EXPECT_EQ(DelayText(down, 0, k20C), "2000us");
    EXPECT_EQ(StepDelay(at2917us, -5, 1, k20C, 900000), 0);
}

TEST(StepDelay, SampleUnitsMoveOneSample) {
    for (int unit : {0, 2}) {
        const std::int64_t up = StepDelay(1000, 1, unit, k20C, 900000);
        EXPECT_EQ(SamplesFromDistance(up, k20C), 141);
        EXPECT_EQ(StepDelay(0, -1, unit, k20C, 900000), 0);
        EXPECT_EQ(StepDelay(1000, 1, unit, k20C, 1000), 1000);
    }
    EXPECT_EQ(StepDelay(1234, 0, 0, k20C, 900000), 1234);
}

} // namespace
} // namespace kelo
