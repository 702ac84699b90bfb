#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace kelo {

/// Reads a value typed into an edit field: a decimal number (optional sign, decimals, exponent) at the
/// start of the text, optionally preceded by blanks, followed by nothing or directly by one of the
/// accepted unit texts, compared ignoring the case of ASCII letters.
///
/// "3.3", "3.3dB" and "3.3DB" are read as 3.3 for the unit "dB"; "3.3 dB", "abc", "nan", "inf" and
/// "3.3xyz" are refused. A number too large for a double reads as the largest double of its sign (the
/// scales then clamp it to their ends); one too small reads as zero.
/// @param text the typed text (UTF-8)
/// @param units the unit texts accepted after the number; the empty rest is always accepted
/// @return the number, or nothing when the text is refused
std::optional<double> readTypedValue(std::string_view text, std::span<const std::string_view> units);

/// Convenience form for the fields that accept a single unit text.
std::optional<double> readTypedValue(std::string_view text, std::string_view unit);

} // namespace kelo
