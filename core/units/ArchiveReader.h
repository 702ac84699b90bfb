#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace kelo {

/// Reads the little-endian values and archive strings of system files from a byte buffer, never past
/// its end. The first read that does not fit marks the reader failed; from then on every read returns
/// zero or empty and the position stays put, so a caller checks failed() once after a whole record.
/// The format is described in docs/system-file-format.md.
class ArchiveReader {
public:
    explicit ArchiveReader(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}

    bool failed() const { return m_failed; }
    std::size_t position() const { return m_position; }
    std::size_t remaining() const { return m_bytes.size() - m_position; }

    std::uint8_t readU8();
    std::uint16_t readU16();
    std::uint32_t readU32();
    /// Fills out completely, or fails and leaves it untouched.
    void readBytes(std::span<std::uint8_t> out);
    void skip(std::size_t count);

    /// An archive string in any of its forms: with or without the wide-character marker (0xFF 0xFFFE),
    /// with the length as u8, 0xFF + u16 or 0xFF 0xFFFF + u32. Characters of the 8-bit form are read as
    /// Latin-1. A length beyond the remaining bytes fails before anything is allocated.
    std::u16string readString();

private:
    bool take(std::size_t count);
    std::uint32_t readLength();

    std::span<const std::uint8_t> m_bytes;
    std::size_t m_position = 0;
    bool m_failed = false;
};

} // namespace kelo
