#include "sim/Simulator.h"

#include "core/comm/line/SerialLine.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <future>
#include <poll.h>
#include <stdexcept>
#include <system_error>
#include <unistd.h>

namespace kelo::sim {

namespace {

/// While the far end is closed the line cannot be waited on; look again this often [ms].
constexpr int kClosedLineRetryMs = 20;

/// Time one byte takes on the line at a speed index: start bit, 8 data bits, stop bit.
std::chrono::nanoseconds byteTime(int speedIndex) {
    return std::chrono::nanoseconds(10'000'000'000LL / baudRateOf(speedIndex));
}

std::string hex(std::span<const std::uint8_t> bytes) {
    std::string text;
    text.reserve(bytes.size() * 3);
    char digits[4];
    for (std::uint8_t byte : bytes) {
        std::snprintf(digits, sizeof digits, " %02X", byte);
        text += digits;
    }
    return text;
}

} // namespace

Simulator::Simulator(SimOptions options) : m_options(std::move(options)), m_responder(m_options.family) {
    for (std::uint8_t id : m_options.ids) {
        if (id >= kUnitCount) {
            throw std::invalid_argument("unit identifier " + std::to_string(id) + " is not in 0..31");
        }
        const bool repeated =
            std::any_of(m_units.begin(), m_units.end(), [id](const SimUnit& unit) { return unit.id == id; });
        if (repeated) {
            throw std::invalid_argument("unit identifier " + std::to_string(id) + " given twice");
        }
        m_units.push_back(m_responder.makeUnit(id));
        if (!m_options.settingsImage.empty()) {
            m_units.back().settingsImage = m_options.settingsImage;
        }
    }
    if (pipe2(m_stopPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        throw std::system_error(errno, std::generic_category(), "pipe2");
    }
    std::promise<void> serving;
    std::future<void> ready = serving.get_future();
    m_thread = std::thread([this, serving = std::move(serving)]() mutable {
        serving.set_value();
        serve();
    });
    ready.wait();
}

Simulator::~Simulator() {
    stop();
    ::close(m_stopPipe[0]);
    ::close(m_stopPipe[1]);
}

void Simulator::stop() {
    if (!m_thread.joinable()) {
        return;
    }
    const std::uint8_t wake = 1;
    [[maybe_unused]] const ssize_t written = ::write(m_stopPipe[1], &wake, 1);
    m_thread.join();
}

void Simulator::serve() {
    std::array<std::uint8_t, 512> buffer{};
    std::chrono::steady_clock::time_point heardFrom;
    int lineSpeedIndex = 0;
    bool lineClosed = false;
    for (;;) {
        pollfd fds[2] = {{m_pty.fd(), POLLIN, 0}, {m_stopPipe[0], POLLIN, 0}};
        if (lineClosed) {
            // A closed far end reports a hang-up at once, so wait on the stop pipe alone.
            if (poll(&fds[1], 1, kClosedLineRetryMs) > 0) {
                return;
            }
        }
        if (poll(fds, 2, lineClosed ? 0 : -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            return;
        }
        if ((fds[1].revents & POLLIN) != 0) {
            return;
        }
        if ((fds[0].revents & POLLIN) != 0) {
            const ssize_t got = ::read(m_pty.fd(), buffer.data(), buffer.size());
            if (got > 0) {
                lineClosed = false;
                for (std::size_t i = 0; i < static_cast<std::size_t>(got); ++i) {
                    if (buffer[i] == kStartByte) {
                        heardFrom = std::chrono::steady_clock::now();
                        lineSpeedIndex = currentLineSpeedIndex();
                    }
                    if (auto message = m_assembler.feed(buffer[i])) {
                        handleMessage(*message, lineSpeedIndex, heardFrom);
                    }
                }
                continue;
            }
            if (got < 0 && (errno == EAGAIN || errno == EINTR)) {
                continue;
            }
        }
        if ((fds[0].revents & (POLLHUP | POLLERR | POLLIN)) != 0 && !lineClosed) {
            lineClosed = true;
            onLineClosed();
        }
    }
}

void Simulator::onLineClosed() {
    m_assembler.reset();
    if (m_options.trace) {
        m_options.trace("-- line closed; units back at 9600 bit/s");
    }
    // The units lose the editor with the line: they return to the speed every connection starts at.
    std::lock_guard lock(m_mutex);
    for (SimUnit& unit : m_units) {
        unit.speedIndex = 0;
        unit.transfer = {};
    }
}

int Simulator::currentLineSpeedIndex() const {
    const unsigned speed = m_pty.lineSpeed();
    const auto found = std::find(kBaudRates.begin(), kBaudRates.end(), speed);
    return found == kBaudRates.end() ? -1 : static_cast<int>(found - kBaudRates.begin());
}

void Simulator::handleMessage(const std::vector<std::uint8_t>& message, int lineSpeedIndex,
                              std::chrono::steady_clock::time_point heardFrom) {
    if (m_options.pace && lineSpeedIndex >= 0) {
        std::this_thread::sleep_until(heardFrom + byteTime(lineSpeedIndex) * message.size());
    }
    trace("<-", message);
    const std::optional<Frame> frame = decodeFrame(message);
    std::vector<Outgoing> outgoing;
    {
        std::lock_guard lock(m_mutex);
        ++m_framesReceived;
        m_frameLog.push_back(message);
        if (m_frameLog.size() > kFrameLogSize) {
            m_frameLog.pop_front();
        }
        if (frame) {
            for (SimUnit& unit : m_units) {
                const bool understood = !m_options.checkLineSpeed || unit.speedIndex == lineSpeedIndex;
                if (understood && m_responder.hears(unit, *frame)) {
                    outgoing.push_back({unit.id, unit.speedIndex, m_responder.respond(unit, *frame)});
                }
            }
        }
    }
    m_framesChanged.notify_all();

    for (const Outgoing& out : outgoing) {
        if (out.reply.delay.count() > 0) {
            std::this_thread::sleep_for(out.reply.delay);
        }
        if (!out.reply.bytes.empty()) {
            trace("->", out.reply.bytes);
            const auto perByte = m_options.pace ? byteTime(out.speedIndex) : std::chrono::nanoseconds(0);
            m_pty.writeAll(out.reply.bytes, perByte, m_stopPipe[0]);
        }
        if (out.reply.speedAfterReply) {
            std::lock_guard lock(m_mutex);
            unitLocked(out.id).speedIndex = *out.reply.speedAfterReply;
        }
    }
}

void Simulator::trace(std::string_view direction, std::span<const std::uint8_t> bytes) const {
    if (m_options.trace) {
        m_options.trace(std::string(direction) + hex(bytes));
    }
}

template <typename Units> auto& Simulator::findUnit(Units& units, std::uint8_t id) {
    for (auto& unit : units) {
        if (unit.id == id) {
            return unit;
        }
    }
    throw std::out_of_range("no simulated unit with identifier " + std::to_string(id));
}

SimUnit& Simulator::unitLocked(std::uint8_t id) {
    return findUnit(m_units, id);
}

SimUnit Simulator::unit(std::uint8_t id) const {
    std::lock_guard lock(m_mutex);
    return findUnit(m_units, id);
}

void Simulator::modifyUnit(std::uint8_t id, const std::function<void(SimUnit&)>& change) {
    std::lock_guard lock(m_mutex);
    change(unitLocked(id));
}

void Simulator::setFaults(std::uint8_t id, const SimFaults& faults) {
    modifyUnit(id, [&faults](SimUnit& unit) {
        unit.faults = faults;
        unit.faultCounter = 0;
    });
}

void Simulator::setFaults(const SimFaults& faults) {
    std::lock_guard lock(m_mutex);
    for (SimUnit& unit : m_units) {
        unit.faults = faults;
        unit.faultCounter = 0;
    }
}

void Simulator::setPowered(std::uint8_t id, bool on) {
    modifyUnit(id, [on](SimUnit& unit) {
        unit.powered = on;
        unit.speedIndex = 0;
        unit.transfer = {};
    });
}

void Simulator::setSettingsImage(std::uint8_t id, std::vector<std::uint8_t> image) {
    modifyUnit(id, [&image](SimUnit& unit) { unit.settingsImage = std::move(image); });
}

void Simulator::setProgramImage(std::uint8_t id, std::size_t slot,
                                std::optional<std::vector<std::uint8_t>> image) {
    modifyUnit(id, [&](SimUnit& unit) { unit.programs.at(slot) = std::move(image); });
}

void Simulator::resetLineSpeeds() {
    std::lock_guard lock(m_mutex);
    for (SimUnit& unit : m_units) {
        unit.speedIndex = 0;
    }
}

std::uint64_t Simulator::framesReceived() const {
    std::lock_guard lock(m_mutex);
    return m_framesReceived;
}

std::vector<std::vector<std::uint8_t>> Simulator::receivedFrames() const {
    std::lock_guard lock(m_mutex);
    return {m_frameLog.begin(), m_frameLog.end()};
}

bool Simulator::waitForFrames(std::uint64_t count, std::chrono::milliseconds limit) const {
    std::unique_lock lock(m_mutex);
    return m_framesChanged.wait_for(lock, limit, [&] { return m_framesReceived >= count; });
}

} // namespace kelo::sim
