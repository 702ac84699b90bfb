#include "core/scales/FilterResponse.h"
#include "core/scales/FrequencyScale.h"
#include "core/scales/ResponseGrid.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kelo {
namespace {

// Grid points of the frequencies the checks name (20 Hz, 100 Hz and 10 kHz are the nearest points).
std::size_t pointOf(double hz) {
    const auto& grid = responseFrequencyGrid();
    std::size_t best = 0;
    for (std::size_t g = 0; g < grid.size(); ++g) {
        if (std::abs(std::log(grid[g] / hz)) < std::abs(std::log(grid[best] / hz))) {
            best = g;
        }
    }
    return best;
}

const std::size_t k20Hz = pointOf(20);
const std::size_t k100Hz = pointOf(100);
const std::size_t k1kHz = 132;
const std::size_t k10kHz = pointOf(10000);
const std::size_t k20kHz = pointOf(20000);

constexpr int k1kIndex = 120;
constexpr int kGain6dB = 42;
constexpr int kGainCut6dB = 18;
constexpr int kOneOctave = 19;

TEST(ResponseFrequencyGrid, EndsAndScaleAlignment) {
    const auto& grid = responseFrequencyGrid();
    EXPECT_DOUBLE_EQ(grid[0], 10.309);
    EXPECT_DOUBLE_EQ(grid[12], 15.625);
    EXPECT_DOUBLE_EQ(grid[132], 1000.0);
    EXPECT_NEAR(grid[212], 16000.0, 0.0011);
    EXPECT_NEAR(grid[219], 20392.971, 0.0011);
    for (int i = 0; i <= 200; ++i) {
        EXPECT_NEAR(grid[kGridOffsetOfFrequencyScale + i], FrequencyScale.value(i), 0.0011) << i;
    }
}

TEST(ComputeBand, PeakingReachesItsGainAtTheCentre) {
    Curve curve{};
    ComputeBand(curve, 2, k1kIndex, kGain6dB, kOneOctave, 0);
    EXPECT_NEAR(curve[k1kHz], 6.0, 0.005);
    EXPECT_NEAR(curve[k20Hz], 0.0, 0.01);
    EXPECT_NEAR(curve[k20kHz], 0.0, 0.01);
}

TEST(ComputeBand, FirstOrderLowShelfBoostAndCutMirror) {
    Curve boost{};
    Curve cut{};
    ComputeBand(boost, 0, k1kIndex, kGain6dB, kOneOctave, 0);
    ComputeBand(cut, 0, k1kIndex, kGainCut6dB, kOneOctave, 0);
    EXPECT_NEAR(boost[k20Hz], 6.0, 0.01);
    EXPECT_NEAR(boost[k1kHz], 3.96, 0.01);
    EXPECT_NEAR(boost[k20kHz], 0.0, 0.01);
    for (std::size_t g = 0; g < kResponsePointCount; ++g) {
        EXPECT_NEAR(cut[g], -boost[g], 1e-9) << g;
    }
}

TEST(ComputeBand, SecondOrderLowShelf) {
    Curve curve{};
    ComputeBand(curve, 1, k1kIndex, kGain6dB, kOneOctave, 0);
    EXPECT_NEAR(curve[k100Hz], 6.0, 0.01);
    EXPECT_NEAR(curve[k1kHz], 3.96, 0.01);
    EXPECT_NEAR(curve[k10kHz], 0.0, 0.01);
}

TEST(ComputeBand, HighShelvesMirrorTheLowShelves) {
    for (int type : {3, 4}) {
        Curve boost{};
        Curve cut{};
        ComputeBand(boost, type, k1kIndex, kGain6dB, kOneOctave, 0);
        ComputeBand(cut, type, k1kIndex, kGainCut6dB, kOneOctave, 0);
        EXPECT_NEAR(boost[k20Hz], 0.0, 0.01) << type;
        EXPECT_NEAR(boost[k1kHz], 3.96, 0.02) << type;
        EXPECT_NEAR(boost[k20kHz], 6.0, 0.05) << type;
        EXPECT_NEAR(cut[k1kHz], -boost[k1kHz], 1e-6) << type;
    }
}

TEST(ComputeBand, NotchAndFlatBands) {
    Curve curve{};
    ComputeBand(curve, 9, k1kIndex, 30, kOneOctave, 0);
    EXPECT_NEAR(curve[k1kHz], -100.0, 0.05);
    EXPECT_NEAR(curve[k20Hz], 0.0, 0.01);
    ComputeBand(curve, 9, k1kIndex, 30, kOneOctave, 1);
    for (double db : curve) {
        EXPECT_NEAR(db, 0.0, 1e-9);
    }
}

TEST(ComputeBand, ZeroGainOrFlatIsZeroEverywhereWhateverTheType) {
    Curve curve{};
    for (int type : {0, 1, 2, 3, 4}) {
        for (int freq : {0, 60, 120, 200}) {
            ComputeBand(curve, type, freq, 30, kOneOctave, 0);
            for (double db : curve) {
                ASSERT_NEAR(db, 0.0, 1e-9) << type << " " << freq;
            }
            ComputeBand(curve, type, freq, 60, 0, 1);
            for (double db : curve) {
                ASSERT_NEAR(db, 0.0, 1e-9) << type << " " << freq;
            }
        }
    }
}

TEST(ComputeBand, ExtremeSettingsStayFinite) {
    Curve curve{};
    for (int type : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}) {
        for (int freq : {0, 200}) {
            for (int gain : {0, 60}) {
                for (int bw : {0, 59}) {
                    ComputeBand(curve, type, freq, gain, bw, 0);
                    for (double db : curve) {
                        ASSERT_TRUE(std::isfinite(db)) << type << " " << freq << " " << gain << " " << bw;
                    }
                }
            }
        }
    }
}

