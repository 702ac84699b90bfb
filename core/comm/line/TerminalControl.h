#pragma once

#include <cstdint>

/// Raw terminal settings of a serial device, kept apart because the kernel's termios2 record (needed for
/// speeds without a B-constant, such as 14400 and 56000) cannot share a translation unit with <termios.h>.
namespace kelo::terminal {

/// Sets raw 8N1 framing, no flow control, receiver on, modem lines ignored, and @p baud bit/s.
/// @return false when the device refused the settings
bool applyRawFraming(int fd, std::uint32_t baud);

/// Discards bytes buffered in both directions.
void purge(int fd);

/// Drops DTR and RTS; devices without modem lines (pseudo-terminals) are accepted as they are.
void dropModemLines(int fd);

/// Asks for exclusive use of the device; devices that do not support it are accepted.
void claimExclusive(int fd);

/// True when @p fd is a terminal.
bool isTerminal(int fd);

/// The speed the device is set to [bit/s], or 0 when it cannot be read.
std::uint32_t currentBaud(int fd);

} // namespace kelo::terminal
