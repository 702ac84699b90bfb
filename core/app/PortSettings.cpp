#include "core/app/PortSettings.h"

#include "core/comm/line/PortDevices.h"

namespace kelo {

std::string portDevicePath(int portIndex, const SettingsStore& settings) {
    if (auto configured = settings.readString(portDeviceKey(portIndex)); configured && !configured->empty()) {
        return *configured;
    }
    return defaultPortDevice(portIndex);
}

} // namespace kelo
