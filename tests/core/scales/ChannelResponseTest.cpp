#include "core/scales/ChannelResponse.h"
#include "core/scales/FilterResponse.h"
#include "core/scales/GlobalResponse.h"

#include <gtest/gtest.h>

#include <vector>

namespace kelo {
namespace {

constexpr std::size_t k1kHz = 132;
constexpr std::size_t k20Hz = 20;

CrossoverSection crossover(std::uint32_t lpType, std::uint32_t lpFreq, std::uint32_t hpType,
                           std::uint32_t hpFreq) {
    return {lpType, lpFreq, 0, hpType, hpFreq};
}

void expectCurveNear(const Curve& a, const Curve& b, double tolerance) {
    for (std::size_t g = 0; g < kResponsePointCount; ++g) {
        ASSERT_NEAR(a[g], b[g], tolerance) << "point " << g;
    }
}

Curve bandCurve(std::int64_t type, std::int64_t freq, std::int64_t gain = 30) {
    Curve curve{};
    ComputeBand(curve, type, freq, gain, 19, 0);
    return curve;
}

TEST(ComputeChannel, TotalIsTheSumOfItsCurves) {
    std::vector<EqBand> bands(5);
    bands[0] = {2, 100, 19, 45, 0};
    bands[1] = {0, 40, 19, 20, 0};
    bands[2] = {9, 150, 5, 30, 0};
    bands[3] = {3, 170, 19, 50, 1};
    bands[4] = {4, 180, 19, 10, 0};
    ChannelResponse response;
    ComputeChannel(response, crossover(8, 170, 5, 40), bands);
    ASSERT_EQ(response.bandCount, 5U);
    for (std::size_t g = 0; g < kResponsePointCount; ++g) {
        double sum = response.lowPass[g] + response.highPass[g];
        for (std::size_t b = 0; b < 5; ++b) {
            sum += response.bands[b][g];
        }
        EXPECT_NEAR(response.total[g], sum, 1e-9);
    }
    expectCurveNear(response.bands[0], bandCurve(2, 100, 45), 0.0);
    for (double db : response.bands[3]) {
        EXPECT_EQ(db, 0.0); // flat
    }
}

TEST(ComputeChannel, LinkRiley48LowPassBorrowsTheLastTwoBands) {
    std::vector<EqBand> bands(5, EqBand{9, 120, 19, 30, 0}); // notches the borrowing must override
    ChannelResponse response;
    ComputeChannel(response, crossover(10, 120, 0, 60), bands);
    EXPECT_NEAR(response.lowPass[k1kHz], -3.01, 0.05); // the crossover's own half
    EXPECT_NEAR(response.lowPass[k1kHz] + response.bands[3][k1kHz] + response.bands[4][k1kHz], -6.02, 0.05);
    expectCurveNear(response.bands[3], bandCurve(6, 120), 0.0);
    expectCurveNear(response.bands[4], bandCurve(5, 120), 0.0);
    expectCurveNear(response.bands[2], bandCurve(9, 120), 0.0);
}

TEST(ComputeChannel, LinkRiley48OfBothFiltersBorrowsFourBands) {
    const std::vector<EqBand> bands(5);
    ChannelResponse response;
    ComputeChannel(response, crossover(10, 160, 10, 60), bands);
    expectCurveNear(response.bands[1], bandCurve(8, 60), 0.0);
    expectCurveNear(response.bands[2], bandCurve(7, 60), 0.0);
    expectCurveNear(response.bands[3], bandCurve(6, 160), 0.0);
    expectCurveNear(response.bands[4], bandCurve(5, 160), 0.0);
    // A 48 dB high-pass at 125 Hz: -6 dB at its corner, unity far above it.
    EXPECT_NEAR(response.highPass[72] + response.bands[1][72] + response.bands[2][72], -6.02, 0.05);
    EXPECT_NEAR(response.total[k1kHz], 0.0, 0.01);

    ComputeChannel(response, crossover(0, 160, 10, 60), bands);
    expectCurveNear(response.bands[3], bandCurve(8, 60), 0.0);
    expectCurveNear(response.bands[4], bandCurve(7, 60), 0.0);
    expectCurveNear(response.bands[2], bandCurve(2, 140), 0.0);
}

TEST(ComputeChannel, TenBandChannelsBorrowBandsSixToNine) {
    const std::vector<EqBand> bands(10, EqBand{2, 120, 19, 60, 0});
    ChannelResponse response;
    ComputeChannel(response, crossover(10, 160, 10, 60), bands);
    ASSERT_EQ(response.bandCount, 10U);
    expectCurveNear(response.bands[5], bandCurve(2, 120, 60), 0.0);
    expectCurveNear(response.bands[6], bandCurve(8, 60), 0.0);
    expectCurveNear(response.bands[7], bandCurve(7, 60), 0.0);
    expectCurveNear(response.bands[8], bandCurve(6, 160), 0.0);
    expectCurveNear(response.bands[9], bandCurve(5, 160), 0.0);
}

TEST(ComputeChannel, DamagedRecordsGiveDefinedCurves) {
    std::vector<EqBand> bands(12, EqBand{77, 9999, 9999, 9999, 0});
    ChannelResponse response;
    ComputeChannel(response, crossover(4000000000U, 9999, 11, 9999), bands);
    EXPECT_EQ(response.bandCount, kMaxChannelBands);
    for (double db : response.total) {
        EXPECT_EQ(db, 0.0);
    }
}

TEST(AccumulateChannel, MatchesTheTotalOfComputeChannel) {
    std::vector<EqBand> bands(5);
    bands[0] = {1, 30, 10, 55, 0};
    bands[1] = {2, 120, 0, 5, 0};
    bands[2] = {9, 90, 30, 30, 0};
    for (const auto& xo : {crossover(10, 150, 10, 20), crossover(6, 10, 3, 0), crossover(0, 0, 10, 200),
                           crossover(9, 100, 4, 30)}) {
        ChannelResponse response;
        ComputeChannel(response, xo, bands);
        PowerAccumulator power;
        accumulateChannel(power, xo, bands);
        Curve total{};
        power.writeDb(total);
        expectCurveNear(total, response.total, 1e-9);
    }
}

UnitParams unitWithDistinctInputs() {
    UnitParams params;
    params.inputs[0].bands[0] = {2, 120, 19, 50, 0}; // A: +10 dB at 1 kHz
    params.inputs[1].bands[0] = {2, 120, 19, 10, 0}; // B: -10 dB at 1 kHz
    for (OutputChannel& output : params.outputs) {
        output.crossover = crossover(0, 120, 0, 60);
        output.gain = 60;
    }
    return params;
}

TEST(GlobalCurves, InputEqFollowsTheRoutingCode) {
    UnitParams params = unitWithDistinctInputs();
    params.routingMode = 1; // *A135B246*
    std::array<Curve, 6> curves{};
    composeGlobalCurves(curves, params, {});
    for (std::size_t o = 0; o < 6; ++o) {
        EXPECT_NEAR(curves[o][k1kHz], o % 2 == 0 ? 10.0 : -10.0, 0.01) << "output " << o + 1;
    }
    params.routingMode = 3; // *A123B4S56*: the sum outputs carry input A's EQ
    composeGlobalCurves(curves, params, {});
    EXPECT_NEAR(curves[3][k1kHz], -10.0, 0.01);
    EXPECT_NEAR(curves[4][k1kHz], 10.0, 0.01);
    EXPECT_NEAR(curves[5][k1kHz], 10.0, 0.01);
    EXPECT_EQ(inputFeedingOutput(0, 1), 1U);
    EXPECT_EQ(inputFeedingOutput(0, 5), 0U);
    EXPECT_EQ(inputFeedingOutput(5, 4), 1U);
    EXPECT_EQ(inputFeedingOutput(200, 5), 1U); // clamps to mode 7
    EXPECT_EQ(inputFeedingOutput(1, 6), 0U);
}

TEST(GlobalCurves, SwitchesAndGains) {
    UnitParams params = unitWithDistinctInputs();
    params.outputs[0].gain = 72;
    params.outputs[1].gain = 99; // beyond the fader: clamps to +6 dB
    params.outputs[2].gain = 0;
    params.outputs[3].crossover = crossover(9, 120, 0, 60);
    std::array<Curve, 6> curves{};
    composeGlobalCurves(curves, params, {false, true, false});
    EXPECT_NEAR(curves[0][k20Hz], 6.0, 1e-9);
    EXPECT_NEAR(curves[1][k20Hz], 6.0, 1e-9);
    EXPECT_NEAR(curves[2][k1kHz], -30.0, 1e-9);
    EXPECT_NEAR(curves[3][k1kHz], 0.0, 1e-9);
    composeGlobalCurves(curves, params, {false, false, true});
    EXPECT_NEAR(curves[3][k1kHz], -6.02, 0.05);
    EXPECT_NEAR(curves[0][k1kHz], 0.0, 1e-9);
    composeGlobalCurves(curves, params, {false, false, false});
    for (const Curve& curve : curves) {
        for (double db : curve) {
            EXPECT_EQ(db, 0.0);
        }
    }
}

TEST(GlobalCurves, AmplifierIgnoresTheChannelInputEq) {
    AmpParams params;
    params.inputs[0].bands[0] = {2, 120, 19, 60, 0};
    params.outputs[0].crossover = crossover(0, 120, 0, 120);
    params.outputs[1].crossover = crossover(10, 120, 0, 120);
    params.outputs[0].gain = 99;
    params.outputs[1].gain = 0;
    std::array<Curve, 2> curves{};
    composeGlobalCurves(curves, params, {true, true, true});
    EXPECT_NEAR(curves[0][k1kHz], 0.0, 1e-9);
    EXPECT_NEAR(curves[1][k1kHz], -49.5 - 6.02, 0.05);
    composeGlobalCurves(curves, params, {true, true, false});
    EXPECT_NEAR(curves[1][k1kHz], -49.5, 1e-9);
}

} // namespace
} // namespace kelo
