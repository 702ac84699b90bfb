#include "core/comm/line/Clock.h"

#include <algorithm>
#include <thread>

namespace kelo {

void SystemClock::sleepFor(Duration duration) {
    std::this_thread::sleep_for(duration);
}

Clock::TimePoint SystemClock::now() const {
    return std::chrono::steady_clock::now();
}

SystemClock& SystemClock::instance() {
    static SystemClock clock;
    return clock;
}

FastClock::FastClock(int ioDivisor)
    : m_ioDivisor(std::max(1, ioDivisor)), m_start(std::chrono::steady_clock::now()) {}

void FastClock::sleepFor(Duration duration) {
    m_sleptMs += duration.count();
    ++m_sleeps;
    // Give the other thread a chance to run, as a real pause would.
    std::this_thread::yield();
}

Clock::TimePoint FastClock::now() const {
    return std::chrono::steady_clock::now() + Duration(m_sleptMs.load());
}

Clock::Duration FastClock::ioTimeout(Duration nominal) const {
    // The gap allowed between two bytes (20 ms) is never shortened: a reply must not be cut in two by a
    // busy machine. Longer waits shrink down to that floor.
    constexpr Duration floor{20};
    if (nominal <= floor) {
        return nominal;
    }
    return std::max(floor, nominal / m_ioDivisor);
}

} // namespace kelo