TEST(ComputeBand, UnknownTypesAndIndicesGiveADefinedCurve) {
    Curve curve{};
    curve.fill(7.0);
    ComputeBand(curve, 10, k1kIndex, kGain6dB, kOneOctave, 0);
    for (double db : curve) {
        EXPECT_EQ(db, 0.0);
    }
    ComputeBand(curve, -1, 500, 9999, -4, 0);
    for (double db : curve) {
        EXPECT_EQ(db, 0.0);
    }
    Curve clamped{};
    Curve reference{};
    ComputeBand(clamped, 2, 9999, 9999, 9999, 0);
    ComputeBand(reference, 2, 200, 60, 59, 0);
    EXPECT_EQ(clamped, reference);
}

TEST(CrossoverFilters, CutOffLevels) {
    Curve curve{};
    ComputeLowPass(curve, 7, k1kIndex);
    EXPECT_NEAR(curve[k1kHz], -3.01, 0.05);
    EXPECT_NEAR(curve[k20Hz], 0.0, 0.01);
    EXPECT_LT(curve[k10kHz], -75.0);
    ComputeLowPass(curve, 9, k1kIndex);
    EXPECT_NEAR(curve[k1kHz], -6.02, 0.05);
    ComputeHighPass(curve, 9, k1kIndex);
    EXPECT_NEAR(curve[k1kHz], -6.02, 0.05);
    EXPECT_NEAR(curve[k20kHz], 0.0, 0.01);
    ComputeHighPass(curve, 4, k1kIndex);
    EXPECT_NEAR(curve[k1kHz], -6.02, 0.05);
    ComputeLowPass(curve, 1, k1kIndex);
    EXPECT_NEAR(curve[k1kHz], -3.01, 0.05);
}

TEST(CrossoverFilters, EveryTypeIsUnityInItsPassBandAndCutsItsStopBand) {
    Curve low{};
    Curve high{};
    for (int type = 1; type <= 9; ++type) {
        ComputeLowPass(low, type, k1kIndex);
        ComputeHighPass(high, type, k1kIndex);
        EXPECT_NEAR(low[0], 0.0, 0.01) << type;
        EXPECT_NEAR(high[219], 0.0, 0.05) << type;
        EXPECT_LT(low[k10kHz], -15.0) << type;
        EXPECT_LT(high[k100Hz], -15.0) << type;
        EXPECT_LT(low[k1kHz], -1.0) << type;
        EXPECT_GT(low[k1kHz], -8.0) << type; // Bessel 24dB is the deepest, -7.6 dB
    }
}

TEST(CrossoverFilters, ThruAndUnknownTypesAreZero) {
    Curve curve{};
    for (int type : {0, 10, 11, -1}) {
        curve.fill(3.0);
        ComputeHighPass(curve, type, 60);
        for (double db : curve) {
            EXPECT_EQ(db, 0.0);
        }
    }
}

} // namespace
} // namespace kelo
