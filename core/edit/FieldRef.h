#pragma once

#include <cstdint>

namespace kelo {

/// Every member a unit page edits, over the three families. Which members a family has, their ranges
/// and addresses are in its FieldCatalogue.
///
/// Channels are 0-based: processor inputs 0 = A, 1 = B; processor outputs 0..5 = outputs 1..6;
/// amplifier channels 0 = A, 1 = B. Bands are 0-based (processor 0..4, amplifier output 0..9).
enum class Field : std::uint8_t {
    // Processor inputs (channel 0..1).
    InputGain,
    InputDelay, ///< also the amplifier's channel-input delay ("channel.A.delay")
    InputEqType,
    InputEqFrequency,
    InputEqBandwidth,
    InputEqGain,
    InputEqFlat,
    // Noise gates (processor inputs and amplifier channels, channel 0..1).
    GateAttack,
    GateRelease,
    GateThreshold,
    GateRange,
    GateBypass,
    // The input sum ("M-Delay"); never ganged.
    SumDelay,
    // Outputs (processor outputs 0..5, amplifier channels 0..1).
    OutputGain,
    OutputMute,
    OutputPolarity,
    OutputDelay,
    LowPassType,
    LowPassFrequency,
    Phase,
    HighPassType,
    HighPassFrequency,
    OutputEqType,
    OutputEqFrequency,
    OutputEqBandwidth,
    OutputEqGain,
    OutputEqFlat,
    LimiterSpeed,
    LimiterRatio,
    LimiterThreshold,
    // Unit-wide members.
    InputGanging,  ///< processor `InputGanging`
    OutputGanging, ///< processor `OutputGanging`
    InputDelayUnit,
    OutputDelayUnit,
    Temperature,
    TemperatureUnit,
    Ganging,   ///< amplifier `AmpGanging` (writes the link mode word with it)
    DelayUnit, ///< amplifier delay display unit
    // Amplifier hum canceller (channel 0..1).
    HumAttack,
    HumRelease,
    HumThreshold,
    HumFrequency,
    HumBypass,
    // Amplifier two-band compressor (channel 0..1), words 1..13 in order, then its by-pass.
    CompHighFrequency,
    CompHighAttack,
    CompHighRelease,
    CompHighRatio,
    CompHighThreshold,
    CompHighGain,
    CompLowFrequency,
    CompLowAttack,
    CompLowRelease,
    CompLowRatio,
    CompLowThreshold,
    CompLowGain,
    CompMidGain,
    CompBypass,
};

/// One field of one channel (and band) of a unit.
struct FieldRef {
    Field field = Field::InputGain;
    std::uint8_t channel = 0;
    std::uint8_t band = 0;

    friend constexpr bool operator==(const FieldRef&, const FieldRef&) = default;
    friend constexpr bool operator<(const FieldRef& a, const FieldRef& b) {
        return a.field != b.field       ? a.field < b.field
               : a.channel != b.channel ? a.channel < b.channel
                                        : a.band < b.band;
    }
};

/// Which channels a field is ganged over: input A with B, outputs 1+2/3+4/5+6, amplifier A with B.
enum class GangGroup : std::uint8_t { None, Inputs, Outputs, Channels };

/// Where an edit comes from, where that changes what it does. Output mute acts on its own output only
/// when it comes from the Gain page, and on the ganged pair from an output (channel) page.
enum class EditOrigin : std::uint8_t { ChannelPage, GainPage };

} // namespace kelo
