#pragma once

#include "core/edit/FieldRef.h"
#include "core/edit/ParameterAddress.h"
#include "core/family/Family.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kelo {

/// How a field's index is shown and read from typed text (the scales of core/scales).
enum class ValueScale : std::uint8_t {
    ProcessorGain,      ///< ProcessorGainScale
    AmpGain,            ///< AmpInputGainScale (amplifier output level)
    DelayDistance,      ///< millimetres, shown in the unit's delay display unit
    EqType,             ///< EqTypeNames
    Frequency,          ///< FrequencyScale
    EqBandwidth,        ///< EqBandwidthScale
    EqGain,             ///< EqGainScale
    OnOff,              ///< 0/1 flags (flat, mute, by-pass, ganging); "ON"/"OFF"
    Polarity,           ///< PolarityNames
    CrossoverType,      ///< CrossoverTypeNames
    Phase,              ///< PhaseScale
    LimiterSpeed,       ///< LimiterSpeedNames
    LimiterRatio,       ///< LimiterRatioNames
    LevelText,          ///< LevelTextTable (processor limiter threshold)
    AmpCompThreshold,   ///< AmpCompThresholdScale (amplifier limiter threshold)
    GateThreshold,      ///< GateThresholdScale
    GateRange,          ///< GateRangeScale
    AttackTime,         ///< AttackTimeScale
    ReleaseTime,        ///< ReleaseTimeScale
    HumThreshold,       ///< HumThresholdScale
    HumFrequency,       ///< HumFrequencyScale
    BoostHighFrequency, ///< BoostHighFrequency
    BoostLowFrequency,  ///< BoostLowFrequency
    BoostThreshold,     ///< BoostThresholdScale
    BoostGain,          ///< BoostGainScale
    DelayUnit,          ///< DelayUnitNames
    Temperature,        ///< TemperatureScale, typed in the unit's temperature display unit
    TemperatureUnit,    ///< TemperatureUnitNames
};

/// What a field's send does beyond "the new index at the field's address".
enum class SendRule : std::uint8_t {
    Plain,
    Flat, ///< EQ flat flag: set sends 30 (0 dB) at the band's gain address, clear sends the stored gain
    InvertedBypass, ///< amplifier by-pass words: the unit is sent 1 - by-pass
};

/// How a field's `ParameterSet` index follows from its channel.
enum class IndexRule : std::uint8_t {
    Channel,  ///< the channel itself (inputs 0/1, amplifier dynamics blocks 0/1)
    Output,   ///< 196 + channel
    UnitWide, ///< 255
    Fixed,    ///< FieldSpec::fixedIndex
};

/// One field of a family's catalogue, for all its channels and bands.
struct FieldSpec {
    Field field;
    std::string_view group;    ///< first part of the user name: "input", "output", "channel", "gate", ...
    std::string_view member;   ///< last part: "gain", "xover.lp_type"; band fields get "eq.N." before it
    std::uint8_t channelCount; ///< 0 for unit-wide fields
    std::uint8_t bandCount;    ///< 0 for fields without bands
    std::uint32_t maxIndex;    ///< the index range is 0..maxIndex; 0 takes the range of the scale
    ValueScale scale;
    GangGroup gang;
    SendRule rule;
    std::uint8_t block; ///< block code; for band fields unused (the band gives it)
    IndexRule indexRule;
    std::uint8_t fixedIndex;
    std::uint8_t offset; ///< parameter offset; band fields: the 5-band offset (0x00 gain, 0x08, 0x28, 0x30)
};

/// The fields a family's pages edit, with where each lives on the line. Data only: the three families
/// are three tables read by the same code.
class FieldCatalogue {
public:
    /// The catalogue of a family (the two processor families share their fields).
    static const FieldCatalogue& of(Family family);

    Family family() const { return m_family; }
    /// Every field of the family, in listing order.
    std::span<const FieldSpec> specs() const { return m_specs; }
    /// The catalogue entry of a field; nullptr when the family has no such field.
    const FieldSpec* spec(Field field) const;
    /// True when the family has the field and channel and band are inside its counts.
    bool contains(FieldRef ref) const;

    /// Every field reference of the family (each channel and band), in listing order.
    std::vector<FieldRef> allRefs() const;

    /// The address of the field's `ParameterSet`; nothing for a reference the family does not have.
    /// A flat flag answers its band's gain address.
    std::optional<ParameterAddress> address(FieldRef ref) const;
    /// The index range's upper end (0 for an unknown reference).
    std::uint32_t maxIndex(FieldRef ref) const;
    GangGroup gangGroup(FieldRef ref) const;

    /// The pair partner's channel when the field is ganged (A <-> B, 1 <-> 2, 3 <-> 4, 5 <-> 6).
    static std::uint8_t partnerChannel(GangGroup group, std::uint8_t channel);

    /// The 1-based user name: "input.A.eq.3.freq", "output.4.mute", "comp.B.low_ratio", "temperature".
    std::string name(FieldRef ref) const;
    /// The reference of a user name; nothing for an unknown name.
    std::optional<FieldRef> parse(std::string_view name) const;
    /// What an editor shows in "Undo ...": "Output 3 gain", "Input A EQ 2 frequency", "Channel B mute".
    std::string label(FieldRef ref) const;

    /// Lists every field as the `kelo set --list` lines: name, range, block (hex), index, offset (hex),
    /// gang group ("inputs", "outputs", "channels" or "-"), tab-separated.
    std::vector<std::string> listing() const;

    FieldCatalogue(Family family, std::span<const FieldSpec> specs) : m_family(family), m_specs(specs) {}

private:
    Family m_family;
    std::span<const FieldSpec> m_specs;
};

/// "inputs", "outputs", "channels" or "-".
std::string_view gangGroupName(GangGroup group);

} // namespace kelo
