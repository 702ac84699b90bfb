#pragma once

#include <cstdint>
#include <string>

/// Display texts of the scales are UTF-8 encoded std::string throughout (so "°C" is the bytes C2 B0 43).
/// The number formatting here never depends on the process locale: a GUI that switches LC_NUMERIC must
/// still show "1.5dB", not "1,5dB".
namespace kelo {

/// How a rule scale prints its value before the unit text.
enum class NumberStyle {
    Signed1, ///< "%+.1f": sign always shown, one decimal
    Plain1,  ///< "%.1f"
    Plain2,  ///< "%.2f"
    Integer, ///< "%d" of the value truncated toward zero
};

/// Formats a value the way the printf conversion of the given style would, in the C locale.
std::string formatNumber(double value, NumberStyle style);

/// Clamps an index (possibly negative or far out of range, as read from a damaged file) to 0..maxIndex.
int clampIndex(std::int64_t index, int maxIndex);

/// Clamps a real-valued index produced by a reverse rule to 0..maxIndex; NaN becomes 0.
///
/// The value is clamped before it is converted, so huge typed numbers never overflow an int.
int clampRealIndex(double index, int maxIndex);

/// nearest(y) = floor(y + 0.5), the rounding every reverse rule uses.
double nearest(double y);

} // namespace kelo
