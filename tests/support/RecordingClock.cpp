#include "tests/support/RecordingClock.h"

namespace kelo::test {

void RecordingClock::sleepFor(Duration duration) {
    {
        std::lock_guard lock(m_mutex);
        m_pauses.push_back({std::this_thread::get_id(), duration.count()});
    }
    m_fast.sleepFor(duration);
}

std::vector<long long> RecordingClock::pausesOfThisThread() const {
    std::lock_guard lock(m_mutex);
    std::vector<long long> mine;
    for (const Pause& pause : m_pauses) {
        if (pause.thread == std::this_thread::get_id()) {
            mine.push_back(pause.ms);
        }
    }
    return mine;
}

void RecordingClock::forget() {
    std::lock_guard lock(m_mutex);
    m_pauses.clear();
}

std::size_t RecordingClock::mark() const {
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_pauses.size();
}

std::vector<long long> RecordingClock::pausesSince(std::size_t from, long long minimumMs) const {
    const std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<long long> result;
    for (std::size_t i = from; i < m_pauses.size(); ++i) {
        if (m_pauses[i].ms >= minimumMs) {
            result.push_back(m_pauses[i].ms);
        }
    }
    return result;
}

} // namespace kelo::test
