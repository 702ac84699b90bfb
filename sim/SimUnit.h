#pragma once

#include "core/edit/ParameterAddress.h"
#include "sim/SimFaults.h"

#include <array>
#include <compare>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

namespace kelo::sim {

/// Where a parameter set on the line lands: block code, channel or band index, parameter offset.
using ParameterAddress = kelo::ParameterAddress;

/// A dump transfer the unit has opened and not yet finished.
struct SimTransfer {
    enum class Direction { None, ToUnit, FromUnit };
    Direction direction = Direction::None;
    bool settings = false;
    /// Program location byte (programs only).
    std::uint8_t location = 0;
    std::uint8_t blockCount = 0;
    /// ToUnit: the block expected next (blockCount + 1 once complete). FromUnit: the block last sent.
    std::uint8_t block = 0;
    /// ToUnit: the bytes received so far. FromUnit: the image being sent.
    std::vector<std::uint8_t> image;
};

/// Everything one simulated unit holds. Tests read and change it through the Simulator.
struct SimUnit {
    /// Bus identifier on the line, 0..31.
    std::uint8_t id = 0;
    std::uint8_t modelByte = 0x08;
    /// Line speed index 0..6 (9600 .. 115200 bit/s).
    int speedIndex = 0;
    /// A switched-off unit hears nothing and answers nothing.
    bool powered = true;
    /// Status fields 0..17 as sent in the status reply (3-bit levels, 1-bit flags for the
    /// amplifier's 14..16).
    std::array<std::uint32_t, 18> status{};
    /// When set, the meter levels move with every status request.
    bool metersMoving = true;
    std::uint32_t meterTick = 0;
    /// The last value set for each parameter address since the settings image was last replaced.
    std::map<ParameterAddress, std::uint16_t> parameters;
    std::vector<std::uint8_t> settingsImage;
    /// One entry per program location; an empty entry is a location without a program.
    std::vector<std::optional<std::vector<std::uint8_t>>> programs;
    SimTransfer transfer;
    /// Messages heard since the simulator started (not counted while switched off).
    std::uint32_t messagesReceived = 0;
    SimFaults faults;
    /// Messages heard since the faults were last set; drives the every-Nth switches.
    std::uint32_t faultCounter = 0;
};

} // namespace kelo::sim
