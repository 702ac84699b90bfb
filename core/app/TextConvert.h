#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kelo {

/// UTF-16 (unit names as stored) to UTF-8. A lone surrogate becomes U+FFFD.
std::string utf16ToUtf8(std::u16string_view text);

/// UTF-8 to UTF-16; nothing for malformed UTF-8.
std::optional<std::u16string> utf8ToUtf16(std::string_view text);

} // namespace kelo
