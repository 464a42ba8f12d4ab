#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/Clock.h"

namespace morvane {

// The number of counted actions. 64 bits: no real game can ever wrap it.
using MoveCount = std::int64_t;

// The two readouts beside the board: the action count and the seconds since start-up as of
// the last action. They change only when an action refreshes them.
class PlayReadouts {
public:
    // `decimalSeparator` is the user's locale separator for the seconds readout, in UTF-8
    // (some locales use a character outside ASCII).
    explicit PlayReadouts(Clock& clock, std::string decimalSeparator = ".");

    // Takes the start time, writes the elapsed text from a second reading, and sets the count to 0.
    void start();
    void refreshElapsed();
    void countAction();

    MoveCount moveCount() const { return moveCount_; }
    const std::string& countText() const { return countText_; }
    const std::string& elapsedText() const { return elapsedText_; }

    // Seconds as the readout shows them: 7 significant digits, plain decimals, no trailing
    // zeros or separator, no thousands separators.
    static std::string formatElapsed(float seconds, std::string_view decimalSeparator);

private:
    friend class PlayReadoutsTestPeer;  // lets tests set the count near its limits

    Clock& clock_;
    std::string decimalSeparator_;
    float startTime_ = 0.0F;
    MoveCount moveCount_ = 0;
    std::string countText_;
    std::string elapsedText_;
};

}  // namespace morvane
