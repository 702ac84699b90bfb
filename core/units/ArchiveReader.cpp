#include "core/units/ArchiveReader.h"

#include <algorithm>

namespace kelo {
namespace {

constexpr std::uint8_t kLongLength8 = 0xFF;
constexpr std::uint16_t kWideMarker = 0xFFFE;
constexpr std::uint16_t kLongLength16 = 0xFFFF;

} // namespace

bool ArchiveReader::take(std::size_t count) {
    if (m_failed || count > remaining()) {
        m_failed = true;
        return false;
    }
    return true;
}

std::uint8_t ArchiveReader::readU8() {
    if (!take(1)) {
        return 0;
    }
    return m_bytes[m_position++];
}

std::uint16_t ArchiveReader::readU16() {
    if (!take(2)) {
        return 0;
    }
    const auto value = static_cast<std::uint16_t>(m_bytes[m_position] | (m_bytes[m_position + 1] << 8));
    m_position += 2;
    return value;
}

std::uint32_t ArchiveReader::readU32() {
    if (!take(4)) {
        return 0;
    }
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value |= static_cast<std::uint32_t>(m_bytes[m_position + i]) << (8 * i);
    }
    m_position += 4;
    return value;
}

void ArchiveReader::readBytes(std::span<std::uint8_t> out) {
    if (!take(out.size())) {
        return;
    }
    std::copy_n(m_bytes.begin() + static_cast<std::ptrdiff_t>(m_position), out.size(), out.begin());
    m_position += out.size();
}

void ArchiveReader::skip(std::size_t count) {
    if (take(count)) {
        m_position += count;
    }
}

std::uint32_t ArchiveReader::readLength() {
    const std::uint8_t short8 = readU8();
    if (short8 < kLongLength8) {
        return short8;
    }
    const std::uint16_t long16 = readU16();
    if (long16 < kLongLength16) {
        return long16;
    }
    return readU32();
}

std::u16string ArchiveReader::readString() {
    bool wide = false;
    std::uint32_t length = 0;
    const std::uint8_t short8 = readU8();
    if (short8 < kLongLength8) {
        length = short8;
    } else {
        const std::uint16_t long16 = readU16();
        if (long16 == kWideMarker) {
            wide = true;
            length = readLength();
        } else if (long16 < kLongLength16) {
            length = long16;
        } else {
            length = readU32();
        }
    }
    const std::size_t byteCount = static_cast<std::size_t>(length) * (wide ? 2 : 1);
    if (!take(byteCount)) {
        return {};
    }
    std::u16string text(length, u'\0');
    for (std::size_t i = 0; i < length; ++i) {
        text[i] =
            wide ? static_cast<char16_t>(m_bytes[m_position + 2 * i] | (m_bytes[m_position + 2 * i + 1] << 8))
                 : static_cast<char16_t>(m_bytes[m_position + i]);
    }
    m_position += byteCount;
    return text;
}

} // namespace kelo
