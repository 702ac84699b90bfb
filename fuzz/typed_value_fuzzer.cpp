// Text typed into the editing fields: whatever the bytes, the reader either refuses them or gives a
// number that every scale turns into an index inside its range, whose text reads back to that index.
#include "core/scales/FrequencyScale.h"
#include "core/scales/LevelTextTable.h"
#include "core/scales/RuleScale.h"
#include "core/scales/TemperatureScale.h"

#include <cstdlib>
#include <string_view>

namespace {

using namespace kelo;

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const RuleScale* scale : {&EqGainScale, &GateThresholdScale, &ReleaseTimeScale, &PhaseScale}) {
        if (const auto index = scale->indexFromText(text)) {
            check(*index >= 0 && *index <= scale->maxIndex);
            check(scale->indexFromText(scale->text(*index)) == index);
        }
    }
    if (const auto index = FrequencyScale.indexFromText(text)) {
        check(*index >= 0 && *index <= FrequencyScale.maxIndex);
    }
    if (const auto index = LimiterThreshold.indexFromText(text)) {
        check(*index >= 0 && *index <= LevelTextScale::maxIndex);
    }
    for (TemperatureUnit unit : {TemperatureUnit::Celsius, TemperatureUnit::Fahrenheit}) {
        if (const auto index = TemperatureScale.indexFromText(text, unit)) {
            check(TemperatureScale.indexFromText(TemperatureScale.text(*index, unit), unit) == index);
        }
    }
    return 0;
}
