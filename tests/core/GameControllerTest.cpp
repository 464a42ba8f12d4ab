#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Game.h"
#include "tests/core/TestSupport.h"
#include "tests/support/FakeClock.h"

namespace morvane {
namespace {

using test::cellOf;
using test::FakeClock;
using test::showCells;

TEST(GameControllerTest, HasNoLevelBeforeStartUp) {
    FakeClock clock;
    Game game(clock);
    EXPECT_FALSE(game.controller().currentLevel().has_value());
    EXPECT_EQ(game.readouts().countText(), "");
}

TEST(GameControllerTest, StartUpCountsItsLevelSelectionOnce) {
    // Readings: start time, start's elapsed text, the level selection's refresh.
    FakeClock clock({50000.0F, 50000.0F, 50000.00390625F});
    Game game(clock);
    game.controller().startUp();
    EXPECT_EQ(game.readouts().countText(), "1");
    EXPECT_EQ(game.readouts().elapsedText(), "0.00390625");
    EXPECT_EQ(game.controller().currentLevel(), Level::NumbersOnly);
    EXPECT_TRUE(game.board() == BoardState());
}

TEST(GameControllerTest, ClickingACellTradesItsTileWithItsAreasHand) {
    FakeClock clock;
    Game game(clock);
    game.controller().startUp();
    game.controller().clickCell(cellOf('A'));
    EXPECT_EQ(game.board().tileAt(cellOf('A')), BlankTile);
    EXPECT_EQ(game.board().tileInHand(Hand::LetterHand), GlyphTile('A'));
    EXPECT_EQ(game.board().tileInHand(Hand::NumberHand), BlankTile);
    EXPECT_EQ(game.readouts().countText(), "2");

    // Put A down in B's cell and pick up B; then a digit goes to the number hand.
    game.controller().clickCell(cellOf('B'));
    EXPECT_EQ(showCells(game.board(), "AB"), "_A");
    EXPECT_EQ(game.board().tileInHand(Hand::LetterHand), GlyphTile('B'));
    game.controller().clickCell(cellOf('7'));
    EXPECT_EQ(game.board().tileInHand(Hand::NumberHand), GlyphTile('7'));
    EXPECT_EQ(game.board().tileInHand(Hand::LetterHand), GlyphTile('B'));
}

TEST(GameControllerTest, EachAreaTouchesOnlyItsOwnHandWhateverItsCellsHold) {
    FakeClock clock;
    Game game(clock);
    game.controller().startUp();
    game.controller().clickCell(cellOf('k'));  // letter hand holds k
    game.controller().clickCell(cellOf('3'));  // number hand holds 3
    // Ten letter cells now hold digits and the digit cells hold letters (z holds 0, 0 holds z).
    game.controller().selectLevel(Level::LettersAndNumbers);
    game.controller().shuffle();
    for (Cell cell : BoardState::cells()) {
        const Hand own = BoardState::handFor(cell);
        const Hand other = own == Hand::LetterHand ? Hand::NumberHand : Hand::LetterHand;
        const Tile held = game.board().tileAt(cell);
        const Tile untouched = game.board().tileInHand(other);
        game.controller().clickCell(cell);
        EXPECT_EQ(game.board().tileInHand(own), held) << cell.homeCharacter();
        EXPECT_EQ(game.board().tileInHand(other), untouched) << cell.homeCharacter();
    }
}

TEST(GameControllerTest, TwoClicksOnTheSameCellRestoreIt) {
    FakeClock clock;
    Game game(clock);
    game.controller().startUp();
    game.controller().clickCell(cellOf('x'));  // hold x, so the test is not blank against blank
    const BoardState before = game.board();
    game.controller().clickCell(cellOf('Q'));
    game.controller().clickCell(cellOf('Q'));
    EXPECT_TRUE(game.board() == before);
    EXPECT_EQ(game.readouts().countText(), "4");
}

TEST(GameControllerTest, HandExchangeCarriesATileToTheOtherArea) {
    FakeClock clock;
    Game game(clock);
    game.controller().startUp();
    game.controller().clickCell(cellOf('A'));
    game.controller().exchangeHands();
    EXPECT_EQ(game.board().tileInHand(Hand::NumberHand), GlyphTile('A'));
    EXPECT_EQ(game.board().tileInHand(Hand::LetterHand), BlankTile);
    game.controller().clickCell(cellOf('0'));  // A goes into the digit row
    EXPECT_EQ(game.board().tileAt(cellOf('0')), GlyphTile('A'));
    EXPECT_EQ(game.board().tileInHand(Hand::NumberHand), GlyphTile('0'));

    const BoardState before = game.board();
    game.controller().exchangeHands();
    game.controller().exchangeHands();
    EXPECT_TRUE(game.board() == before);
    EXPECT_EQ(game.readouts().countText(), "6");
}

TEST(GameControllerTest, SelectingALevelChangesOnlyTheLevelAndReadouts) {
    FakeClock clock;
    Game game(clock);
    game.controller().startUp();
    game.controller().clickCell(cellOf('m'));
    const BoardState before = game.board();
    game.controller().selectLevel(Level::LettersAndNumbers);
    EXPECT_EQ(game.controller().currentLevel(), Level::LettersAndNumbers);
    game.controller().selectLevel(Level::LettersOnly);
    game.controller().selectLevel(Level::LettersOnly);  // again on the selected level still counts
    EXPECT_EQ(game.controller().currentLevel(), Level::LettersOnly);
    EXPECT_TRUE(game.board() == before);
    EXPECT_EQ(game.readouts().countText(), "5");
}

// Which count each clock reading saw tells whether the seconds were read before or after counting.
TEST(GameControllerTest, ReadsTheClockBeforeCountingExceptWhenAboutCloses) {
    FakeClock clock;
    Game game(clock);
    std::vector<MoveCount> countAtReading;
    clock.onRead = [&] { countAtReading.push_back(game.readouts().moveCount()); };
    game.controller().startUp();  // start: two readings at 0; selection: one reading at 0
    game.controller().clickCell(cellOf('A'));
    game.controller().exchangeHands();
    game.controller().selectLevel(Level::LettersOnly);
    game.controller().shuffle();
    game.controller().aboutClosed();  // counts to 6 first, then reads
    EXPECT_EQ(countAtReading, (std::vector<MoveCount>{0, 0, 0, 1, 2, 3, 4, 6}));
}

TEST(GameControllerTest, AboutClosedReadsTheSecondsWhenTheBoxCloses) {
    FakeClock clock({1000.0F, 1000.0F, 1000.0F});
    Game game(clock);
    game.controller().startUp();
    clock.setNow(1042.25F);  // the box stayed open for a while
    game.controller().aboutClosed();
    EXPECT_EQ(game.readouts().countText(), "2");
    EXPECT_EQ(game.readouts().elapsedText(), "42.25");
    EXPECT_TRUE(game.board() == BoardState());
}

}  // namespace
}  // namespace morvane
