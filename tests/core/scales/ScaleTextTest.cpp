#include "core/scales/CompositeText.h"
#include "core/scales/FrequencyScale.h"
#include "core/scales/LevelTextTable.h"
#include "core/scales/NameList.h"
#include "core/scales/RuleScale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

namespace kelo {
namespace {

TEST(FrequencyScale, TextsAreTheListedOnesNotTheRoundedFrequencies) {
    EXPECT_EQ(FrequencyScale.text(0), "15.6Hz");
    EXPECT_EQ(FrequencyScale.text(18), "29.1Hz"); // f = 29.157 Hz: the list, not the rounding, wins
    EXPECT_EQ(FrequencyScale.text(53), "98.1Hz");
    EXPECT_EQ(FrequencyScale.text(54), "101Hz");
    EXPECT_EQ(FrequencyScale.text(120), "1k00Hz");
    EXPECT_EQ(FrequencyScale.text(187), "10k20Hz");
    EXPECT_EQ(FrequencyScale.text(200), "16k00Hz");
    EXPECT_DOUBLE_EQ(FrequencyScale.value(0), 15.625);
    EXPECT_DOUBLE_EQ(FrequencyScale.value(40), 62.5);
    EXPECT_DOUBLE_EQ(FrequencyScale.value(120), 1000.0);
    EXPECT_DOUBLE_EQ(FrequencyScale.value(200), 16000.0);
}

TEST(FrequencyScale, OutOfRangeIndicesClamp) {
    EXPECT_EQ(FrequencyScale.text(-5), "15.6Hz");
    EXPECT_EQ(FrequencyScale.text(201), "16k00Hz");
    EXPECT_EQ(FrequencyScale.text(4294967295LL), "16k00Hz");
    EXPECT_DOUBLE_EQ(FrequencyScale.value(1000), 16000.0);
    EXPECT_EQ(BoostHighFrequency.text(400), "16k00Hz");
    EXPECT_EQ(coarseFrequencyText(-1), "63Hz");
}

TEST(FrequencyScale, TypedFrequenciesSelectTheNearestIndex) {
    EXPECT_EQ(FrequencyScale.IndexFromValue(1000), 120);
    EXPECT_EQ(FrequencyScale.IndexFromValue(16), 1);
    EXPECT_EQ(FrequencyScale.IndexFromValue(0), 0);
    EXPECT_EQ(FrequencyScale.IndexFromValue(-50), 0);
    EXPECT_EQ(FrequencyScale.IndexFromValue(1e9), 200);
    EXPECT_EQ(FrequencyScale.indexFromText("1000Hz"), 120);
    EXPECT_EQ(FrequencyScale.indexFromText("1k00Hz"), std::nullopt);
    for (int i = 0; i <= 200; ++i) {
        EXPECT_EQ(FrequencyScale.IndexFromValue(FrequencyScale.value(i)), i);
    }
}

TEST(CoarseFrequencyScale, RunsShareOneTextList) {
    EXPECT_EQ(BoostLowFrequency.text(0), "63Hz");
    EXPECT_EQ(BoostLowFrequency.text(24), "1k00Hz");
    EXPECT_EQ(BoostHighFrequency.text(0), "2k00Hz");
    EXPECT_EQ(BoostHighFrequency.text(18), "16k00Hz");
    EXPECT_EQ(coarseFrequencyText(43), "16k00Hz");
    for (int i = 0; i <= 24; ++i) {
        EXPECT_EQ(BoostLowFrequency.IndexFromValue(BoostLowFrequency.value(i)), i);
    }
    for (int i = 0; i <= 18; ++i) {
        EXPECT_EQ(BoostHighFrequency.IndexFromValue(BoostHighFrequency.value(i)), i);
    }
}

TEST(LevelTextTable, TextsAndLimiterThresholdTyping) {
    EXPECT_EQ(LevelTextTable.text(0), "-58.0dB");
    EXPECT_EQ(LevelTextTable.text(71), "-22.5dB");
    EXPECT_EQ(LevelTextTable.text(72), "-22.0dB");
    EXPECT_EQ(LevelTextTable.text(73), "-21.8dB");
    EXPECT_EQ(LevelTextTable.text(182), "0.0dB");
    EXPECT_EQ(LevelTextTable.text(221), "7.8dB");
    EXPECT_EQ(LevelTextTable.text(222), "OFF");
    EXPECT_EQ(LevelTextTable.text(9999), "OFF");
    EXPECT_EQ(LimiterThreshold.IndexFromValue(-22), 72);
    EXPECT_EQ(LimiterThreshold.IndexFromValue(-22.1), 72);
    EXPECT_EQ(LimiterThreshold.IndexFromValue(8), 222);
    EXPECT_EQ(LimiterThreshold.IndexFromValue(100), 222);
    EXPECT_EQ(LimiterThreshold.IndexFromValue(-100), 0);
    EXPECT_EQ(LimiterThreshold.indexFromText("-10.3dB"), 131);
    for (int i = 0; i < 222; ++i) {
        EXPECT_EQ(LimiterThreshold.indexFromText(LevelTextTable.text(i)), i) << i;
    }
}

TEST(RuleScales, TextsAtTheBoundariesOfEachRun) {
    EXPECT_EQ(EqGainScale.text(30), "+0.0dB");
    EXPECT_EQ(EqGainScale.text(0), "-15.0dB");
    EXPECT_EQ(EqGainScale.text(60), "+15.0dB");
    EXPECT_EQ(EqBandwidthScale.text(19), "1.00oct");
    EXPECT_EQ(EqBandwidthScale.text(0), "0.05oct");
    EXPECT_EQ(ReleaseTimeScale.text(49), "0.50S");
    EXPECT_EQ(ReleaseTimeScale.text(50), "0.55S");
    EXPECT_EQ(ReleaseTimeScale.text(79), "2.00S");
    EXPECT_EQ(ReleaseTimeScale.text(80), "2.10S");
    EXPECT_EQ(ReleaseTimeScale.numberText(99) + "s", "4.00s");
    EXPECT_EQ(AttackTimeScale.text(19), "10.0ms");
    EXPECT_EQ(AttackTimeScale.text(20), "11.0ms");
    EXPECT_EQ(AttackTimeScale.text(59), "50.0ms");
    EXPECT_EQ(AttackTimeScale.text(60), "52.0ms");
    EXPECT_EQ(AttackTimeScale.text(84), "100.0ms");
    EXPECT_EQ(GateThresholdScale.text(17), "-46.0dB");
    EXPECT_EQ(GateThresholdScale.text(18), "-45.0dB");
    EXPECT_EQ(GateThresholdScale.text(50), "-13.0dB");
    EXPECT_EQ(GateThresholdScale.text(51), "-12.0dB");
    EXPECT_EQ(GateThresholdScale.text(91), "8.0dB");
    EXPECT_EQ(GateRangeScale.text(60), "-30.0dB");
    EXPECT_EQ(GateRangeScale.text(61), "-31.0dB");
    EXPECT_EQ(GateRangeScale.text(110), "-80.0dB");
    EXPECT_EQ(AmpInputGainScale.text(99), "+0.0dB");
    EXPECT_EQ(AmpInputGainScale.text(0), "-49.5dB");
    EXPECT_EQ(AmpCompThresholdScale.text(0), "-20.4dB");
    EXPECT_EQ(AmpCompThresholdScale.text(102), "+0.0dB");
    EXPECT_EQ(ProcessorGainScale.text(60), "+0.0dB");
    EXPECT_EQ(ProcessorGainScale.text(72), "+6.0dB");
    EXPECT_EQ(ProcessorGainScale.text(99), "+6.0dB"); // a constructed record's 99 clamps
    EXPECT_EQ(BoostThresholdScale.text(33), "-13.0dB");
    EXPECT_EQ(BoostThresholdScale.text(34), "-12.0dB");
    EXPECT_EQ(BoostGainScale.text(0), "-18.0dB");
    EXPECT_EQ(HumFrequencyScale.text(200), "60.0Hz");
    EXPECT_EQ(HumThresholdScale.text(0), "-60dB");
    EXPECT_EQ(HumThresholdScale.text(60), "0dB");
    EXPECT_EQ(PhaseScale.text(36), "180deg");
}

TEST(RuleScales, EveryIndexSurvivesItsTextAndItsValue) {
    const std::vector<const RuleScale*> scales{
        &EqGainScale,           &EqBandwidthScale,    &ProcessorGainScale, &AmpInputGainScale,
        &AmpCompThresholdScale, &GateThresholdScale,  &GateRangeScale,     &AttackTimeScale,
        &ReleaseTimeScale,      &BoostThresholdScale, &BoostGainScale,     &HumFrequencyScale,
        &HumThresholdScale,     &PhaseScale};
    for (const RuleScale* scale : scales) {
        std::set<std::string> texts;
        for (int i = 0; i <= scale->maxIndex; ++i) {
            EXPECT_TRUE(texts.insert(scale->text(i)).second) << scale->text(i) << " repeats";
            EXPECT_EQ(scale->IndexFromValue(scale->value(i)), i) << scale->text(i);
            EXPECT_EQ(scale->indexFromText(scale->text(i)), i) << scale->text(i);
        }
        const bool rising = scale->value(scale->maxIndex) > scale->value(0);
        EXPECT_EQ(scale->IndexFromValue(1e300), rising ? scale->maxIndex : 0);
        EXPECT_EQ(scale->IndexFromValue(-1e300), rising ? 0 : scale->maxIndex);
        EXPECT_EQ(scale->IndexFromValue(std::nan("")), 0);
        EXPECT_EQ(scale->value(-1), scale->value(0));
        EXPECT_EQ(scale->text(1LL << 40), scale->text(scale->maxIndex));
    }
}

TEST(RuleScales, TypedValuesGoToTheNearestStepAndClamp) {
    EXPECT_EQ(EqGainScale.indexFromText("3.3dB"), 37);
    EXPECT_EQ(EqGainScale.text(37), "+3.5dB");
    EXPECT_EQ(EqGainScale.indexFromText("3.3 dB"), std::nullopt);
    EXPECT_EQ(EqGainScale.indexFromText("99"), 60);
    EXPECT_EQ(EqGainScale.indexFromText("-1e999"), 0);
    EXPECT_EQ(EqBandwidthScale.indexFromText("1oct"), 19);
    EXPECT_EQ(EqBandwidthScale.indexFromText("0"), 0);
    EXPECT_EQ(ReleaseTimeScale.indexFromText("0.5s"), 49);
    EXPECT_EQ(ReleaseTimeScale.indexFromText("2S"), 79);
    EXPECT_EQ(AttackTimeScale.indexFromText("9.9ms"), 19);
    EXPECT_EQ(GateThresholdScale.indexFromText("-45.6"), 17);
    EXPECT_EQ(GateRangeScale.indexFromText("-30.4"), 61);
    EXPECT_EQ(PhaseScale.indexFromText("7.4deg"), 1); // 2.96 -> 3 half-steps -> 1
    EXPECT_EQ(PhaseScale.indexFromText("8.8deg"), 2); // 3.52 -> 4 half-steps -> 2
    EXPECT_EQ(PhaseScale.indexFromText("-20"), 0);
}

TEST(NameLists, IndicesOutsideAListGiveNoText) {
    EXPECT_EQ(EqTypeNames.name(9), "Notch");
    EXPECT_EQ(EqTypeNames.name(5), "-Not Av.-");
    EXPECT_EQ(EqTypeNames.name(10), std::nullopt);
    EXPECT_EQ(CrossoverTypeNames.name(10), "Link-Riley 48dB");
    EXPECT_EQ(CrossoverTypeNames.name(-1), std::nullopt);
    EXPECT_EQ(LimiterRatioNames.name(14), "Limiter");
    EXPECT_EQ(DelayUnitNames.name(3), "m");
    EXPECT_EQ(TemperatureUnitNames.name(0), "\u00b0C");
    EXPECT_EQ(onOffName(0), "On");
    EXPECT_EQ(onOffName(7), "Off");
}

TEST(CompositeText, ListAndReportTexts) {
    EXPECT_EQ(crossoverText(120, 9), "1k00Hz Link-Riley 24dB");
    EXPECT_EQ(crossoverText(500, 77), "16k00Hz Link-Riley 48dB");
    EXPECT_EQ(limiterText(132, 1, 8), "-10.0dB Normal 4.0");
    EXPECT_EQ(limiterText(222, 5, 14), "OFF Limiter");
    EXPECT_EQ(ampCompressorText(51, 2, 0), "-10.2dB Fast 1.1");
    EXPECT_EQ(eqTypeText(2, 0), "Peaking");
    EXPECT_EQ(eqTypeText(9, 1), "-Flat-");
    EXPECT_EQ(eqGainText(9, 40), "----");
    EXPECT_EQ(eqGainText(2, 40), "+5.0dB");
    for (int shelf : {0, 1, 3, 4}) {
        EXPECT_EQ(eqBandwidthText(shelf, 19), "----");
    }
    EXPECT_EQ(eqBandwidthText(2, 19), "1.00oct");
    EXPECT_EQ(eqBandwidthText(9, 19), "1.00oct");
}

TEST(CompositeText, BandsTakenByALinkRiley48Crossover) {
    auto borrowed = [](int count, int lp, int hp) {
        std::vector<int> bands;
        for (int b = 0; b < count; ++b) {
            if (isBandBorrowed(b, count, lp, hp)) {
                bands.push_back(b);
            }
        }
        return bands;
    };
    EXPECT_EQ(borrowed(5, 9, 9), std::vector<int>{});
    EXPECT_EQ(borrowed(5, 10, 0), (std::vector<int>{3, 4}));
    EXPECT_EQ(borrowed(5, 0, 10), (std::vector<int>{3, 4}));
    EXPECT_EQ(borrowed(5, 10, 10), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(borrowed(10, 10, 0), (std::vector<int>{8, 9}));
    EXPECT_EQ(borrowed(10, 10, 10), (std::vector<int>{6, 7, 8, 9}));
    EXPECT_EQ(borrowed(4, 10, 10), std::vector<int>{});
}

} // namespace
} // namespace kelo
