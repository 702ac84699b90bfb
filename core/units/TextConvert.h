#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kelo {

/// Appends code point @p cp (at most U+10FFFF) to @p out as UTF-8.
void appendUtf8(std::string& out, char32_t cp);

/// UTF-16 (unit names as stored) to UTF-8. A lone surrogate becomes U+FFFD.
std::string utf16ToUtf8(std::u16string_view text);

/// UTF-8 to UTF-16; nothing for malformed UTF-8.
std::optional<std::u16string> utf8ToUtf16(std::string_view text);

} // namespace kelo
