#pragma once

#include "gui/panels/SpinScale.h"

namespace kelo::gui {

/// A delay field: the distance [mm] 0..maxMm shown and typed in display unit 0 "us", 1 "ms", 2 "mm" or
/// 3 "m" at a temperature index, stepping one sample, one millisecond or half a metre.
SpinScale delaySpinScale(int unit, int temperatureIndex, int maxMm);

} // namespace kelo::gui
