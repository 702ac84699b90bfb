#include "core/scales/LevelTextTable.h"

#include "core/scales/ScaleFormat.h"
#include "core/scales/TypedValue.h"

namespace kelo {

std::string LevelTextScale::text(std::int64_t index) const {
    const int i = clampIndex(index, maxIndex);
    if (i == offIndex) {
        return "OFF";
    }
    // Whole tenths of a decibel keep the texts exact ("0.0dB", never "-0.0dB").
    const int tenths = i < 72 ? -580 + 5 * i : -220 + 2 * (i - 72);
    const int magnitude = tenths < 0 ? -tenths : tenths;
    return (tenths < 0 ? "-" : "") + std::to_string(magnitude / 10) + "." + std::to_string(magnitude % 10) +
           "dB";
}

int LevelTextScale::IndexFromValue(double db) const {
    return clampRealIndex(db < -22 ? nearest(2 * (db + 58)) : nearest(5 * (db + 22) + 72), maxIndex);
}

std::optional<int> LevelTextScale::indexFromText(std::string_view typed) const {
    const std::optional<double> db = readTypedValue(typed, "dB");
    if (!db) {
        return std::nullopt;
    }
    return IndexFromValue(*db);
}

} // namespace kelo
