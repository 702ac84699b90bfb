#include "core/comm/line/PortDevices.h"

#include "core/comm/line/TerminalControl.h"

#include <fcntl.h>
#include <unistd.h>

namespace kelo {

namespace {

int clampPort(int portIndex) {
    return portIndex >= 0 && portIndex <= 3 ? portIndex : 0;
}

} // namespace

std::string portDeviceKey(int portIndex) {
    return "Com" + std::to_string(clampPort(portIndex) + 1) + "Device";
}

std::string portName(int portIndex) {
    return "COM" + std::to_string(clampPort(portIndex) + 1);
}

std::string defaultPortDevice(int portIndex) {
    return "/dev/ttyS" + std::to_string(clampPort(portIndex));
}

bool isPortPresent(const std::string& devicePath) {
    // Opened without waiting for carrier and without becoming the controlling terminal; a device in
    // exclusive use by another program counts as absent, since it could not be opened for the units either.
    const int fd = ::open(devicePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    const bool terminal = terminal::isTerminal(fd);
    ::close(fd);
    return terminal;
}

} // namespace kelo
