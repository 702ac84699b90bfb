#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kelo {

/// A stored program name: 12 single-byte characters, no terminator.
using ProgramName = std::array<std::uint8_t, 12>;

/// Builds a program name from Latin-1 text: the first 12 bytes, the rest filled with zero bytes.
ProgramName makeProgramName(std::string_view latin1);

/// The shown text: the bytes up to the first zero byte, at most 12, each byte as the code point of
/// the same value (Latin-1), returned as UTF-8.
std::string programNameText(const ProgramName& name);

/// All 12 bytes, each as the code point U+0000..U+00FF of the same value, as UTF-8 (what JSON carries).
std::string programNameBytesAsText(const ProgramName& name);

/// Reverse of programNameBytesAsText(): nothing when the text is not 12 code points below U+0100.
bool programNameFromBytesText(std::string_view utf8, ProgramName& name);

} // namespace kelo
