#pragma once

#include <optional>
#include <string_view>

namespace kelo {

/// The three device families. They differ in data (model byte, record sizes, program numbering),
/// never in copies of code: anything family-specific is looked up from a value of this type.
enum class Family { Tz48, Tz48P, TzAmp };

/// Short name used on the command line and in JSON: "tz48", "tz48p" or "amp".
std::string_view familyKey(Family family);

/// Reverse of familyKey(); nothing for an unknown name.
std::optional<Family> familyFromKey(std::string_view key);

} // namespace kelo
