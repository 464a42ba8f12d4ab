#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <thread>

#include "core/Clock.h"
#include "core/PlayReadouts.h"
#include "tests/support/FakeClock.h"

namespace morvane {

// Sets the count directly, so the limits can be reached without billions of actions.
class PlayReadoutsTestPeer {
public:
    static void setMoveCount(PlayReadouts& readouts, MoveCount count) {
        readouts.moveCount_ = count;
    }
};

namespace {

using test::FakeClock;

TEST(PlayReadoutsTest, TextsAreEmptyUntilStart) {
    FakeClock clock;
    const PlayReadouts readouts(clock);
    EXPECT_EQ(readouts.countText(), "");
    EXPECT_EQ(readouts.elapsedText(), "");
    EXPECT_EQ(clock.readCount(), 0U);
}

TEST(PlayReadoutsTest, StartTakesTwoReadingsAndZeroesTheCount) {
    FakeClock clock({40000.0F, 40000.0078125F});
    PlayReadouts readouts(clock);
    readouts.start();
    EXPECT_EQ(clock.readCount(), 2U);
    EXPECT_EQ(readouts.elapsedText(), "0.0078125");
    EXPECT_EQ(readouts.countText(), "0");
    EXPECT_EQ(readouts.moveCount(), 0);
}

TEST(PlayReadoutsTest, RefreshMeasuresFromTheStartInSinglePrecision) {
    FakeClock clock({40000.0F, 40000.0F});
    PlayReadouts readouts(clock);
    readouts.start();
    EXPECT_EQ(readouts.elapsedText(), "0");

    // Between 32,768 and 65,536 s readings are multiples of 1/256 s.
    clock.setNow(40012.5078125F);
    readouts.refreshElapsed();
    EXPECT_EQ(readouts.elapsedText(), "12.50781");
    EXPECT_EQ(readouts.countText(), "0");  // the count moves only with countAction
}

TEST(PlayReadoutsTest, NothingChangesWithoutAnAction) {
    FakeClock clock({100.0F, 100.5F});
    PlayReadouts readouts(clock);
    readouts.start();
    readouts.countAction();
    clock.setNow(5000.0F);
    EXPECT_EQ(readouts.elapsedText(), "0.5");
    EXPECT_EQ(readouts.countText(), "1");
    EXPECT_EQ(clock.readCount(), 2U);
}

TEST(PlayReadoutsTest, CountPassesSixteenAndThirtyTwoBitLimitsWithoutWrapping) {
    FakeClock clock;
    PlayReadouts readouts(clock);
    readouts.start();
    for (int i = 0; i < 3; ++i)
        readouts.countAction();
    EXPECT_EQ(readouts.countText(), "3");

    PlayReadoutsTestPeer::setMoveCount(readouts, 32767);
    readouts.countAction();
    EXPECT_EQ(readouts.countText(), "32768");

    PlayReadoutsTestPeer::setMoveCount(readouts, std::numeric_limits<std::int32_t>::max());
    readouts.countAction();
    EXPECT_EQ(readouts.countText(), "2147483648");
    EXPECT_GT(readouts.moveCount(), 0);
}

TEST(SystemClockTest, StartsAtTheTimeOfDayAndNeverRunsBackwards) {
    SystemClock clock;
    float previous = clock.secondsSinceMidnight();
    EXPECT_GE(previous, 0.0F);
    EXPECT_LT(previous, 86401.0F);
    for (int i = 0; i < 5; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        const float now = clock.secondsSinceMidnight();
        EXPECT_GE(now, previous);
        previous = now;
    }
}

// The two things SystemClock reads: the local time of day and the boot-time counter.
// Time passing moves both; setting the wall clock moves only the time of day.
struct FakeTimeSources {
    double timeOfDay;
    std::optional<double> counter = 5000.0;

    void pass(double seconds) {
        timeOfDay = std::fmod(timeOfDay + seconds, 86400.0);
        *counter += seconds;
    }
    SystemClock clock() {
        return SystemClock([this] { return timeOfDay; }, [this] { return counter; });
    }
};

TEST(SystemClockTest, GameAcrossMidnightKeepsCountingUp) {
    FakeTimeSources sources{86399.5};
    SystemClock clock = sources.clock();
    EXPECT_EQ(clock.secondsSinceMidnight(), 86399.5F);
    sources.pass(1.0);  // the time of day is now 0.5
    EXPECT_EQ(clock.secondsSinceMidnight(), 86400.5F);
}

TEST(SystemClockTest, SettingTheWallClockBackChangesNothing) {
    FakeTimeSources sources{40000.0};
    SystemClock clock = sources.clock();
    sources.pass(10.0);
    sources.timeOfDay -= 3600.0;
    EXPECT_EQ(clock.secondsSinceMidnight(), 40010.0F);
}

TEST(SystemClockTest, AnHourOfSuspendShowsAsAnHour) {
    FakeTimeSources sources{40000.0};
    SystemClock clock = sources.clock();
    PlayReadouts readouts(clock);
    readouts.start();
    sources.pass(3600.0);
    readouts.refreshElapsed();
    EXPECT_EQ(readouts.elapsedText(), "3600");
}

TEST(SystemClockTest, AnUnreadableCounterHoldsTheLastReading) {
    FakeTimeSources sources{1000.0, std::nullopt};
    SystemClock clock = sources.clock();
    EXPECT_EQ(clock.secondsSinceMidnight(), 1000.0F);
    sources.counter = 7.0;  // readable at last: counts from here
    EXPECT_EQ(clock.secondsSinceMidnight(), 1000.0F);
    sources.pass(2.5);
    EXPECT_EQ(clock.secondsSinceMidnight(), 1002.5F);
    sources.counter.reset();
    EXPECT_EQ(clock.secondsSinceMidnight(), 1002.5F);
}

}  // namespace
}  // namespace morvane
