#pragma once

#include "core/units/processor/UnitParams.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace kelo {

/// What a processor unit is doing now: the program part followed by 27 further words, numbered 1..27.
/// Words 16 and 26 are not written to system files (reading keeps their in-memory values).
struct LiveParams : UnitParams {
    static constexpr std::size_t kExtraCount = 27;
    /// Word numbers (1-based, as in the documentation of the live words).
    static constexpr std::size_t kCurrentProgramWord = 3;
    static constexpr std::size_t kInputGangingWord = 8;
    static constexpr std::size_t kOutputGangingWord = 9;
    static constexpr std::size_t kInputDelayUnitWord = 11;
    static constexpr std::size_t kOutputDelayUnitWord = 12;
    static constexpr std::size_t kTemperatureUnitWord = 14;
    static constexpr std::size_t kTemperatureWord = 17;
    static constexpr std::size_t kFirstMuteWord = 20; ///< mutes of outputs 1..6 are words 20..25
    static constexpr std::size_t kBusIdWord = 27;

    /// extra[n - 1] is word n. Default 0 except the temperature (50 = +20 degC).
    std::array<std::uint32_t, kExtraCount> extra = defaultExtra();

    std::uint32_t& word(std::size_t number) { return extra[number - 1]; }
    std::uint32_t word(std::size_t number) const { return extra[number - 1]; }

    /// 0..9 factory programs, 10 and above user programs (family rules for the label: UnitLabels).
    std::uint32_t& currentProgram() { return word(kCurrentProgramWord); }
    std::uint32_t currentProgram() const { return word(kCurrentProgramWord); }
    std::uint32_t& inputGanging() { return word(kInputGangingWord); }
    std::uint32_t inputGanging() const { return word(kInputGangingWord); }
    std::uint32_t& outputGanging() { return word(kOutputGangingWord); }
    std::uint32_t outputGanging() const { return word(kOutputGangingWord); }
    std::uint32_t& inputDelayUnit() { return word(kInputDelayUnitWord); }
    std::uint32_t inputDelayUnit() const { return word(kInputDelayUnitWord); }
    std::uint32_t& outputDelayUnit() { return word(kOutputDelayUnitWord); }
    std::uint32_t outputDelayUnit() const { return word(kOutputDelayUnitWord); }
    std::uint32_t& temperatureUnit() { return word(kTemperatureUnitWord); }
    std::uint32_t temperatureUnit() const { return word(kTemperatureUnitWord); }
    /// SoundSpeedTable index 0..90 (= -30..+60 degC) as stored; lookups clamp.
    std::uint32_t& temperature() { return word(kTemperatureWord); }
    std::uint32_t temperature() const { return word(kTemperatureWord); }
    /// Bus identifier 0..31 as stored (shown + 1).
    std::uint32_t& busId() { return word(kBusIdWord); }
    std::uint32_t busId() const { return word(kBusIdWord); }

    /// Mute of output 0..5; 0 for any other index.
    std::uint32_t outputMute(std::size_t output) const;
    /// Sets the mute of output 0..5; other indices are ignored.
    void setOutputMute(std::size_t output, std::uint32_t mute);

    /// Load a program into live: the program part takes the program's fields, the extra words stay.
    void loadProgram(const UnitParams& program) { static_cast<UnitParams&>(*this) = program; }
    const UnitParams& program() const { return *this; }

    friend bool operator==(const LiveParams&, const LiveParams&) = default;

private:
    static constexpr std::array<std::uint32_t, kExtraCount> defaultExtra() {
        std::array<std::uint32_t, kExtraCount> words{};
        words[kTemperatureWord - 1] = 50;
        return words;
    }
};

} // namespace kelo
