#pragma once

#include "core/app/SettingsStore.h"

#include <string>

namespace kelo {

/// Device path of port index 0..3 ("COM1".."COM4"): the settings value "Com1Device".."Com4Device" when
/// it is a non-empty string, else "/dev/ttyS0".."/dev/ttyS3". An index outside 0..3 is treated as 0.
std::string portDevicePath(int portIndex, const SettingsStore& settings);

} // namespace kelo
