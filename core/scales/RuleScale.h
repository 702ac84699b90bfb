#pragma once

#include "core/scales/ScaleFormat.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kelo {

/// A parameter scale defined by a rule: stored index 0..maxIndex -> physical value -> display text, and
/// the reverse mapping of a typed value back to the nearest index.
///
/// Every lookup clamps the index to the scale's range, so an index read from a damaged file never
/// selects anything outside it.
struct RuleScale {
    int maxIndex;
    double (*rule)(int index);       ///< physical value of an index already inside the range
    double (*reverse)(double value); ///< real-valued index for a typed value, before clamping
    NumberStyle style;
    std::string_view unit; ///< unit text appended without a space

    /// Physical value of an index (clamped to the range).
    double value(std::int64_t index) const { return rule(clampIndex(index, maxIndex)); }

    /// The number part of the display text, without the unit.
    std::string numberText(std::int64_t index) const { return formatNumber(value(index), style); }

    /// Display text: the number followed directly by the unit text.
    std::string text(std::int64_t index) const { return numberText(index) + std::string(unit); }

    /// Nearest index of a typed value, clamped to the range.
    int IndexFromValue(double typed) const { return clampRealIndex(reverse(typed), maxIndex); }

    /// Index of a typed text ("3.3", "3.3dB"); nothing when the text is refused.
    std::optional<int> indexFromText(std::string_view typed) const;
};

// Equaliser band gain, -15.0 .. +15.0 dB in 0.5 dB steps.
extern const RuleScale EqGainScale;
// Equaliser bandwidth, 0.05 .. 3.00 octaves.
extern const RuleScale EqBandwidthScale;
// Input and output gain of the processor families, -30.0 .. +6.0 dB. Set with the fader only, so its
// reverse rule is the plain inverse of the value rule.
extern const RuleScale ProcessorGainScale;
// Amplifier gains and output level, -49.5 .. 0.0 dB.
extern const RuleScale AmpInputGainScale;
// Amplifier compressor/limiter threshold, -20.4 .. 0.0 dB (the editing page shows index 102 as "OFF").
extern const RuleScale AmpCompThresholdScale;
extern const RuleScale GateThresholdScale;
extern const RuleScale GateRangeScale;
extern const RuleScale AttackTimeScale;
// Release time in seconds; the unit reads "S" on editing pages and "s" in reports (use numberText()).
extern const RuleScale ReleaseTimeScale;
extern const RuleScale BoostThresholdScale;
extern const RuleScale BoostGainScale;
extern const RuleScale HumFrequencyScale;
extern const RuleScale HumThresholdScale;
// Output phase, 0 .. 180 degrees in 5 degree steps.
extern const RuleScale PhaseScale;

} // namespace kelo
