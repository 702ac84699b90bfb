#include "core/units/ProgramName.h"

#include "core/units/TextConvert.h"

#include <algorithm>

namespace kelo {

ProgramName makeProgramName(std::string_view latin1) {
    ProgramName name{};
    const std::size_t length = std::min(latin1.size(), name.size());
    for (std::size_t i = 0; i < length; ++i) {
        name[i] = static_cast<std::uint8_t>(latin1[i]);
    }
    return name;
}

std::string programNameText(const ProgramName& name) {
    std::string text;
    for (std::uint8_t byte : name) {
        if (byte == 0) {
            break;
        }
        appendUtf8(text, byte);
    }
    return text;
}

std::string programNameBytesAsText(const ProgramName& name) {
    std::string text;
    for (std::uint8_t byte : name) {
        appendUtf8(text, byte);
    }
    return text;
}

bool programNameFromBytesText(std::string_view utf8, ProgramName& name) {
    ProgramName decoded{};
    std::size_t count = 0;
    for (std::size_t i = 0; i < utf8.size(); ++count) {
        if (count == decoded.size()) {
            return false;
        }
        const auto lead = static_cast<std::uint8_t>(utf8[i]);
        if (lead < 0x80) {
            decoded[count] = lead;
            i += 1;
        } else if ((lead == 0xC2 || lead == 0xC3) && i + 1 < utf8.size()) {
            const auto trail = static_cast<std::uint8_t>(utf8[i + 1]);
            if ((trail & 0xC0) != 0x80) {
                return false;
            }
            decoded[count] = static_cast<std::uint8_t>(((lead & 0x03) << 6) | (trail & 0x3F));
            i += 2;
        } else {
            return false;
        }
    }
    if (count != decoded.size()) {
        return false;
    }
    name = decoded;
    return true;
}

} // namespace kelo
