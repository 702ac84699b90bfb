#pragma once

#include <array>
#include <string>
#include <string_view>

namespace kelo::report {

/// The four printed rows of one EQ band.
struct EqBandText {
    std::string frequency;
    std::string gain;
    std::string bandwidth;
    std::string type;
};

/// A noise gate's values in printed order.
struct GateText {
    std::string threshold;
    std::string range;
    std::string attack;
    std::string release;
    std::string plugIn; ///< "On" or "Off"
};

/// One processor output's values.
struct ProcessorOutputText {
    std::string gain;
    std::string polarity;
    std::string delay;
    std::string highPass;
    std::string lowPass;
    std::string phase;
    std::string limiter;
    std::array<EqBandText, 5> eq;
};

/// Every value of a processor unit (both processor families), already formatted.
struct ProcessorReportText {
    std::array<std::string, 2> inputGains;  ///< A, B
    std::array<GateText, 2> gates;          ///< A, B
    std::array<std::string, 3> inputDelays; ///< A, B, input sum
    std::array<std::array<EqBandText, 5>, 2> inputEq;
    std::array<ProcessorOutputText, 6> outputs;
};

/// An amplifier channel's hum canceller values in printed order.
struct HumText {
    std::string frequency;
    std::string threshold;
    std::string attack;
    std::string release;
    std::string plugIn;
};

/// An amplifier channel's output section (level, delay, polarity, crossover, limiter, ten EQ bands).
struct AmpChannelText {
    std::string gain;
    std::string delay;
    std::string polarity;
    std::string phase;
    std::string highPass;
    std::string lowPass;
    std::string limiter;
    std::array<EqBandText, 10> eq;
};

/// The captions of an amplifier channel's "Multi Comp" table, in printed order.
inline constexpr std::array<std::string_view, 14> kMultiCompCaptions{
    "Thresh-Low",  "Freq-Low",  "Ratio-Low",  "Gain-Low",  "Attack-Low",  "Rel-Low",  "Gain-Mid",
    "Thresh-High", "Freq-High", "Ratio-High", "Gain-High", "Attack-High", "Rel-High", "Plug-In"};

/// Every value of an amplifier unit, already formatted.
struct AmpReportText {
    std::array<AmpChannelText, 2> channels;
    std::array<HumText, 2> hum;
    std::array<GateText, 2> gates;
    /// Per channel, the "Multi Comp" values in the order of kMultiCompCaptions.
    std::array<std::array<std::string, 14>, 2> multiComp;
};

} // namespace kelo::report
