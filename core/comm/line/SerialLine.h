#pragma once

#include "core/comm/line/CommResult.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <span>

namespace kelo {

/// Line speeds by baud-rate index 0..6; the index is shared by the settings ("BaudRate"), the
/// SetBaudRate message and the serial line.
inline constexpr std::array<std::uint32_t, 7> kBaudRates{9600, 14400, 19200, 38400, 56000, 57600, 115200};

/// Speed [bit/s] of a baud-rate index; indices outside 0..6 give 9600.
constexpr std::uint32_t baudRateOf(int index) {
    return index >= 0 && index < static_cast<int>(kBaudRates.size())
               ? kBaudRates[static_cast<std::size_t>(index)]
               : kBaudRates[0];
}

/// Read and write time-outs of the line [ms], in the shape of the serial driver's time-out record:
/// a read gives up when the gap between two bytes exceeds readInterval, or when the whole read takes
/// longer than readConstant + readMultiplier x byte count; a write likewise with its two values.
struct LineTimeouts {
    int readInterval = 20;
    int readMultiplier = 20;
    int readConstant = 600;
    int writeMultiplier = 10;
    int writeConstant = 100;
};

/// Read time-out constants the engine switches between [ms].
inline constexpr int kConnectReadTimeoutMs = 30;
inline constexpr int kPollReadTimeoutMs = 600;
inline constexpr int kDownloadReadTimeoutMs = 1000;

/// The one serial line to the units.
///
/// Framing is fixed (8 data bits, no parity, one stop bit, no flow control). All operations return a
/// result and throw nothing. Callers serialise use through the engine's port lock; the line takes no lock.
class SerialLine {
public:
    virtual ~SerialLine() = default;

    /// Opens the device.
    /// @return Ok, or PortNotOpened when the device cannot be opened
    virtual CommResult OpenPort() = 0;

    /// Discards buffered bytes both ways, sets the default time-outs (600 ms read constant), the framing
    /// and the speed of @p baudIndex, and discards buffered bytes again.
    virtual void InitPort(int baudIndex) = 0;

    /// Changes the speed, keeping the framing and any buffered bytes.
    virtual void SetPortBaudRate(int baudIndex) = 0;

    /// Discards buffered bytes both ways, sets the read time-out constant to @p readConstantMs with every
    /// other time-out at its default, and discards buffered bytes again.
    virtual void SetReadTimeout(int readConstantMs) = 0;

    /// Writes all of @p bytes.
    /// @return Ok, or IoIncomplete when fewer bytes went out within the write time-out
    virtual CommResult WritePort(std::span<const std::uint8_t> bytes) = 0;

    /// Reads exactly @p buffer.size() bytes.
    /// @return Ok, or IoIncomplete when fewer bytes arrived within the read time-outs
    virtual CommResult ReadPort(std::span<std::uint8_t> buffer) = 0;

    /// Discards buffered bytes and closes the device.
    /// @return Ok, or PortNotOpened when no device was open (nothing else is done then)
    virtual CommResult ClosePort() = 0;
};

} // namespace kelo
