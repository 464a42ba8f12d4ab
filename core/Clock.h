#pragma once

#include <functional>
#include <optional>

namespace morvane {

// Seconds since local midnight, in single precision, as the readouts expect.
// An interface so that tests can drive time.
class Clock {
public:
    virtual ~Clock() = default;
    virtual float secondsSinceMidnight() = 0;
};

// Reads the local time of day once, then advances by a counter that keeps running while the
// machine is suspended and never jumps with the wall clock. A game that runs past midnight keeps
// counting up (beyond 86,400 s) instead of jumping back, setting the wall clock does not move
// it, and an hour with the lid closed shows as an hour.
class SystemClock final : public Clock {
public:
    // Seconds since local midnight, now.
    using TimeOfDaySource = std::function<double()>;
    // Seconds on a counter with an arbitrary origin; nothing when it cannot be read.
    using ElapsedSource = std::function<std::optional<double>()>;

    // The local time of day and the machine's boot-time counter.
    SystemClock();
    SystemClock(const TimeOfDaySource& timeOfDay, ElapsedSource elapsed);

    float secondsSinceMidnight() override;

private:
    ElapsedSource elapsed_;
    double startSecondsSinceMidnight_;
    std::optional<double> startElapsed_;
    double secondsSinceStart_ = 0.0;
};

}  // namespace morvane
