#pragma once

#include <string>

namespace kelo {

class SettingsStore;

/// Device path of port index 0..3 ("COM1".."COM4"): the settings value "Com1Device".."Com4Device" when
/// it is a non-empty string, else "/dev/ttyS0".."/dev/ttyS3". An index outside 0..3 is treated as 0.
std::string portDevicePath(int portIndex, const SettingsStore& settings);

/// The settings value that names the device of port index 0..3, e.g. "Com1Device".
std::string portDeviceKey(int portIndex);

/// The port name shown to the user for port index 0..3, e.g. "COM1".
std::string portName(int portIndex);

/// True when @p devicePath exists and is a terminal.
bool isPortPresent(const std::string& devicePath);

} // namespace kelo
