#pragma once

#include "core/units/UnitSystem.h"

#include <nlohmann/json.hpp>

#include <stdexcept>
#include <string>

namespace kelo::cli {

/// A JSON document that does not describe a system; what() names the offending place ("units[0].live.name").
class JsonFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// The whole system as JSON: every stored index as an unsigned integer, nothing converted. Program
/// names carry their 12 bytes as code points U+0000..U+00FF; unit names their text.
nlohmann::ordered_json systemToJson(const UnitSystem& system);

/// The reverse of systemToJson(). Throws JsonFormatError for a missing member, a wrong type, a number
/// outside u32, an array of the wrong length or a name that does not fit.
UnitSystem systemFromJson(const nlohmann::json& json);

} // namespace kelo::cli
