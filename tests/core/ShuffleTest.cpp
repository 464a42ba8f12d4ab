#include <gtest/gtest.h>

#include <random>
#include <string>

#include "core/Game.h"
#include "tests/core/TestSupport.h"
#include "tests/support/FakeClock.h"

namespace morvane {
namespace {

using test::cellOf;
using test::FakeClock;
using test::showCells;

// Each letter row's home characters, top to bottom, and what a solved board shows there
// after one LettersOnly shuffle.
struct RowAfterShuffle {
    const char* homes;
    const char* shown;
};
constexpr RowAfterShuffle kLettersOnlyRows[] = {
    {"ABCDEFG", "zyxwvut"},   {"abcdefg", "ZYXWVUT"}, {"HIJKLMNO", "srqponml"},
    {"hijklmno", "SRQPONML"}, {"PQRS", "kjih"},       {"pqrs", "KJIH"},
    {"TUVW", "gfed"},         {"tuvw", "GFED"},       {"XYZ", "cba"},
    {"xyz", "CBA"},
};

constexpr const char* kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

TEST(ShuffleTest, NumbersOnlyReversesTheDigitRowOfASolvedBoard) {
    FakeClock clock;
    Game game(clock);
    game.controller().startUp();
    game.controller().shuffle();
    EXPECT_EQ(showCells(game.board(), "0123456789"), "9876543210");
    EXPECT_EQ(showCells(game.board(), kLetters), kLetters);
}

TEST(ShuffleTest, LettersOnlyMirrorsCapitalsWithSmallLetters) {
    FakeClock clock;
    Game game(clock);
    game.controller().startUp();
    game.controller().selectLevel(Level::LettersOnly);
    game.controller().shuffle();
    for (const RowAfterShuffle& row : kLettersOnlyRows) {
        EXPECT_EQ(showCells(game.board(), row.homes), row.shown) << "row of " << row.homes;
    }
    EXPECT_EQ(showCells(game.board(), "0123456789"), "0123456789");
}

TEST(ShuffleTest, LettersAndNumbersSwapsDigitsWithTenLetters) {
    FakeClock clock;
    Game game(clock);
    game.controller().startUp();
    game.controller().selectLevel(Level::LettersAndNumbers);
    game.controller().shuffle();
    EXPECT_EQ(showCells(game.board(), "0123456789"), "zZvVrRjJcC");
    EXPECT_EQ(showCells(game.board(), "zZvVrRjJcC"), "0123456789");
    EXPECT_EQ(showCells(game.board(), "ABDEFGHIKLMNOPQSTUWXYabdefghiklmnopqstuwxy"),
              "ABDEFGHIKLMNOPQSTUWXYabdefghiklmnopqstuwxy");
}

TEST(ShuffleTest, ShufflingTwiceRestoresAnyBoard) {
    for (unsigned seed = 1; seed <= 5; ++seed) {
        for (Level level : kAllLevels) {
            FakeClock clock;
            Game game(clock);
            game.controller().startUp();
            // Scramble first, so the tables act on tiles far from home and on blanks.
            std::mt19937 random(seed);
            for (int i = 0; i < 200; ++i) {
                game.controller().clickCell(BoardState::cells()[random() % Cell::kCount]);
                if (random() % 7 == 0)
                    game.controller().exchangeHands();
            }
            game.controller().selectLevel(level);
            const BoardState before = game.board();
            game.controller().shuffle();
            EXPECT_FALSE(game.board() == before) << "seed " << seed;
            game.controller().shuffle();
            EXPECT_TRUE(game.board() == before)
                << "seed " << seed << ", level " << static_cast<int>(level);
        }
    }
}

TEST(ShuffleTest, HandsStayPutAndTheBlankLeftInACellMovesLikeAnyTile) {
    for (Level level : kAllLevels) {
        FakeClock clock;
        Game game(clock);
        game.controller().startUp();
        game.controller().clickCell(cellOf('A'));  // A in hand, blank in A's cell
        game.controller().clickCell(cellOf('0'));  // 0 in hand, blank in 0's cell
        game.controller().selectLevel(level);
        game.controller().shuffle();
        EXPECT_EQ(game.board().tileInHand(Hand::LetterHand), GlyphTile('A'));
        EXPECT_EQ(game.board().tileInHand(Hand::NumberHand), GlyphTile('0'));
        EXPECT_TRUE(test::tilesConserved(game.board()));
    }
    FakeClock clock;
    Game game(clock);
    game.controller().startUp();
    game.controller().clickCell(cellOf('A'));
    game.controller().selectLevel(Level::LettersOnly);
    game.controller().shuffle();
    EXPECT_EQ(showCells(game.board(), "Az"), "z_");
}

}  // namespace
}  // namespace morvane
