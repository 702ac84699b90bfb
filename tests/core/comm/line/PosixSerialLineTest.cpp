#include "core/comm/line/PosixSerialLine.h"
#include "core/app/PortSettings.h"
#include "core/comm/line/PortDevices.h"
#include "core/comm/protocol/ConnectionEntry.h"
#include "core/comm/protocol/MessageExchange.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <unistd.h>

namespace kelo {
namespace {

using Bytes = std::vector<std::uint8_t>;

/// The far end of a pseudo-terminal; the line under test opens the slave device.
class PtyMaster {
public:
    PtyMaster() {
        m_fd = posix_openpt(O_RDWR | O_NOCTTY);
        EXPECT_GE(m_fd, 0);
        grantpt(m_fd);
        unlockpt(m_fd);
        m_slavePath = ptsname(m_fd);
    }
    ~PtyMaster() { close(); }
    /// Closes the far end, as a pulled USB adapter does.
    void close() {
        if (m_fd >= 0) {
            ::close(m_fd);
            m_fd = -1;
        }
    }
    PtyMaster(const PtyMaster&) = delete;
    PtyMaster& operator=(const PtyMaster&) = delete;

    const std::string& slavePath() const { return m_slavePath; }
    void write(const Bytes& bytes) {
        ASSERT_EQ(::write(m_fd, bytes.data(), bytes.size()), ssize_t(bytes.size()));
    }
    Bytes read(std::size_t count) {
        Bytes out;
        while (out.size() < count) {
            pollfd pfd{m_fd, POLLIN, 0};
            if (poll(&pfd, 1, 2000) <= 0) {
                break;
            }
            std::uint8_t buffer[256];
            const ssize_t n = ::read(m_fd, buffer, std::min(sizeof buffer, count - out.size()));
            if (n <= 0) {
                break;
            }
            out.insert(out.end(), buffer, buffer + n);
        }
        return out;
    }

private:
    int m_fd = -1;
    std::string m_slavePath;
};

TEST(PosixSerialLineTest, VanishedDeviceIsToldApartFromASilentLine) {
    FastClock clock(10);
    PtyMaster master;
    PosixSerialLine line(master.slavePath(), clock);
    ASSERT_EQ(line.OpenPort(), CommResult::Ok);
    line.SetReadTimeout(30);
    Bytes buffer(4);
    EXPECT_EQ(line.ReadPort(buffer), CommResult::IoIncomplete);

    master.close();
    EXPECT_EQ(line.ReadPort(buffer), CommResult::DeviceGone);
    EXPECT_EQ(line.WritePort(Bytes{0xF0, 0xF7}), CommResult::DeviceGone);
    // An exchange gives up at once with the same result instead of counting silent attempts.
    MessageExchange exchange(line, Family::Tz48, nullptr);
    std::array<std::uint32_t, kStatusFieldCount> status{};
    EXPECT_EQ(exchange.statusPoll(kModelProcessor, 1, status), CommResult::DeviceGone);
}

TEST(PosixSerialLineTest, OpenFailsOnMissingOrNonTerminalDevice) {
    PosixSerialLine missing("/nonexistent/ttyS9");
    EXPECT_EQ(missing.OpenPort(), CommResult::PortNotOpened);
    EXPECT_EQ(missing.ClosePort(), CommResult::PortNotOpened);

    test::TempDir dir;
    std::ofstream(dir.file("plain")) << "x";
    PosixSerialLine plain(dir.file("plain").string());
    EXPECT_EQ(plain.OpenPort(), CommResult::PortNotOpened);
    EXPECT_FALSE(isPortPresent(dir.file("plain").string()));
    EXPECT_FALSE(isPortPresent("/nonexistent/ttyS9"));
}

TEST(PosixSerialLineTest, WritesAndReadsExactCountsOverAPseudoTerminal) {
    PtyMaster far;
    EXPECT_TRUE(isPortPresent(far.slavePath()));
    PosixSerialLine line(far.slavePath());
    ASSERT_EQ(line.OpenPort(), CommResult::Ok);
    line.InitPort(0);
    EXPECT_EQ(line.currentBaud(), 9600u);

    const Bytes message{0xF0, 0x2F, 0x08, 0x03, 0x02, 0xF7};
    ASSERT_EQ(line.WritePort(message), CommResult::Ok);
    EXPECT_EQ(far.read(message.size()), message);

    // Raw mode: 0x0D, 0x0A, 0x03 and 0xFF pass through unchanged.
    const Bytes reply{0xF0, 0x0D, 0x0A, 0x03, 0xFF, 0x11};
    far.write(reply);
    Bytes first(2);
    Bytes rest(4);
    ASSERT_EQ(line.ReadPort(first), CommResult::Ok);
    ASSERT_EQ(line.ReadPort(rest), CommResult::Ok);
    EXPECT_EQ(first, (Bytes{0xF0, 0x0D}));
    EXPECT_EQ(rest, (Bytes{0x0A, 0x03, 0xFF, 0x11}));
    EXPECT_EQ(line.ClosePort(), CommResult::Ok);
    EXPECT_EQ(line.ClosePort(), CommResult::PortNotOpened);
}

TEST(PosixSerialLineTest, EverySpeedOfTheTableIsSet) {
    PtyMaster far;
    PosixSerialLine line(far.slavePath());
    ASSERT_EQ(line.OpenPort(), CommResult::Ok);
    line.InitPort(6);
    EXPECT_EQ(line.currentBaud(), 115200u);
    line.InitPort(0);
    EXPECT_EQ(line.currentBaud(), 9600u);
    for (int index = 0; index < 7; ++index) {
        line.SetPortBaudRate(index);
        EXPECT_EQ(line.currentBaud(), baudRateOf(index)) << index;
    }
}

TEST(PosixSerialLineTest, ShortReadTimesOutAndTimeoutChangesPurge) {
    FastClock clock(30);
    PtyMaster far;
    PosixSerialLine line(far.slavePath(), clock);
    ASSERT_EQ(line.OpenPort(), CommResult::Ok);
    line.InitPort(0);

    Bytes three(3);
    far.write({0x01, 0x02});
    EXPECT_EQ(line.ReadPort(three), CommResult::IoIncomplete);
    Bytes nothing(1);
    EXPECT_EQ(line.ReadPort(nothing), CommResult::IoIncomplete);

    // A speed change keeps bytes waiting; a time-out change discards them.
    far.write({0x05});
    line.SetPortBaudRate(3);
    Bytes one(1);
    ASSERT_EQ(line.ReadPort(one), CommResult::Ok);
    EXPECT_EQ(one[0], 0x05);

    far.write({0x06, 0x07});
    ::usleep(20000);
    line.SetReadTimeout(1000);
    EXPECT_EQ(line.timeouts().readConstant, 1000);
    EXPECT_EQ(line.timeouts().readInterval, 20);
    EXPECT_EQ(line.timeouts().readMultiplier, 20);
    EXPECT_EQ(line.timeouts().writeMultiplier, 10);
    EXPECT_EQ(line.timeouts().writeConstant, 100);
    EXPECT_EQ(line.ReadPort(one), CommResult::IoIncomplete);
}

TEST(PortDevicesTest, NamesAndSettingsMapping) {
    MemorySettingsStore settings;
    EXPECT_EQ(portDevicePath(0, settings), "/dev/ttyS0");
    EXPECT_EQ(portDevicePath(3, settings), "/dev/ttyS3");
    EXPECT_EQ(portName(3), "COM4");
    EXPECT_EQ(portDeviceKey(1), "Com2Device");
    settings.writeString("Com2Device", "/dev/ttyUSB0");
    EXPECT_EQ(portDevicePath(1, settings), "/dev/ttyUSB0");
    settings.writeString("Com3Device", "");
    EXPECT_EQ(portDevicePath(2, settings), "/dev/ttyS2");
    EXPECT_EQ(portDevicePath(9, settings), "/dev/ttyS0");
}

} // namespace
} // namespace kelo
