#pragma once

#include "core/comm/engine/CommEngine.h"
#include "core/comm/engine/NetworkScan.h"
#include "core/comm/line/Clock.h"
#include "core/units/presets/FactoryPrograms.h"
#include "sim/Simulator.h"
#include "tests/support/RecordingClock.h"

#include <filesystem>
#include <vector>

namespace kelo::test {

/// Simulated units of one family on a pseudo-terminal, an engine on a fast clock, and the factory
/// tables of a folder without a presets file. Identifiers are 0-based.
struct SimulatedBus {
    explicit SimulatedBus(Family family, std::vector<std::uint8_t> ids)
        : sim(sim::SimOptions{family, std::move(ids), {}, false, true, {}}), clock(10), engine(clock),
          factory(std::filesystem::temp_directory_path() / "kelo-no-presets", {}) {
        engine.setPortDevice(sim.devicePath());
    }
    ~SimulatedBus() { engine.StopEngine(); }

    /// Scans @p ids (all when empty) at @p baudIndex and waits for the first sweep.
    NetworkScan& scan(std::vector<std::uint32_t> ids = {}, int baudIndex = 6, bool sendAfterScan = false) {
        ScanRequest request;
        request.family = sim.family();
        request.baudIndex = baudIndex;
        request.ids = std::move(ids);
        request.sendAfterScan = sendAfterScan;
        lastScanResult = scanner.start(request);
        if (lastScanResult == CommResult::Ok) {
            scanner.waitUntilDone();
        }
        return scanner;
    }

    ConnectionState state(std::uint32_t id) const { return engine.GetConnectionEntry(id).state; }

    sim::Simulator sim;
    RecordingClock clock;
    CommEngine engine;
    FactoryPrograms factory;
    NetworkScan scanner{engine};
    CommResult lastScanResult = CommResult::Ok;
};

} // namespace kelo::test
