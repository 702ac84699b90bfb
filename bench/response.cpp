// Response curves recomputed while a band handle is dragged: one output channel (crossover and five
// bands) and the whole Global composition of a unit, against the straightforward evaluation that
// recomputes the trigonometry and one logarithm per section for every curve.

#include "core/scales/ChannelResponse.h"
#include "core/scales/FilterResponse.h"
#include "core/scales/GlobalResponse.h"
#include "core/scales/RuleScale.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

using namespace kelo;

UnitParams busyUnit() {
    UnitParams params;
    params.routingMode = 0;
    for (std::size_t i = 0; i < 2; ++i) {
        for (std::uint32_t b = 0; b < 5; ++b) {
            params.inputs[i].bands[b] = {b == 4 ? 9 : b, 40 + 30 * b, 19, 36 + b, 0};
        }
    }
    for (std::uint32_t o = 0; o < 6; ++o) {
        OutputChannel& out = params.outputs[o];
        out.crossover = {9, 150 + o, 0, 8, 50 + o};
        for (std::uint32_t b = 0; b < 5; ++b) {
            out.bands[b] = {2, 60 + 25 * b + o, 12, 24 + b, 0};
        }
        out.gain = 56;
    }
    return params;
}

// The baseline: every curve evaluates its sections with its own trigonometry and logarithms.
void naiveCurve(Curve& curve, const BiquadSection& a, const BiquadSection& b) {
    const auto& grid = responseFrequencyGrid();
    for (std::size_t g = 0; g < kResponsePointCount; ++g) {
        const double w = grid[g] * 6.2831852 / 48000;
        double db = 0.0;
        for (const BiquadSection* s : {&a, &b}) {
            const double nRe = s->b0 + s->b1 * std::cos(w) + s->b2 * std::cos(2 * w);
            const double nIm = s->b1 * std::sin(w) + s->b2 * std::sin(2 * w);
            const double dRe = 1 + s->a1 * std::cos(w) + s->a2 * std::cos(2 * w);
            const double dIm = s->a1 * std::sin(w) + s->a2 * std::sin(2 * w);
            db += 10 * std::log10((nRe * nRe + nIm * nIm) / (dRe * dRe + dIm * dIm));
        }
        curve[g] = db;
    }
}

void naiveBands(Curve& total, const std::array<EqBand, 5>& bands) {
    Curve curve{};
    for (const EqBand& band : bands) {
        naiveCurve(curve, bandSection(band.type, band.frequency, band.gain, band.bandwidth, band.flat), {});
        for (std::size_t g = 0; g < kResponsePointCount; ++g) {
            total[g] += curve[g];
        }
    }
}

void naiveChannel(Curve& total, const OutputChannel& out) {
    Curve curve{};
    total.fill(0.0);
    const SectionPair low =
        crossoverSections(true, out.crossover.lowPassType, out.crossover.lowPassFrequency);
    naiveCurve(curve, low.a, low.b);
    for (std::size_t g = 0; g < kResponsePointCount; ++g) {
        total[g] += curve[g];
    }
    const SectionPair high =
        crossoverSections(false, out.crossover.highPassType, out.crossover.highPassFrequency);
    naiveCurve(curve, high.a, high.b);
    for (std::size_t g = 0; g < kResponsePointCount; ++g) {
        total[g] += curve[g];
    }
    naiveBands(total, out.bands);
}

void BM_ChannelNaive(benchmark::State& state) {
    const UnitParams params = busyUnit();
    Curve total{};
    for (auto _ : state) {
        naiveChannel(total, params.outputs[2]);
        benchmark::DoNotOptimize(total.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ChannelNaive);

void BM_Channel(benchmark::State& state) {
    const UnitParams params = busyUnit();
    ChannelResponse response;
    for (auto _ : state) {
        ComputeChannel(response, params.outputs[2].crossover, params.outputs[2].bands);
        benchmark::DoNotOptimize(response.total.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Channel);

void BM_GlobalNaive(benchmark::State& state) {
    const UnitParams params = busyUnit();
    std::array<Curve, 6> curves{};
    for (auto _ : state) {
        for (std::size_t o = 0; o < 6; ++o) {
            naiveChannel(curves[o], params.outputs[o]);
            naiveBands(curves[o], params.inputs[inputFeedingOutput(params.routingMode, o)].bands);
            const double gain = ProcessorGainScale.value(params.outputs[o].gain);
            for (double& db : curves[o]) {
                db += gain;
            }
        }
        benchmark::DoNotOptimize(curves.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_GlobalNaive);

void BM_Global(benchmark::State& state) {
    const UnitParams params = busyUnit();
    std::array<Curve, 6> curves{};
    for (auto _ : state) {
        composeGlobalCurves(curves, params, {});
        benchmark::DoNotOptimize(curves.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Global);

} // namespace

BENCHMARK_MAIN();
