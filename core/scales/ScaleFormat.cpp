#include "core/scales/ScaleFormat.h"

#include <array>
#include <charconv>
#include <cmath>

namespace kelo {

namespace {

std::string fixed(double value, int decimals) {
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, decimals);
    return std::string(buffer.data(), result.ptr);
}

} // namespace

std::string formatNumber(double value, NumberStyle style) {
    if (!std::isfinite(value)) {
        return std::isnan(value) ? "nan" : (value < 0 ? "-inf" : "inf");
    }
    switch (style) {
    case NumberStyle::Signed1: {
        std::string text = fixed(value, 1);
        return text.front() == '-' ? text : "+" + text;
    }
    case NumberStyle::Plain1:
        return fixed(value, 1);
    case NumberStyle::Plain2:
        return fixed(value, 2);
    case NumberStyle::Integer:
        return fixed(std::trunc(value) + 0.0, 0);
    }
    return fixed(value, 1);
}

int clampIndex(std::int64_t index, int maxIndex) {
    if (index < 0) {
        return 0;
    }
    return index > maxIndex ? maxIndex : static_cast<int>(index);
}

int clampRealIndex(double index, int maxIndex) {
    if (!(index > 0.0)) {
        return 0;
    }
    if (index >= static_cast<double>(maxIndex)) {
        return maxIndex;
    }
    return static_cast<int>(index);
}

double nearest(double y) {
    return std::floor(y + 0.5);
}

} // namespace kelo
