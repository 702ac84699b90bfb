// Line exchanges against simulated units on a pseudo-terminal: one ParameterSet exchange, one status
// poll, and one background sweep over one connected and 31 unused identifiers. The baseline is the
// frame building alone, without any line.

#include "sim/Simulator.h"
#include "core/comm/engine/CommEngine.h"
#include "core/comm/protocol/MessageExchange.h"
#include "core/comm/line/PosixSerialLine.h"

#include <benchmark/benchmark.h>

#include <condition_variable>
#include <mutex>

namespace {

using namespace kelo;

std::unique_ptr<sim::Simulator> makeSimulator(bool paced) {
    sim::SimOptions options;
    options.family = Family::Tz48;
    options.ids = {3};
    options.pace = paced;
    return std::make_unique<sim::Simulator>(std::move(options));
}

void BM_ParameterSetFrameOnly(benchmark::State& state) {
    std::uint16_t value = 0;
    for (auto _ : state) {
        const auto data = encodeParameterSet({0x2A, 2, 0x10, value++});
        auto frame = encodeFrame(kModelProcessor, 3, Command::ParameterSet, data);
        benchmark::DoNotOptimize(frame);
    }
    state.counters["bytes_written"] = 13;
}
BENCHMARK(BM_ParameterSetFrameOnly);

/// range(0): 1 when the simulated unit takes as long as a 9600 bit/s line would.
void BM_ParameterSetExchange(benchmark::State& state) {
    const auto sim = makeSimulator(state.range(0) != 0);
    PosixSerialLine line(sim->devicePath());
    if (line.OpenPort() != CommResult::Ok) {
        state.SkipWithError("cannot open the pseudo-terminal");
        return;
    }
    line.InitPort(0);
    MessageExchange exchange(line, Family::Tz48);
    std::uint16_t value = 0;
    std::size_t failures = 0;
    for (auto _ : state) {
        failures += exchange.setParameter(kModelProcessor, 3, {0x2A, 2, 0x10, value++}) != CommResult::Ok;
    }
    const auto sent = static_cast<double>(sim->framesReceived());
    state.counters["bytes_written"] = benchmark::Counter(sent * 13, benchmark::Counter::kAvgIterations);
    state.counters["failures"] = static_cast<double>(failures);
}
BENCHMARK(BM_ParameterSetExchange)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_StatusPollExchange(benchmark::State& state) {
    const auto sim = makeSimulator(false);
    PosixSerialLine line(sim->devicePath());
    if (line.OpenPort() != CommResult::Ok) {
        state.SkipWithError("cannot open the pseudo-terminal");
        return;
    }
    line.InitPort(0);
    MessageExchange exchange(line, Family::Tz48);
    std::array<std::uint32_t, 18> status{};
    for (auto _ : state) {
        benchmark::DoNotOptimize(exchange.statusPoll(kModelProcessor, 3, status));
    }
}
BENCHMARK(BM_StatusPollExchange)->Unit(benchmark::kMicrosecond)->UseRealTime();

/// One sweep of the worker (the 100 ms pause between sweeps skipped by a fast clock), measured from one
/// view refresh to the next.
void BM_SweepOneConnected31Unused(benchmark::State& state) {
    const auto sim = makeSimulator(false);
    FastClock clock;
    CommEngine engine(clock);
    engine.setPortDevice(sim->devicePath());
    engine.SetAllStates(ConnectionState::NotUsed);
    engine.SetConnectionEntry(3, ConnectionEntry{3, kModelAny, ConnectionState::ToBePolled, {}, 0});
    std::mutex mutex;
    std::condition_variable changed;
    std::uint64_t sweeps = 0;
    engine.setOnlineDocument({[&] {
                                  std::lock_guard lock(mutex);
                                  ++sweeps;
                                  changed.notify_all();
                              },
                              [] { return true; }});
    engine.setViewRefresh(true);
    if (engine.StartEngine(Family::Tz48) != CommResult::Ok) {
        state.SkipWithError("engine did not start");
        return;
    }
    auto waitSweep = [&] {
        std::unique_lock lock(mutex);
        const std::uint64_t seen = sweeps;
        changed.wait(lock, [&] { return sweeps > seen; });
    };
    waitSweep();
    for (auto _ : state) {
        waitSweep();
    }
    engine.SetEngineRunning(false);
    state.counters["connected"] = engine.GetConnectionEntry(3).state == ConnectionState::Connected;
    engine.StopEngine();
}
BENCHMARK(BM_SweepOneConnected31Unused)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
