#include "core/units/ArchiveWriter.h"

namespace kelo {

void ArchiveWriter::writeU16(std::uint16_t value) {
    m_bytes.push_back(static_cast<std::uint8_t>(value & 0xFF));
    m_bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

void ArchiveWriter::writeU32(std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        m_bytes.push_back(static_cast<std::uint8_t>((value >> (8 * i)) & 0xFF));
    }
}

void ArchiveWriter::writeString(const std::u16string& text) {
    writeU8(0xFF);
    writeU16(0xFFFE);
    const std::size_t length = text.size();
    if (length < 0xFF) {
        writeU8(static_cast<std::uint8_t>(length));
    } else if (length < 0xFFFE) {
        writeU8(0xFF);
        writeU16(static_cast<std::uint16_t>(length));
    } else {
        writeU8(0xFF);
        writeU16(0xFFFF);
        writeU32(static_cast<std::uint32_t>(length));
    }
    for (char16_t unit : text) {
        writeU16(static_cast<std::uint16_t>(unit));
    }
}

} // namespace kelo
