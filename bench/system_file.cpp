// Reading and writing a system file of eight 2-in/6-out units (about 600 KB). The baseline copies the
// same bytes, so the figures show what parsing and encoding add on top of moving the data.

#include "core/app/SystemFile.h"
#include "core/units/processor/ProcessorUnit.h"

#include <benchmark/benchmark.h>

#include <cstring>

namespace {

using namespace kelo;

std::vector<std::uint8_t> sampleFile() {
    UnitSystem system(Family::Tz48);
    for (std::uint32_t key = 0; key < 8; ++key) {
        ProcessorUnit unit;
        unit.key = key;
        unit.live.busId() = key;
        system.appendLoadedUnit(Unit(std::move(unit)));
    }
    return writeSystemFile(system);
}

void BM_CopyBaseline(benchmark::State& state) {
    const std::vector<std::uint8_t> bytes = sampleFile();
    std::vector<std::uint8_t> copy(bytes.size());
    for (auto _ : state) {
        std::memcpy(copy.data(), bytes.data(), bytes.size());
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_CopyBaseline);

void BM_ReadSystemFile(benchmark::State& state) {
    const std::vector<std::uint8_t> bytes = sampleFile();
    for (auto _ : state) {
        SystemFileReadResult result = readSystemFile(bytes);
        benchmark::DoNotOptimize(result);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_ReadSystemFile);

void BM_WriteSystemFile(benchmark::State& state) {
    const std::vector<std::uint8_t> bytes = sampleFile();
    const SystemFileReadResult read = readSystemFile(bytes);
    for (auto _ : state) {
        std::vector<std::uint8_t> written = writeSystemFile(*read.system);
        benchmark::DoNotOptimize(written.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_WriteSystemFile);

} // namespace

BENCHMARK_MAIN();
