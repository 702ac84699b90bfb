#pragma once

#include "core/comm/line/Clock.h"

#include <mutex>
#include <vector>

namespace kelo::test {

/// A fast clock that also keeps every pause asked of it, in order, so a test can pick out the long
/// pauses of a sequence among the engine's short polling pauses.
class RecordingClock final : public Clock {
public:
    void sleepFor(Duration duration) override {
        m_fast.sleepFor(duration);
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_pauses.push_back(duration.count());
    }
    TimePoint now() const override { return m_fast.now(); }
    Duration ioTimeout(Duration nominal) const override { return m_fast.ioTimeout(nominal); }

    /// Number of pauses so far (a mark to take pauses from).
    std::size_t mark() const {
        const std::lock_guard<std::mutex> lock(m_mutex);
        return m_pauses.size();
    }
    /// The pauses of at least @p minimumMs [ms] since @p from, in order.
    std::vector<long long> pausesSince(std::size_t from, long long minimumMs) const {
        const std::lock_guard<std::mutex> lock(m_mutex);
        std::vector<long long> result;
        for (std::size_t i = from; i < m_pauses.size(); ++i) {
            if (m_pauses[i] >= minimumMs) {
                result.push_back(m_pauses[i]);
            }
        }
        return result;
    }

private:
    FastClock m_fast{10};
    mutable std::mutex m_mutex; ///< guards m_pauses: the worker and the test thread both pause
    std::vector<long long> m_pauses;
};

} // namespace kelo::test
