#include "core/units/processor/LiveParams.h"

namespace kelo {

std::uint32_t LiveParams::outputMute(std::size_t output) const {
    return output < kOutputCount ? word(kFirstMuteWord + output) : 0;
}

void LiveParams::setOutputMute(std::size_t output, std::uint32_t mute) {
    if (output < kOutputCount) {
        word(kFirstMuteWord + output) = mute;
    }
}

} // namespace kelo
