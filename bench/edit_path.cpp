// The edit path: one edit of a ganged output with Link on in a system of 32 units, posted to the engine's
// queue (the editor's way) against the same edit sent with synchronous SendParameter calls (the
// baseline); and a 100-step fader sweep on a line paced at 9600 bit/s.

#include "core/comm/engine/CommEngine.h"
#include "core/comm/protocol/FamilyLine.h"
#include "core/edit/FieldRef.h"
#include "core/edit/ParameterEdit.h"
#include "sim/Simulator.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

using namespace kelo;

constexpr int kUnits = 32;
constexpr FieldRef kOutput3Gain{Field::OutputGain, 2, 0};

UnitSystem gangedSystem(int units) {
    UnitSystem system(Family::Tz48P);
    for (int i = 0; i < units; ++i) {
        Unit unit{ProcessorUnit{}};
        unit.setKey(static_cast<std::uint32_t>(i));
        unit.setBusId(static_cast<std::uint32_t>(i));
        unit.processor()->live.outputGanging() = 1;
        system.appendLoadedUnit(std::move(unit));
    }
    return system;
}

/// Simulated units on line: the engine started, every identifier connected.
struct Bus {
    explicit Bus(std::vector<std::uint8_t> ids, bool paced)
        : sim(sim::SimOptions{Family::Tz48P, ids, {}, paced, true, {}}),
          engine(paced ? static_cast<Clock&>(SystemClock::instance()) : fastClock) {
        engine.setPortDevice(sim.devicePath());
        engine.SetAllStates(ConnectionState::NotUsed);
        for (const std::uint8_t id : ids) {
            ConnectionEntry entry = engine.GetConnectionEntry(id);
            entry.identifier = id;
            entry.model = kModelAny;
            entry.state = ConnectionState::ToBePolled;
            engine.SetConnectionEntry(id, entry);
        }
        engine.SetConnectionBaud(paced ? 0 : 6);
        engine.setOnlineDocument({[] {}, [] { return true; }});
        engine.StartEngine(Family::Tz48P);
        const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (std::chrono::steady_clock::now() < limit &&
               engine.GetConnectionEntry(ids.back()).state != ConnectionState::Connected) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
    ~Bus() { engine.StopEngine(); }
    bool ready(std::uint8_t id) const {
        return engine.GetConnectionEntry(id).state == ConnectionState::Connected;
    }

    sim::Simulator sim;
    FastClock fastClock{1};
    /// The paced line runs on the real clock, so the worker pauses between sweeps as in the editor.
    CommEngine engine;
};

std::vector<std::uint8_t> allIds() {
    std::vector<std::uint8_t> ids;
    for (int i = 0; i < kUnits; ++i) {
        ids.push_back(static_cast<std::uint8_t>(i));
    }
    return ids;
}

void BM_EditGangedLinkedPosted(benchmark::State& state) {
    Bus bus(allIds(), false);
    if (!bus.ready(kUnits - 1)) {
        state.SkipWithError("units not on line");
        return;
    }
    UnitSystem system = gangedSystem(kUnits);
    std::uint32_t value = 0;
    std::size_t sends = 0;
    for (auto _ : state) {
        const EditResult result = applyEdit(system, Edit{0, kOutput3Gain, value++ % 73}, EditOptions{true});
        for (const ParameterSend& send : result.sends) {
            bus.engine.PostParameter(send.busId, send.model, send.address, send.value);
        }
        sends = result.sends.size();
    }
    state.counters["sends_per_edit"] = static_cast<double>(sends);
}
BENCHMARK(BM_EditGangedLinkedPosted)->Unit(benchmark::kMicrosecond);

void BM_EditGangedLinkedSynchronous(benchmark::State& state) {
    Bus bus(allIds(), false);
    if (!bus.ready(kUnits - 1)) {
        state.SkipWithError("units not on line");
        return;
    }
    UnitSystem system = gangedSystem(kUnits);
    std::uint32_t value = 0;
    std::size_t failures = 0;
    for (auto _ : state) {
        const EditResult result = applyEdit(system, Edit{0, kOutput3Gain, value++ % 73}, EditOptions{true});
        for (const ParameterSend& send : result.sends) {
            failures +=
                bus.engine.SendParameter(send.busId, send.model, send.address.block, send.address.index,
                                         send.address.offset, send.value) != CommResult::Ok;
        }
    }
    state.counters["failures"] = static_cast<double>(failures);
}
BENCHMARK(BM_EditGangedLinkedSynchronous)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

/// 100 fader steps in one second to one unit at 9600 bit/s: the time from the last step until the unit
/// holds the final value, and the ParameterSet messages written.
void BM_FaderSweepPaced9600(benchmark::State& state) {
    Bus bus({0}, true);
    if (!bus.ready(0)) {
        state.SkipWithError("unit not on line");
        return;
    }
    std::atomic<int> written{0};
    bus.engine.setSendObserver([&](const QueuedSend&, CommResult) { ++written; });
    const ParameterAddress address{0x15, 198, 0x20};
    const std::uint8_t model = familyLine(Family::Tz48P).model;
    double settleMs = 0;
    std::uint16_t base = 0;
    for (auto _ : state) {
        written = 0;
        base = static_cast<std::uint16_t>(base == 0 ? 100 : 0);
        const auto start = std::chrono::steady_clock::now();
        for (int step = 1; step <= 100; ++step) {
            bus.engine.PostParameter(0, model, address, static_cast<std::uint16_t>(base + step));
            std::this_thread::sleep_until(start + std::chrono::milliseconds(10 * step));
        }
        const auto last = std::chrono::steady_clock::now();
        const auto finalValue = static_cast<std::uint16_t>(base + 100);
        while (bus.sim.unit(0).parameters[address] != finalValue &&
               std::chrono::steady_clock::now() - last < std::chrono::seconds(10)) {
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        settleMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - last).count();
    }
    state.counters["settle_ms"] = settleMs;
    state.counters["messages_written"] = written.load();
}
BENCHMARK(BM_FaderSweepPaced9600)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
