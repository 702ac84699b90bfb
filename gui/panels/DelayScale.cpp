#include "gui/panels/DelayScale.h"

#include "core/scales/DelayConversion.h"
#include "core/scales/NameList.h"
#include "core/scales/ScaleFormat.h"
#include "core/scales/TypedValue.h"

#include <algorithm>
#include <cmath>

namespace kelo::gui {

SpinScale delaySpinScale(int unit, int temperatureIndex, int maxMm) {
    unit = std::clamp(unit, 0, 3);
    const int top = std::max(0, maxMm);
    SpinScale scale;
    scale.minIndex = 0;
    scale.maxIndex = top;
    scale.text = [unit, temperatureIndex](int mm) {
        return QString::fromStdString(DelayText(mm, unit, temperatureIndex));
    };
    scale.parse = [unit, temperatureIndex, top](const QString& typed) -> std::optional<int> {
        const std::string unitText = DelayUnitNames.clampedName(unit);
        const std::optional<double> number = readTypedValue(typed.toStdString(), unitText);
        if (!number) {
            return std::nullopt;
        }
        // Clamp before converting so that huge typed numbers cannot overflow.
        const double x = std::clamp(*number, 0.0, 1e9);
        double mm = 0.0;
        switch (unit) {
        case 0:
            mm = double(DistanceFromSamples(SamplesFromMicroseconds(std::llround(x)), temperatureIndex));
            break;
        case 1:
            mm = double(
                DistanceFromSamples(SamplesFromMicroseconds(std::llround(x * 1000.0)), temperatureIndex));
            break;
        case 2:
            mm = nearest(x);
            break;
        default:
            mm = nearest(x * 1000.0);
            break;
        }
        return static_cast<int>(std::clamp(mm, 0.0, double(top)));
    };
    scale.step = [unit, temperatureIndex, top](int mm, int steps) {
        return static_cast<int>(StepDelay(mm, steps, unit, temperatureIndex, top));
    };
    return scale;
}

} // namespace kelo::gui
