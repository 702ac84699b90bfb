#pragma once

#include "core/comm/images/ImageWriter.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>

namespace kelo::image {

/// Reads a received image back into the records through the same field walks as ImageWriter. It never
/// looks past the bytes received: a word that is not wholly there leaves its fields as they were, and
/// only the name bytes present are taken.
class ImageReader {
public:
    explicit ImageReader(std::span<const std::uint8_t> image) : m_image(image) {}

    /// Sets the fields from the word at offset. @return false (fields untouched) when it is not there.
    bool word(std::size_t offset, std::initializer_list<Bits> fields);

    /// Reads a band word; the type code becomes the type index and the flat flag is cleared.
    bool band(std::size_t offset, EqBand& band);

    /// Takes the name bytes present, as they are (padding spaces included).
    void name(std::size_t offset, ProgramName& name, bool padWithSpaces);

private:
    std::span<const std::uint8_t> m_image;
};

} // namespace kelo::image
