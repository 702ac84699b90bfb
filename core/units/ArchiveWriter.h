#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace kelo {

/// Appends little-endian values and archive strings to a byte buffer (docs/system-file-format.md).
class ArchiveWriter {
public:
    explicit ArchiveWriter(std::vector<std::uint8_t>& bytes) : m_bytes(bytes) {}

    void writeU8(std::uint8_t value) { m_bytes.push_back(value); }
    void writeU16(std::uint16_t value);
    void writeU32(std::uint32_t value);
    void writeBytes(std::span<const std::uint8_t> bytes) {
        m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
    }

    /// Always the wide form: 0xFF, u16 0xFFFE, the length in UTF-16 code units (u8 below 255, else 0xFF +
    /// u16 below 0xFFFE, else 0xFF, u16 0xFFFF, u32), then the code units, no terminator.
    void writeString(const std::u16string& text);

private:
    std::vector<std::uint8_t>& m_bytes;
};

} // namespace kelo
