#include "core/comm/images/ImageWriter.h"

namespace kelo::image {

bool ImageWriter::word(std::size_t offset, std::initializer_list<Bits> fields) {
    std::uint32_t value = 0;
    for (const Bits& bits : fields) {
        value = putBits(value, bits.field, bits.low, bits.width);
    }
    writeWord(m_image, offset, value);
    return true;
}

bool ImageWriter::band(std::size_t offset, EqBand& band) {
    std::uint32_t code = eqTypeToCode(band.type);
    return word(offset, {{code, 0, 3}, {band.frequency, 3, 8}, {band.bandwidth, 11, 6}, {band.gain, 17, 6}});
}

void ImageWriter::name(std::size_t offset, ProgramName& name, bool padWithSpaces) {
    bool ended = false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        ended = ended || (padWithSpaces && name[i] == 0);
        m_image[offset + i] = ended ? std::uint8_t{0x20} : name[i];
    }
}

} // namespace kelo::image
