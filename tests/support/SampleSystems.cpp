#include "tests/support/SampleSystems.h"

#include <fstream>
#include <iterator>
#include <string>

namespace kelo::test {
namespace {

void fillProcessor(ProcessorUnit& unit, std::uint32_t seed) {
    unit.live.name = makeProgramName("LIVE PROGRAM");
    unit.live.inputs[0].gain = 40 + seed;
    unit.live.outputs[5].delayMm = 123456;
    unit.live.routingMode = 3;
    unit.live.currentProgram() = 12;
    unit.live.setOutputMute(2, 1);
    unit.live.temperature() = 77;
    for (std::size_t n = 1; n <= LiveParams::kExtraCount; ++n) {
        if (n != 16 && n != 26 && unit.live.word(n) == 0) {
            unit.live.word(n) = static_cast<std::uint32_t>(1000 + n);
        }
    }
    unit.programs[0].name = makeProgramName("USER ONE");
    unit.programs[0].used = 1;
    unit.programs[63].gates[1].range = 99;
    unit.programs[63].used = 1;
}

void fillAmp(AmpUnit& unit, std::uint32_t seed) {
    unit.live.name = makeProgramName("AMP LIVE");
    unit.live.comp[1].word(13) = 36 + seed;
    unit.live.outputs[1].bands[9].gain = 55;
    unit.live.hum[0].frequency = 100;
    unit.live.currentProgram() = 4;
    unit.live.setGanging(false);
    unit.live.setMute(1, 1);
    unit.programs[31].reserved = 0xDEADBEEF;
    unit.programs[31].used = 1;
}

} // namespace

UnitSystem sampleSystem(Family family) {
    UnitSystem system(family);
    const struct {
        std::uint32_t key;
        std::u16string name;
        std::uint32_t busId;
    } units[] = {{3, u"Main L", 1}, {7, u"Zone \u00e4\u20ac", 8}};
    for (const auto& entry : units) {
        if (family == Family::TzAmp) {
            AmpUnit unit;
            unit.key = entry.key;
            unit.name = entry.name;
            unit.live.busId() = entry.busId;
            fillAmp(unit, entry.key);
            system.appendLoadedUnit(Unit(std::move(unit)));
        } else {
            ProcessorUnit unit;
            unit.key = entry.key;
            unit.name = entry.name;
            unit.live.busId() = entry.busId;
            fillProcessor(unit, entry.key);
            system.appendLoadedUnit(Unit(std::move(unit)));
        }
    }
    return system;
}

std::string sampleFileName(Family family) {
    return "sample-" + std::string(familyKey(family)) + ".kle";
}

std::vector<std::uint8_t> fileBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::uint32_t u32At(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    return bytes.at(offset) | (bytes.at(offset + 1) << 8) | (bytes.at(offset + 2) << 16) |
           (static_cast<std::uint32_t>(bytes.at(offset + 3)) << 24);
}

} // namespace kelo::test
