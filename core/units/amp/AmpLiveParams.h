#pragma once

#include "core/units/amp/AmpParams.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace kelo {

/// What an amplifier unit is doing now: the program part followed by 27 words numbered 1..27.
/// Word 14 (scratch) is not written to system files and is 0 after loading.
struct AmpLiveParams : AmpParams {
    static constexpr std::size_t kExtraCount = 27;
    static constexpr std::size_t kCurrentProgramWord = 3; ///< 0 factory program, n user program n
    static constexpr std::size_t kGangingWord = 7;        ///< AmpGanging
    static constexpr std::size_t kDelayUnitWord = 10;
    static constexpr std::size_t kSecondDelayUnitWord = 11;
    static constexpr std::size_t kTemperatureUnitWord = 13;
    static constexpr std::size_t kScratchWord = 14;
    static constexpr std::size_t kTemperatureWord = 15;
    static constexpr std::size_t kLinkModeWord = 17;  ///< 2 while ganged, 0 otherwise
    static constexpr std::size_t kFirstMuteWord = 18; ///< mute A, B: words 18, 19
    static constexpr std::size_t kFirstHumBypassWord = 20;
    static constexpr std::size_t kFirstGateBypassWord = 22;
    static constexpr std::size_t kFirstCompBypassWord = 24;
    static constexpr std::size_t kBusIdWord = 27;

    /// extra[n - 1] is word n.
    std::array<std::uint32_t, kExtraCount> extra = defaultExtra();

    std::uint32_t& word(std::size_t number) { return extra[number - 1]; }
    std::uint32_t word(std::size_t number) const { return extra[number - 1]; }

    std::uint32_t& currentProgram() { return word(kCurrentProgramWord); }
    std::uint32_t currentProgram() const { return word(kCurrentProgramWord); }
    std::uint32_t ganging() const { return word(kGangingWord); }
    /// Sets AmpGanging (0/1) together with the link mode word (1 gives 2, 0 gives 0).
    void setGanging(bool ganged) {
        word(kGangingWord) = ganged ? 1 : 0;
        word(kLinkModeWord) = ganged ? 2 : 0;
    }
    std::uint32_t& delayUnit() { return word(kDelayUnitWord); }
    std::uint32_t delayUnit() const { return word(kDelayUnitWord); }
    std::uint32_t& temperatureUnit() { return word(kTemperatureUnitWord); }
    std::uint32_t temperatureUnit() const { return word(kTemperatureUnitWord); }
    /// SoundSpeedTable index as stored; lookups clamp.
    std::uint32_t& temperature() { return word(kTemperatureWord); }
    std::uint32_t temperature() const { return word(kTemperatureWord); }
    std::uint32_t& busId() { return word(kBusIdWord); }
    std::uint32_t busId() const { return word(kBusIdWord); }

    /// Per-channel words (channel 0 = A, 1 = B); other channels read 0 and are ignored on writing.
    std::uint32_t mute(std::size_t channel) const { return channelWord(kFirstMuteWord, channel); }
    void setMute(std::size_t channel, std::uint32_t value) { setChannelWord(kFirstMuteWord, channel, value); }
    std::uint32_t humBypass(std::size_t channel) const { return channelWord(kFirstHumBypassWord, channel); }
    void setHumBypass(std::size_t channel, std::uint32_t value) {
        setChannelWord(kFirstHumBypassWord, channel, value);
    }
    std::uint32_t gateBypass(std::size_t channel) const { return channelWord(kFirstGateBypassWord, channel); }
    void setGateBypass(std::size_t channel, std::uint32_t value) {
        setChannelWord(kFirstGateBypassWord, channel, value);
    }
    std::uint32_t compBypass(std::size_t channel) const { return channelWord(kFirstCompBypassWord, channel); }
    void setCompBypass(std::size_t channel, std::uint32_t value) {
        setChannelWord(kFirstCompBypassWord, channel, value);
    }

    void loadProgram(const AmpParams& program) { static_cast<AmpParams&>(*this) = program; }
    const AmpParams& program() const { return *this; }

    friend bool operator==(const AmpLiveParams&, const AmpLiveParams&) = default;

private:
    std::uint32_t channelWord(std::size_t first, std::size_t channel) const {
        return channel < kChannelCount ? word(first + channel) : 0;
    }
    void setChannelWord(std::size_t first, std::size_t channel, std::uint32_t value) {
        if (channel < kChannelCount) {
            word(first + channel) = value;
        }
    }
    static constexpr std::array<std::uint32_t, kExtraCount> defaultExtra() {
        std::array<std::uint32_t, kExtraCount> words{};
        words[kGangingWord - 1] = 1;
        words[kDelayUnitWord - 1] = 3;
        words[kTemperatureWord - 1] = 50;
        words[kLinkModeWord - 1] = 2;
        for (std::size_t n = kFirstHumBypassWord; n < kFirstCompBypassWord + kChannelCount; ++n) {
            words[n - 1] = 1;
        }
        return words;
    }
};

} // namespace kelo
