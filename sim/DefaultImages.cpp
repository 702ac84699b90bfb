#include "sim/DefaultImages.h"

#include "core/comm/images/AmpImage.h"
#include "core/comm/images/ProcessorImage.h"
#include "core/units/amp/AmpUnit.h"
#include "core/units/presets/FactoryPrograms.h"

namespace kelo::sim {

std::vector<std::uint8_t> defaultSettingsImage(Family family, std::uint8_t id) {
    if (family == Family::TzAmp) {
        AmpUnit unit = makeAmpUnit();
        unit.live.busId() = id;
        const auto image = amp_image::encodeSettings(unit.live);
        return {image.begin(), image.end()};
    }
    ProcessorUnit unit = makeProcessorUnit(family);
    unit.live.busId() = id;
    const auto image = processor_image::encodeSettings(unit.live, family);
    return {image.begin(), image.end()};
}

} // namespace kelo::sim
