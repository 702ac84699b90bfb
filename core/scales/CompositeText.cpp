#include "core/scales/CompositeText.h"

#include "core/scales/FrequencyScale.h"
#include "core/scales/LevelTextTable.h"
#include "core/scales/NameList.h"
#include "core/scales/RuleScale.h"

namespace kelo {

namespace {

constexpr std::int64_t kLinkRiley48 = 10;

std::string speedAndRatio(std::int64_t speed, std::int64_t ratio) {
    std::string text;
    if (const auto speedName = LimiterSpeedNames.name(speed)) {
        text += " " + *speedName;
    }
    return text + " " + LimiterRatioNames.clampedName(ratio);
}

} // namespace

std::string crossoverText(std::int64_t freqIndex, std::int64_t type) {
    return FrequencyScale.text(freqIndex) + " " + CrossoverTypeNames.clampedName(type);
}

std::string limiterText(std::int64_t thresholdIndex, std::int64_t speed, std::int64_t ratio) {
    return LevelTextTable.text(thresholdIndex) + speedAndRatio(speed, ratio);
}

std::string ampCompressorText(std::int64_t thresholdIndex, std::int64_t speed, std::int64_t ratio) {
    return AmpCompThresholdScale.text(thresholdIndex) + speedAndRatio(speed, ratio);
}

std::string eqTypeText(std::int64_t type, std::int64_t flat) {
    return flat != 0 ? "-Flat-" : EqTypeNames.clampedName(type);
}

std::string eqGainText(std::int64_t type, std::int64_t gainIndex) {
    return type == 9 ? "----" : EqGainScale.text(gainIndex);
}

std::string eqBandwidthText(std::int64_t type, std::int64_t bandwidthIndex) {
    const bool shelf = type == 0 || type == 1 || type == 3 || type == 4;
    return shelf ? "----" : EqBandwidthScale.text(bandwidthIndex);
}

bool isBandBorrowed(int band, int bandCount, std::int64_t lowPassType, std::int64_t highPassType) {
    if (bandCount != 5 && bandCount != 10) {
        return false;
    }
    const int last = bandCount - 1;
    const bool lp48 = lowPassType == kLinkRiley48;
    const bool hp48 = highPassType == kLinkRiley48;
    if ((lp48 || hp48) && (band == last || band == last - 1)) {
        return true;
    }
    return lp48 && hp48 && (band == last - 2 || band == last - 3);
}

} // namespace kelo
