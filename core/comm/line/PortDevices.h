#pragma once

#include <string>

namespace kelo {

/// The device of port index 0..3 when the settings name none: "/dev/ttyS0".."/dev/ttyS3". An index
/// outside 0..3 is treated as 0.
std::string defaultPortDevice(int portIndex);

/// The settings value that names the device of port index 0..3, e.g. "Com1Device".
std::string portDeviceKey(int portIndex);

/// The port name shown to the user for port index 0..3, e.g. "COM1".
std::string portName(int portIndex);

/// True when @p devicePath exists and is a terminal.
bool isPortPresent(const std::string& devicePath);

} // namespace kelo
