#pragma once

#include <atomic>
#include <chrono>

namespace kelo {

/// The one source of time for the communication code.
///
/// Every pause of the line protocol (the 200 ms steps of the baud climb, the 100 ms between sweeps,
/// the pauses of whole-unit transfers, the 3 s after going off line) goes through sleepFor(), and every
/// read or write time-out of a serial line goes through ioTimeout(). The program uses SystemClock, which
/// keeps the exact durations; tests use FastClock so that the real sequences run quickly.
class Clock {
public:
    using Duration = std::chrono::milliseconds;
    using TimePoint = std::chrono::steady_clock::time_point;

    virtual ~Clock() = default;

    /// Pauses the calling thread.
    /// @param duration the nominal pause [ms]
    virtual void sleepFor(Duration duration) = 0;

    /// The current time of this clock (monotonic).
    virtual TimePoint now() const = 0;

    /// How long a serial line really waits for bytes when its nominal time-out is @p nominal.
    /// @return @p nominal for the real clock; a shortened wait for test clocks
    virtual Duration ioTimeout(Duration nominal) const { return nominal; }
};

/// The real clock: sleeps for the full duration.
class SystemClock final : public Clock {
public:
    void sleepFor(Duration duration) override;
    TimePoint now() const override;

    /// One process-wide instance, the default of everything that takes a clock.
    static SystemClock& instance();
};

/// A test clock whose pauses return at once and only advance its own time.
///
/// Thread-safe: the worker and the test thread may sleep at the same time. I/O time-outs longer than
/// 20 ms are divided by the divisor given at construction (never below 20 ms), so a silent unit still
/// costs a real, short wait on the line instead of the full nominal time.
class FastClock final : public Clock {
public:
    explicit FastClock(int ioDivisor = 1);

    void sleepFor(Duration duration) override;
    TimePoint now() const override;
    Duration ioTimeout(Duration nominal) const override;

    /// Sum of every pause requested so far [ms].
    Duration totalSlept() const { return Duration(m_sleptMs.load()); }

    /// Number of sleepFor() calls so far.
    long sleepCount() const { return m_sleeps.load(); }

private:
    int m_ioDivisor;
    TimePoint m_start;
    std::atomic<long long> m_sleptMs{0};
    std::atomic<long> m_sleeps{0};
};

} // namespace kelo
