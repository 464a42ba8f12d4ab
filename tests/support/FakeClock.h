#pragma once

#include <cstddef>
#include <functional>
#include <utility>
#include <vector>

#include "core/Clock.h"

namespace morvane::test {

// A clock the test drives: it reads one time until the test moves it, or a script of readings
// in turn and then the last of them. Shared by the core tests, the window tests and the fuzzer.
class FakeClock final : public Clock {
public:
    explicit FakeClock(float start = 0.0F) : now_(start) {}
    explicit FakeClock(std::vector<float> readings) : script_(std::move(readings)) {}

    float secondsSinceMidnight() override {
        if (onRead)
            onRead();
        ++reads_;
        if (next_ < script_.size())
            now_ = script_[next_++];
        return now_;
    }

    // What the next reading returns.
    float now() const { return next_ < script_.size() ? script_[next_] : now_; }

    // From here on every reading returns `seconds`; what is left of the script is dropped.
    void setNow(float seconds) {
        script_.clear();
        next_ = 0;
        now_ = seconds;
    }
    void advance(float seconds) { setNow(now() + seconds); }

    std::size_t readCount() const { return reads_; }

    // Runs as each reading is taken, so that a test can see what the game looked like then.
    std::function<void()> onRead;

private:
    std::vector<float> script_;
    std::size_t next_ = 0;
    float now_ = 0.0F;
    std::size_t reads_ = 0;
};

}  // namespace morvane::test
