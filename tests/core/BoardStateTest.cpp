#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "core/BoardState.h"
#include "tests/core/TestSupport.h"

namespace morvane {
namespace {

using test::cellOf;
using test::kAllHomes;
using test::showCells;

TEST(BoardStateTest, StartsSolvedWithBlankHands) {
    const BoardState board;
    for (Cell cell : BoardState::cells()) {
        EXPECT_EQ(board.tileAt(cell), GlyphTile(cell.homeCharacter())) << cell.homeCharacter();
    }
    EXPECT_EQ(board.tileInHand(Hand::LetterHand), BlankTile);
    EXPECT_EQ(board.tileInHand(Hand::NumberHand), BlankTile);
    EXPECT_TRUE(test::tilesConserved(board));
}

// The number of the picture holder drawn showing each character at start-up, written out
// apart from the cell table so that a mistake there shows: A-Z, then a-z, then 0-9.
constexpr int kHolderNumberByCharacter[62] = {
    4,  3,  6,  1,  29, 31, 33, 11, 12, 13, 14, 15, 36,
    44, 37, 38, 23, 26, 25, 41, 39, 42, 43, 51, 55, 53,  // A-Z
    5,  34, 7,  35, 30, 32, 2,  18, 19, 10, 9,  8,  16,
    17, 20, 24, 40, 21, 22, 47, 48, 49, 50, 54, 52, 56,  // a-z
    82, 78, 73, 74, 75, 76, 77, 79, 80, 81,              // 0-9
};

TEST(BoardStateTest, CellsRunInTableOrderWithTheirRowsColumnsAndHolders) {
    // Letter rows 0-9 then the digit row, each from column 0, as the window draws them.
    const char* const rows[] = {"ABCDEFG", "abcdefg", "HIJKLMNO", "hijklmno", "PQRS",      "pqrs",
                                "TUVW",    "tuvw",    "XYZ",      "xyz",      "0123456789"};
    std::string inOrder;
    for (Cell cell : BoardState::cells())
        inOrder += cell.homeCharacter();
    std::string expected;
    for (const char* row : rows)
        expected += row;
    EXPECT_EQ(inOrder, expected);

    for (int row = 0; row < 11; ++row) {
        const std::string homes = rows[row];
        for (std::size_t column = 0; column < homes.size(); ++column) {
            const Cell cell = cellOf(homes[column]);
            SCOPED_TRACE(homes[column]);
            const int tableRow = row == 10 ? 0 : row;
            EXPECT_EQ(BoardState::rowOf(cell), tableRow);
            EXPECT_EQ(BoardState::columnOf(cell), static_cast<int>(column));

            const std::size_t alphabetical = std::string_view(kAllHomes).find(homes[column]);
            const std::string holder =
                "Picture" + std::to_string(kHolderNumberByCharacter[alphabetical]);
            EXPECT_EQ(BoardState::holderOf(cell), holder);
            const std::optional<Cell> drawn = BoardState::cellByHolder(holder);
            ASSERT_TRUE(drawn.has_value()) << holder;
            EXPECT_EQ(BoardState::areaOf(*drawn), row == 10 ? Area::NumberArea : Area::LetterArea);
            EXPECT_EQ(BoardState::rowOf(*drawn), tableRow);
            EXPECT_EQ(BoardState::columnOf(*drawn), static_cast<int>(column));
        }
    }
}

TEST(BoardStateTest, AreaDecidesTheHand) {
    int letters = 0;
    for (Cell cell : BoardState::cells()) {
        const bool digit = cell.homeCharacter() >= '0' && cell.homeCharacter() <= '9';
        EXPECT_EQ(BoardState::areaOf(cell), digit ? Area::NumberArea : Area::LetterArea);
        EXPECT_EQ(BoardState::handFor(cell), digit ? Hand::NumberHand : Hand::LetterHand);
        letters += digit ? 0 : 1;
    }
    EXPECT_EQ(letters, 52);
}

TEST(BoardStateTest, HolderNamesMapBothWays) {
    std::set<std::string> holders;
    for (Cell cell : BoardState::cells()) {
        const std::string_view holder = BoardState::holderOf(cell);
        holders.emplace(holder);
        EXPECT_EQ(BoardState::cellByHolder(holder), cell) << holder;
    }
    EXPECT_EQ(holders.size(), 62U);

    // Spot checks against the table, including the non-contiguous numbering.
    EXPECT_EQ(BoardState::holderOf(cellOf('A')), "Picture4");
    EXPECT_EQ(BoardState::holderOf(cellOf('g')), "Picture2");
    EXPECT_EQ(BoardState::holderOf(cellOf('z')), "Picture56");
    EXPECT_EQ(BoardState::holderOf(cellOf('0')), "Picture82");
    EXPECT_EQ(BoardState::holderOf(cellOf('9')), "Picture81");

    // The slot holders, unused numbers and near misses name no cell.
    for (const char* name :
         {"Picture27", "Picture28", "Picture45", "Picture46", "Picture63", "Picture64", "Picture57",
          "Picture72", "Picture0", "picture4", "Picture4 ", "Picture", ""}) {
        EXPECT_FALSE(BoardState::cellByHolder(name).has_value()) << '"' << name << '"';
    }
}

TEST(BoardStateTest, ExchangeSwapsAnyTwoPlacesAndNothingElse) {
    BoardState board;
    board.exchange(cellOf('A'), Hand::LetterHand);
    EXPECT_EQ(board.tileAt(cellOf('A')), BlankTile);
    EXPECT_EQ(board.tileInHand(Hand::LetterHand), GlyphTile('A'));

    // Places, not characters: a letter may go into a digit cell and a blank anywhere.
    board.exchange(cellOf('5'), cellOf('A'));
    EXPECT_EQ(board.tileAt(cellOf('5')), BlankTile);
    EXPECT_EQ(board.tileAt(cellOf('A')), GlyphTile('5'));
    board.exchange(Hand::LetterHand, Hand::NumberHand);
    EXPECT_EQ(board.tileInHand(Hand::NumberHand), GlyphTile('A'));

    const BoardState before = board;
    board.exchange(cellOf('q'), cellOf('q'));
    EXPECT_TRUE(board == before);
    EXPECT_EQ(showCells(board, "BCDEFGHIJ"), "BCDEFGHIJ");
    EXPECT_TRUE(test::tilesConserved(board));
}

TEST(BoardStateTest, TileIdentitiesAreDistinctAndRoundTrip) {
    std::set<int> indices;
    for (const char* c = kAllHomes; *c != '\0'; ++c) {
        const Tile tile = GlyphTile(*c);
        EXPECT_EQ(tile.character(), *c);
        EXPECT_FALSE(tile.isBlank());
        EXPECT_EQ(Tile::fromIndex(tile.index()), tile);
        indices.insert(tile.index());
    }
    EXPECT_EQ(indices.size(), 62U);
    EXPECT_TRUE(BlankTile.isBlank());
    EXPECT_EQ(indices.count(BlankTile.index()), 0U);
}

}  // namespace
}  // namespace morvane
