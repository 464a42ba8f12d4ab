#include <gtest/gtest.h>

#include <random>

#include "core/Game.h"
#include "tests/core/TestSupport.h"
#include "tests/support/FakeClock.h"

namespace morvane {
namespace {

using test::FakeClock;

// Long seeded random games: after every action each glyph is in exactly one place, the blank
// in two, and the count equals the number of actions taken.
TEST(TileConservationTest, NoActionLosesOrDuplicatesATile) {
    constexpr int kGames = 20;
    constexpr int kActionsPerGame = 3000;
    for (unsigned seed = 1; seed <= kGames; ++seed) {
        FakeClock clock;
        Game game(clock);
        game.controller().startUp();
        std::mt19937 random(seed);
        MoveCount actions = 1;
        for (int step = 0; step < kActionsPerGame; ++step) {
            const unsigned choice = random() % 100;
            if (choice < 70) {
                game.controller().clickCell(BoardState::cells()[random() % Cell::kCount]);
            } else if (choice < 82) {
                game.controller().exchangeHands();
            } else if (choice < 90) {
                game.controller().shuffle();
            } else if (choice < 97) {
                game.controller().selectLevel(kAllLevels[random() % kAllLevels.size()]);
            } else {
                game.controller().aboutClosed();
            }
            ++actions;
            ASSERT_TRUE(test::tilesConserved(game.board())) << "seed " << seed << ", step " << step;
            ASSERT_EQ(game.readouts().moveCount(), actions) << "seed " << seed << ", step " << step;
        }
    }
}

}  // namespace
}  // namespace morvane
