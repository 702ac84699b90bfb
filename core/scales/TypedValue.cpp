#include "core/scales/TypedValue.h"

#include <charconv>
#include <cstddef>
#include <limits>

namespace kelo {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lowerAscii(a[i]) != lowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

/// Length of the decimal number at the start of text, 0 when there is none. An exponent marker that
/// is not followed by digits is not part of the number (as with strtod).
std::size_t numberLength(std::string_view text, bool& negativeExponent) {
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        ++pos;
    }
    std::size_t digits = 0;
    while (pos < text.size() && isDigit(text[pos])) {
        ++pos;
        ++digits;
    }
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        while (pos < text.size() && isDigit(text[pos])) {
            ++pos;
            ++digits;
        }
    }
    if (digits == 0) {
        return 0;
    }
    negativeExponent = false;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t exp = pos + 1;
        bool negative = false;
        if (exp < text.size() && (text[exp] == '+' || text[exp] == '-')) {
            negative = text[exp] == '-';
            ++exp;
        }
        if (exp < text.size() && isDigit(text[exp])) {
            while (exp < text.size() && isDigit(text[exp])) {
                ++exp;
            }
            pos = exp;
            negativeExponent = negative;
        }
    }
    return pos;
}

} // namespace

std::optional<double> readTypedValue(std::string_view text, std::span<const std::string_view> units) {
    std::size_t start = 0;
    while (start < text.size() && (text[start] == ' ' || text[start] == '\t')) {
        ++start;
    }
    text.remove_prefix(start);
    bool negativeExponent = false;
    const std::size_t length = numberLength(text, negativeExponent);
    if (length == 0) {
        return std::nullopt;
    }
    const std::string_view rest = text.substr(length);
    bool unitAccepted = rest.empty();
    for (std::string_view unit : units) {
        unitAccepted = unitAccepted || equalsIgnoringAsciiCase(rest, unit);
    }
    if (!unitAccepted) {
        return std::nullopt;
    }
    // from_chars does not take a leading '+'.
    std::string_view number = text.substr(0, length);
    const bool negative = number.front() == '-';
    if (number.front() == '+' || negative) {
        number.remove_prefix(1);
    }
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        value = negativeExponent ? 0.0 : std::numeric_limits<double>::max();
    } else if (result.ec != std::errc{} || result.ptr != number.data() + number.size()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

std::optional<double> readTypedValue(std::string_view text, std::string_view unit) {
    return readTypedValue(text, std::span<const std::string_view>(&unit, 1));
}

} // namespace kelo
