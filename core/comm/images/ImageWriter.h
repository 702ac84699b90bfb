#pragma once

#include "core/comm/images/ImageWords.h"
#include "core/units/ProgramName.h"
#include "core/units/processor/EqBand.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>

namespace kelo::image {

/// One bit field of an image word and the record field it carries.
struct Bits {
    std::uint32_t& field;
    unsigned low;
    unsigned width;
};

/// Builds an image: every word is assembled from its bit fields and written little-endian. Shares the
/// field walks of the images with ImageReader, so building and reading cannot drift apart.
class ImageWriter {
public:
    /// REQUIRES: image is as long as the walk's last word; it should start zero-filled.
    explicit ImageWriter(std::span<std::uint8_t> image) : m_image(image) {}

    /// Writes the word at offset made of the given fields. @return true (the word is always there).
    bool word(std::size_t offset, std::initializer_list<Bits> fields);

    /// Writes a band word: type code, frequency, bandwidth, gain. The flat flag is not carried.
    bool band(std::size_t offset, EqBand& band);

    /// Writes the 12 name bytes; with padWithSpaces, the bytes from the first zero byte on become spaces.
    void name(std::size_t offset, ProgramName& name, bool padWithSpaces);

private:
    std::span<std::uint8_t> m_image;
};

} // namespace kelo::image
