#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace kelo {
struct RuleScale;
struct FrequencyTableScale;
struct LevelTextScale;
} // namespace kelo

namespace kelo::gui {

/// What a spin-and-edit field shows: its index range, the text of an index, how typed text is read and
/// how a spin step moves the index.
struct SpinScale {
    int minIndex = 0;
    int maxIndex = 0;
    /// Display text of an index inside the range.
    std::function<QString(int)> text;
    /// Index of a typed text, clamped to the range; nothing when the text is refused.
    std::function<std::optional<int>(const QString&)> parse;
    /// The index after `steps` spin steps (+ up, - down); when empty, index + steps clamped to the range.
    std::function<int(int index, int steps)> step;
};

/// A field over a rule scale (gain, bandwidth, times, thresholds ...).
SpinScale spinScale(const RuleScale& scale);
/// A field over a listed frequency scale.
SpinScale spinScale(const FrequencyTableScale& scale);
/// The limiter threshold of the processor families ("OFF" at the top).
SpinScale spinScale(const LevelTextScale& scale);

} // namespace kelo::gui
