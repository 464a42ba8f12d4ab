#pragma once

#include <chrono>

namespace morvane {

// Seconds since local midnight, in single precision, as the readouts expect.
// An interface so that tests can drive time.
class Clock {
public:
    virtual ~Clock() = default;
    virtual float secondsSinceMidnight() = 0;
};

// Reads the local time of day once, then advances by the monotonic clock: a game that runs
// past midnight keeps counting up (beyond 86,400 s) instead of jumping back, and setting the
// wall clock does not move it.
class SystemClock final : public Clock {
public:
    SystemClock();
    float secondsSinceMidnight() override;

private:
    double startSecondsSinceMidnight_;
    std::chrono::steady_clock::time_point startTick_;
};

}  // namespace morvane
