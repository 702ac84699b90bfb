#pragma once

#include "core/comm/line/Clock.h"

#include <mutex>
#include <thread>
#include <vector>

namespace kelo::test {

/// A FastClock that also keeps every pause asked for, with the thread that asked, so a test can check
/// the pauses of one sequence while the polling worker sleeps on the same clock.
class RecordingClock final : public Clock {
public:
    explicit RecordingClock(int ioDivisor = 10) : m_fast(ioDivisor) {}

    void sleepFor(Duration duration) override;
    TimePoint now() const override { return m_fast.now(); }
    Duration ioTimeout(Duration nominal) const override { return m_fast.ioTimeout(nominal); }

    /// Sum of every pause asked for so far, by any thread [ms].
    Duration totalSlept() const { return m_fast.totalSlept(); }

    /// The pauses [ms] the calling thread asked for since the last forget(), in order.
    std::vector<long long> pausesOfThisThread() const;
    void forget();

    /// Number of pauses so far, by any thread (a mark to take pauses from).
    std::size_t mark() const;
    /// The pauses of at least @p minimumMs [ms] since @p from, by any thread, in order.
    std::vector<long long> pausesSince(std::size_t from, long long minimumMs) const;

private:
    struct Pause {
        std::thread::id thread;
        long long ms;
    };
    FastClock m_fast;
    mutable std::mutex m_mutex; // guards m_pauses
    std::vector<Pause> m_pauses;
};

} // namespace kelo::test
