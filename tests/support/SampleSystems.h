#pragma once

#include "core/units/UnitSystem.h"

#include <cstdint>
#include <filesystem>
#include <vector>

namespace kelo::test {

/// A known two-unit system of the family, built from record defaults and fixed values only (no presets
/// file involved), so tests and the golden files in tests/data agree byte for byte:
/// unit key 3 "Main L" ID 2, unit key 7 "Zone ä€" ID 9; distinctive values at known places
/// (see SampleSystems.cpp).
UnitSystem sampleSystem(Family family);

/// Name of the golden file of sampleSystem(family) in tests/data: "sample-tz48.kle" and so on.
std::string sampleFileName(Family family);

/// Bytes of a file.
std::vector<std::uint8_t> fileBytes(const std::filesystem::path& path);

/// Little-endian u32 at offset.
std::uint32_t u32At(const std::vector<std::uint8_t>& bytes, std::size_t offset);

} // namespace kelo::test
