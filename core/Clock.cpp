#include "Clock.h"

#include <ctime>

namespace morvane {

namespace {

double localSecondsSinceMidnight(std::chrono::system_clock::time_point now) {
    const std::time_t whole = std::chrono::system_clock::to_time_t(now);
    // Read once, on the one UI thread, so the shared buffer of std::localtime is safe here.
    const std::tm* local = std::localtime(&whole);
    if (local == nullptr)
        return 0.0;
    const auto fraction = now - std::chrono::system_clock::from_time_t(whole);
    return local->tm_hour * 3600.0 + local->tm_min * 60.0 + local->tm_sec +
           std::chrono::duration<double>(fraction).count();
}

}  // namespace

SystemClock::SystemClock()
    : startSecondsSinceMidnight_(localSecondsSinceMidnight(std::chrono::system_clock::now())),
      startTick_(std::chrono::steady_clock::now()) {}

float SystemClock::secondsSinceMidnight() {
    const std::chrono::duration<double> sinceStart = std::chrono::steady_clock::now() - startTick_;
    return static_cast<float>(startSecondsSinceMidnight_ + sinceStart.count());
}

}  // namespace morvane
