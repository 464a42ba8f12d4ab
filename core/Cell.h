#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/Area.h"

namespace morvane {

// One row of the cell table: a board position, named by its home character (the glyph it
// holds when the board is solved), with the window's picture holder that shows it.
struct CellRecord {
    char home;
    std::string_view holder;
    Area area;
    int row;
    int column;
};

// Letter rows 0-9 (capitals above their small letters), then the digit row; each from column 0.
inline constexpr std::array<CellRecord, 62> kCellTable{{
    {'A', "Picture4", Area::LetterArea, 0, 0},  {'B', "Picture3", Area::LetterArea, 0, 1},
    {'C', "Picture6", Area::LetterArea, 0, 2},  {'D', "Picture1", Area::LetterArea, 0, 3},
    {'E', "Picture29", Area::LetterArea, 0, 4}, {'F', "Picture31", Area::LetterArea, 0, 5},
    {'G', "Picture33", Area::LetterArea, 0, 6}, {'a', "Picture5", Area::LetterArea, 1, 0},
    {'b', "Picture34", Area::LetterArea, 1, 1}, {'c', "Picture7", Area::LetterArea, 1, 2},
    {'d', "Picture35", Area::LetterArea, 1, 3}, {'e', "Picture30", Area::LetterArea, 1, 4},
    {'f', "Picture32", Area::LetterArea, 1, 5}, {'g', "Picture2", Area::LetterArea, 1, 6},
    {'H', "Picture11", Area::LetterArea, 2, 0}, {'I', "Picture12", Area::LetterArea, 2, 1},
    {'J', "Picture13", Area::LetterArea, 2, 2}, {'K', "Picture14", Area::LetterArea, 2, 3},
    {'L', "Picture15", Area::LetterArea, 2, 4}, {'M', "Picture36", Area::LetterArea, 2, 5},
    {'N', "Picture44", Area::LetterArea, 2, 6}, {'O', "Picture37", Area::LetterArea, 2, 7},
    {'h', "Picture18", Area::LetterArea, 3, 0}, {'i', "Picture19", Area::LetterArea, 3, 1},
    {'j', "Picture10", Area::LetterArea, 3, 2}, {'k', "Picture9", Area::LetterArea, 3, 3},
    {'l', "Picture8", Area::LetterArea, 3, 4},  {'m', "Picture16", Area::LetterArea, 3, 5},
    {'n', "Picture17", Area::LetterArea, 3, 6}, {'o', "Picture20", Area::LetterArea, 3, 7},
    {'P', "Picture38", Area::LetterArea, 4, 0}, {'Q', "Picture23", Area::LetterArea, 4, 1},
    {'R', "Picture26", Area::LetterArea, 4, 2}, {'S', "Picture25", Area::LetterArea, 4, 3},
    {'p', "Picture24", Area::LetterArea, 5, 0}, {'q', "Picture40", Area::LetterArea, 5, 1},
    {'r', "Picture21", Area::LetterArea, 5, 2}, {'s', "Picture22", Area::LetterArea, 5, 3},
    {'T', "Picture41", Area::LetterArea, 6, 0}, {'U', "Picture39", Area::LetterArea, 6, 1},
    {'V', "Picture42", Area::LetterArea, 6, 2}, {'W', "Picture43", Area::LetterArea, 6, 3},
    {'t', "Picture47", Area::LetterArea, 7, 0}, {'u', "Picture48", Area::LetterArea, 7, 1},
    {'v', "Picture49", Area::LetterArea, 7, 2}, {'w', "Picture50", Area::LetterArea, 7, 3},
    {'X', "Picture51", Area::LetterArea, 8, 0}, {'Y', "Picture55", Area::LetterArea, 8, 1},
    {'Z', "Picture53", Area::LetterArea, 8, 2}, {'x', "Picture54", Area::LetterArea, 9, 0},
    {'y', "Picture52", Area::LetterArea, 9, 1}, {'z', "Picture56", Area::LetterArea, 9, 2},
    {'0', "Picture82", Area::NumberArea, 0, 0}, {'1', "Picture78", Area::NumberArea, 0, 1},
    {'2', "Picture73", Area::NumberArea, 0, 2}, {'3', "Picture74", Area::NumberArea, 0, 3},
    {'4', "Picture75", Area::NumberArea, 0, 4}, {'5', "Picture76", Area::NumberArea, 0, 5},
    {'6', "Picture77", Area::NumberArea, 0, 6}, {'7', "Picture79", Area::NumberArea, 0, 7},
    {'8', "Picture80", Area::NumberArea, 0, 8}, {'9', "Picture81", Area::NumberArea, 0, 9},
}};

// One of the 62 clickable board positions. A plain value: its position in the cell table.
class Cell {
public:
    static constexpr int kCount = static_cast<int>(kCellTable.size());

    // The cell whose home character is `home`, if `home` is one of the 62 glyph characters.
    static constexpr std::optional<Cell> findByHome(char home) {
        for (int i = 0; i < kCount; ++i) {
            if (kCellTable[static_cast<std::size_t>(i)].home == home)
                return Cell(i);
        }
        return std::nullopt;
    }

    // The cell of a home character known when compiling, as in the shuffle tables;
    // a character without a cell does not compile.
    static consteval Cell ofHome(char home) { return findByHome(home).value(); }

    // `index` must be in 0..61.
    static constexpr Cell fromIndex(int index) { return Cell(index); }

    constexpr int index() const { return index_; }
    constexpr const CellRecord& record() const { return kCellTable[index_]; }
    constexpr char homeCharacter() const { return record().home; }

    friend constexpr bool operator==(Cell, Cell) = default;

private:
    explicit constexpr Cell(int index) : index_(static_cast<std::uint8_t>(index)) {}

    std::uint8_t index_;
};

}  // namespace morvane
