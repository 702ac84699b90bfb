#include "core/comm/images/ImageReader.h"

namespace kelo::image {

bool ImageReader::word(std::size_t offset, std::initializer_list<Bits> fields) {
    const auto value = readWord(m_image, offset);
    if (!value) {
        return false;
    }
    for (const Bits& bits : fields) {
        bits.field = getBits(*value, bits.low, bits.width);
    }
    return true;
}

bool ImageReader::band(std::size_t offset, EqBand& band) {
    std::uint32_t code = 0;
    if (!word(offset, {{code, 0, 3}, {band.frequency, 3, 8}, {band.bandwidth, 11, 6}, {band.gain, 17, 6}})) {
        return false;
    }
    band.type = eqCodeToType(code);
    band.flat = 0;
    return true;
}

void ImageReader::name(std::size_t offset, ProgramName& name, bool /*padWithSpaces*/) {
    for (std::size_t i = 0; i < name.size() && offset + i < m_image.size(); ++i) {
        name[i] = m_image[offset + i];
    }
}

} // namespace kelo::image
