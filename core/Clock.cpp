#include "core/Clock.h"

#include <chrono>
#include <ctime>
#include <utility>

namespace morvane {

namespace {

double localSecondsSinceMidnight() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t whole = std::chrono::system_clock::to_time_t(now);
    // Read once, on the one UI thread, so the shared buffer of std::localtime is safe here.
    const std::tm* local = std::localtime(&whole);
    if (local == nullptr)
        return 0.0;
    const auto fraction = now - std::chrono::system_clock::from_time_t(whole);
    return local->tm_hour * 3600.0 + local->tm_min * 60.0 + local->tm_sec +
           std::chrono::duration<double>(fraction).count();
}

std::optional<double> bootTimeSeconds() {
#if defined(__linux__)
    // Unlike the monotonic clock behind steady_clock, this one counts time spent suspended.
    timespec now{};
    if (clock_gettime(CLOCK_BOOTTIME, &now) != 0)
        return std::nullopt;
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
#else
    // Elsewhere, the standard's steady clock.
    const auto sinceEpoch = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration<double>(sinceEpoch).count();
#endif
}

}  // namespace

SystemClock::SystemClock() : SystemClock(localSecondsSinceMidnight, bootTimeSeconds) {}

SystemClock::SystemClock(const TimeOfDaySource& timeOfDay, ElapsedSource elapsed)
    : elapsed_(std::move(elapsed)),
      startSecondsSinceMidnight_(timeOfDay()),
      startElapsed_(elapsed_()) {}

float SystemClock::secondsSinceMidnight() {
    const std::optional<double> now = elapsed_();
    if (now) {
        // If the counter could not be read at construction, count from its first reading.
        if (!startElapsed_)
            startElapsed_ = now;
        secondsSinceStart_ = *now - *startElapsed_;
    }
    // A failed read repeats the last reading instead of jumping.
    return static_cast<float>(startSecondsSinceMidnight_ + secondsSinceStart_);
}

}  // namespace morvane
