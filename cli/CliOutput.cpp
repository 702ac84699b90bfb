#include "cli/CliOutput.h"

#include <array>
#include <cstdint>

namespace kelo::cli {

bool finishOutput(CliContext& context) {
    context.out.flush();
    if (context.out) {
        return true;
    }
    context.err << "Cannot write to standard output: the output is incomplete.\n";
    context.err.flush();
    context.exitCode = 1;
    return false;
}

std::string printableText(std::string_view utf8) {
    constexpr std::array<char, 16> kHex{'0', '1', '2', '3', '4', '5', '6', '7',
                                        '8', '9', 'A', 'B', 'C', 'D', 'E', 'F'};
    const auto hex = [&](std::string& text, unsigned value) {
        text += "\\x";
        text += kHex[(value >> 4) & 0xFU];
        text += kHex[value & 0xFU];
    };
    std::string text;
    text.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<std::uint8_t>(utf8[i]);
        if (byte == '\t') {
            text += "\\t";
        } else if (byte == '\n') {
            text += "\\n";
        } else if (byte == '\r') {
            text += "\\r";
        } else if (byte == '\\') {
            text += "\\\\";
        } else if (byte < 0x20 || byte == 0x7F) {
            hex(text, byte);
        } else if (byte == 0xC2 && i + 1 < utf8.size() && static_cast<std::uint8_t>(utf8[i + 1]) >= 0x80 &&
                   static_cast<std::uint8_t>(utf8[i + 1]) <= 0x9F) {
            // U+0080..U+009F: the C1 controls, CSI (U+009B) among them.
            hex(text, static_cast<std::uint8_t>(utf8[++i]));
        } else {
            text += static_cast<char>(byte);
        }
    }
    return text;
}

} // namespace kelo::cli
