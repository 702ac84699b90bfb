#include "core/comm/line/TerminalControl.h"

#include <asm/termbits.h>
#include <sys/ioctl.h>

namespace kelo::terminal {

bool applyRawFraming(int fd, std::uint32_t baud) {
    struct termios2 tio {};
    if (ioctl(fd, TCGETS2, &tio) != 0) {
        return false;
    }
    tio.c_iflag = IGNBRK;
    tio.c_oflag = 0;
    tio.c_lflag = 0;
    tio.c_cflag = CS8 | CREAD | CLOCAL | BOTHER;
    tio.c_ispeed = baud;
    tio.c_ospeed = baud;
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    return ioctl(fd, TCSETS2, &tio) == 0;
}

void purge(int fd) {
    ioctl(fd, TCFLSH, TCIOFLUSH);
}

void dropModemLines(int fd) {
    int lines = TIOCM_DTR | TIOCM_RTS;
    ioctl(fd, TIOCMBIC, &lines);
}

void claimExclusive(int fd) {
    ioctl(fd, TIOCEXCL);
}

bool isTerminal(int fd) {
    struct termios2 tio {};
    return ioctl(fd, TCGETS2, &tio) == 0;
}

std::uint32_t currentBaud(int fd) {
    struct termios2 tio {};
    if (ioctl(fd, TCGETS2, &tio) != 0) {
        return 0;
    }
    return tio.c_ospeed;
}

} // namespace kelo::terminal
