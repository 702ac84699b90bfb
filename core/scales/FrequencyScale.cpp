#include "core/scales/FrequencyScale.h"

#include "core/scales/ScaleFormat.h"
#include "core/scales/TypedValue.h"

#include <array>
#include <cmath>

namespace kelo {

namespace {

constexpr std::array<std::string_view, 201> kFrequencyTexts{
    "15.6Hz",  "16.2Hz",  "16.7Hz",  "17.3Hz",  "17.9Hz",  "18.6Hz",  "19.2Hz",  "19.9Hz",  "20.6Hz",
    "21.3Hz",  "22.1Hz",  "22.9Hz",  "23.7Hz",  "24.5Hz",  "25.4Hz",  "26.3Hz",  "27.2Hz",  "28.2Hz",
    "29.1Hz",  "30.2Hz",  "31.2Hz",  "32.3Hz",  "33.5Hz",  "34.7Hz",  "35.9Hz",  "37.2Hz",  "38.5Hz",
    "39.8Hz",  "41.2Hz",  "42.7Hz",  "44.2Hz",  "45.7Hz",  "47.4Hz",  "49.0Hz",  "50.8Hz",  "52.5Hz",
    "54.4Hz",  "56.3Hz",  "58.3Hz",  "60.4Hz",  "62.5Hz",  "64.7Hz",  "67.0Hz",  "69.3Hz",  "71.8Hz",
    "74.3Hz",  "76.9Hz",  "79.7Hz",  "82.5Hz",  "85.4Hz",  "88.4Hz",  "91.5Hz",  "94.7Hz",  "98.1Hz",
    "101Hz",   "105Hz",   "109Hz",   "113Hz",   "117Hz",   "121Hz",   "125Hz",   "129Hz",   "134Hz",
    "139Hz",   "143Hz",   "149Hz",   "154Hz",   "159Hz",   "165Hz",   "171Hz",   "177Hz",   "183Hz",
    "189Hz",   "196Hz",   "203Hz",   "210Hz",   "218Hz",   "225Hz",   "233Hz",   "241Hz",   "250Hz",
    "259Hz",   "268Hz",   "277Hz",   "287Hz",   "297Hz",   "308Hz",   "319Hz",   "330Hz",   "341Hz",
    "353Hz",   "366Hz",   "379Hz",   "392Hz",   "406Hz",   "420Hz",   "435Hz",   "451Hz",   "466Hz",
    "483Hz",   "500Hz",   "518Hz",   "536Hz",   "555Hz",   "574Hz",   "595Hz",   "615Hz",   "637Hz",
    "660Hz",   "683Hz",   "707Hz",   "732Hz",   "758Hz",   "784Hz",   "812Hz",   "841Hz",   "870Hz",
    "901Hz",   "933Hz",   "966Hz",   "1k00Hz",  "1k03Hz",  "1k07Hz",  "1k11Hz",  "1k15Hz",  "1k19Hz",
    "1k23Hz",  "1k27Hz",  "1k32Hz",  "1k37Hz",  "1k41Hz",  "1k46Hz",  "1k51Hz",  "1k57Hz",  "1k62Hz",
    "1k68Hz",  "1k74Hz",  "1k80Hz",  "1k87Hz",  "1k93Hz",  "2k00Hz",  "2k07Hz",  "2k14Hz",  "2k22Hz",
    "2k30Hz",  "2k38Hz",  "2k46Hz",  "2k55Hz",  "2k64Hz",  "2k73Hz",  "2k83Hz",  "2k93Hz",  "3k03Hz",
    "3k14Hz",  "3k25Hz",  "3k36Hz",  "3k48Hz",  "3k60Hz",  "3k73Hz",  "3k86Hz",  "4k00Hz",  "4k14Hz",
    "4k29Hz",  "4k44Hz",  "4k59Hz",  "4k76Hz",  "4k92Hz",  "5k10Hz",  "5k28Hz",  "5k46Hz",  "5k66Hz",
    "5k86Hz",  "6k06Hz",  "6k28Hz",  "6k50Hz",  "6k73Hz",  "6k96Hz",  "7k21Hz",  "7k46Hz",  "7k73Hz",
    "8k00Hz",  "8k28Hz",  "8k57Hz",  "8k88Hz",  "9k19Hz",  "9k51Hz",  "9k85Hz",  "10k20Hz", "10k56Hz",
    "10k93Hz", "11k31Hz", "11k71Hz", "12k12Hz", "12k55Hz", "13k00Hz", "13k45Hz", "13k93Hz", "14k42Hz",
    "14k93Hz", "15k45Hz", "16k00Hz",
};

constexpr std::array<std::string_view, 44> kCoarseTexts{
    "63Hz",   "70Hz",   "80Hz",   "88Hz",    "100Hz",   "110Hz",   "126Hz",   "140Hz",   "160Hz",
    "176Hz",  "200Hz",  "220Hz",  "250Hz",   "280Hz",   "320Hz",   "352Hz",   "400Hz",   "440Hz",
    "500Hz",  "560Hz",  "640Hz",  "700Hz",   "800Hz",   "900Hz",   "1k00Hz",  "2k00Hz",  "2k25Hz",
    "2k50Hz", "2k80Hz", "3k20Hz", "3k60Hz",  "4k00Hz",  "4k50Hz",  "5k00Hz",  "5k60Hz",  "6k40Hz",
    "7k20Hz", "8k00Hz", "9k00Hz", "10k00Hz", "11k20Hz", "12k80Hz", "14k40Hz", "16k00Hz",
};

} // namespace

double FrequencyTableScale::value(std::int64_t index) const {
    return rule(clampIndex(index, maxIndex));
}

std::string FrequencyTableScale::text(std::int64_t index) const {
    return std::string(texts[static_cast<std::size_t>(clampIndex(index, maxIndex) + textOffset)]);
}

int FrequencyTableScale::IndexFromValue(double hz) const {
    return clampRealIndex(reverse(hz), maxIndex);
}

std::optional<int> FrequencyTableScale::indexFromText(std::string_view typed) const {
    const std::optional<double> hz = readTypedValue(typed, "Hz");
    if (!hz) {
        return std::nullopt;
    }
    return IndexFromValue(*hz);
}

// log2 of zero or a negative frequency is -inf or NaN; both clamp to index 0.
constinit const FrequencyTableScale FrequencyScale{
    200, 0, [](int i) { return 1000 * std::pow(2.0, (i - 120) / 20.0); },
    [](double hz) { return nearest(20 * std::log2(hz / 15.625)); }, kFrequencyTexts};

constinit const FrequencyTableScale BoostLowFrequency{
    24, 0, [](int i) { return 62.5 * std::pow(2.0, i / 6.0); },
    [](double hz) { return nearest(6 * std::log2(hz / 62.5)); }, kCoarseTexts};

constinit const FrequencyTableScale BoostHighFrequency{
    18, 25, [](int i) { return 2000 * std::pow(2.0, i / 6.0); },
    [](double hz) { return nearest(6 * std::log2(hz / 2000)); }, kCoarseTexts};

std::string coarseFrequencyText(std::int64_t index) {
    return std::string(kCoarseTexts[static_cast<std::size_t>(clampIndex(index, 43))]);
}

} // namespace kelo
