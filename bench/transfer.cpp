// Whole-unit transfers of one Tz48 unit with 64 used programs against a simulated unit that takes as long
// as a real line at the speed in use. Each run reports its time against the floor: the bytes that travel
// in both directions at that speed (10 bit times per byte) plus the pauses the sequence prescribes.

#include "sim/Simulator.h"
#include "core/comm/engine/CommEngine.h"
#include "core/comm/protocol/FamilyLine.h"
#include "core/comm/engine/NetworkScan.h"
#include "core/comm/images/ProcessorImage.h"
#include "core/comm/images/TransferPlan.h"
#include "core/comm/engine/UnitTransfer.h"
#include "core/units/presets/FactoryPrograms.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>

namespace {

using namespace kelo;

constexpr Family kFamily = Family::Tz48;
constexpr std::uint8_t kId = 0;

// Bytes of one image moved either way: DumpRequest, DumpAck, the block, DumpAck.
double imageBytes(std::size_t packed) {
    return static_cast<double>((kFrameOverhead + 2) + (kFrameOverhead + 1) +
                               (kFrameOverhead + 3 + packed + 3) + (kFrameOverhead + 1));
}

double wireSeconds(int baudIndex) {
    const FamilyLine& line = familyLine(kFamily);
    const double bytes = imageBytes(line.settingsPackedBytes) +
                         transferPlan(kFamily).userProgramCount * imageBytes(line.programPackedBytes);
    return bytes * 10.0 / baudRateOf(baudIndex);
}

UnitParams usedProgram(std::uint32_t slot) {
    UnitParams program;
    program.name = makeProgramName("Bench " + std::to_string(100000 + slot));
    program.sumDelayMm = slot;
    program.used = 1;
    return program;
}

/// A paced simulated unit brought on line at @p baudIndex.
struct OnLineUnit {
    explicit OnLineUnit(int baudIndex)
        : sim(sim::SimOptions{kFamily, {kId}, {}, true, true, {}}),
          factory(std::filesystem::temp_directory_path() / "kelo-bench-no-presets", {}) {
        for (std::uint32_t slot = 0; slot < 64; ++slot) {
            const auto image = processor_image::encodeProgram(usedProgram(slot));
            sim.setProgramImage(kId, slot, std::vector<std::uint8_t>(image.begin(), image.end()));
        }
        engine.setPortDevice(sim.devicePath());
        ScanRequest request;
        request.family = kFamily;
        request.baudIndex = baudIndex;
        request.ids = {kId};
        online = scan.start(request) == CommResult::Ok && scan.waitUntilDone() &&
                 scan.reachedBaudIndex() == baudIndex && !scan.connectedIds().empty();
    }
    ~OnLineUnit() { engine.StopEngine(); }

    sim::Simulator sim;
    CommEngine engine;
    NetworkScan scan{engine};
    FactoryPrograms factory;
    bool online = false;
};

void report(benchmark::State& state, double measured, double floor) {
    state.counters["floor_s"] = floor;
    state.counters["measured_s"] = measured;
    state.counters["over_floor_pct"] = (measured / floor - 1.0) * 100.0;
}

/// range(0): baud-rate index (6 = 115200, 0 = 9600 bit/s).
void BM_ReadUnit64Programs(benchmark::State& state) {
    const int baud = static_cast<int>(state.range(0));
    OnLineUnit unit(baud);
    if (!unit.online) {
        state.SkipWithError("the simulated unit did not come on line");
        return;
    }
    const TransferPlan& plan = transferPlan(kFamily);
    double pausesMs = plan.readEndPauseMs;
    for (int pause : plan.readGroupPausesMs) {
        pausesMs += pause;
    }
    double measured = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        ReadUnitResult read = UnitTransfer(unit.engine, kFamily, unit.factory).ReadUnit(kId);
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        if (read.result != CommResult::Ok) {
            state.SkipWithError("the read failed");
            return;
        }
        measured = elapsed.count();
        state.SetIterationTime(measured);
    }
    report(state, measured, wireSeconds(baud) + pausesMs / 1000.0);
}
BENCHMARK(BM_ReadUnit64Programs)
    ->Arg(6)
    ->Arg(0)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_SendUnit64Programs(benchmark::State& state) {
    const int baud = static_cast<int>(state.range(0));
    OnLineUnit unit(baud);
    if (!unit.online) {
        state.SkipWithError("the simulated unit did not come on line");
        return;
    }
    Unit record(makeProcessorUnit(kFamily, unit.factory));
    for (std::uint32_t slot = 0; slot < 64; ++slot) {
        record.processor()->programs[slot] = usedProgram(slot);
    }
    record.setBusId(kId);
    const TransferPlan& plan = transferPlan(kFamily);
    const double pausesMs = kTransferTimeoutPauseMs + plan.settingsPauseMs + plan.sendEndPauseMs;
    double measured = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const CommResult result = UnitTransfer(unit.engine, kFamily, unit.factory).SendUnit(record);
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        if (result != CommResult::Ok) {
            state.SkipWithError("the send failed");
            return;
        }
        measured = elapsed.count();
        state.SetIterationTime(measured);
    }
    report(state, measured, wireSeconds(baud) + pausesMs / 1000.0);
}
BENCHMARK(BM_SendUnit64Programs)
    ->Arg(6)
    ->Arg(0)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
