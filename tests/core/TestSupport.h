#pragma once

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "core/BoardState.h"

namespace morvane::testing {

inline Cell cellOf(char home) {
    return Cell::findByHome(home).value();
}

// The characters a run of cells shows, '_' for the blank.
inline std::string showCells(const BoardState& board, const std::string& homes) {
    std::string shown;
    for (char home : homes) {
        const Tile tile = board.tileAt(cellOf(home));
        shown += tile.isBlank() ? '_' : tile.character();
    }
    return shown;
}

// Each glyph exactly once and the blank exactly twice among the 64 places.
inline ::testing::AssertionResult tilesConserved(const BoardState& board) {
    std::array<int, Tile::kCount> seen{};
    for (Cell cell : BoardState::cells())
        ++seen[static_cast<std::size_t>(board.tileAt(cell).index())];
    for (Hand hand : {Hand::LetterHand, Hand::NumberHand}) {
        ++seen[static_cast<std::size_t>(board.tileInHand(hand).index())];
    }
    for (int i = 0; i < Tile::kCount; ++i) {
        const int expected = Tile::fromIndex(i).isBlank() ? 2 : 1;
        if (seen[static_cast<std::size_t>(i)] != expected) {
            return ::testing::AssertionFailure()
                   << "tile #" << i << " is in " << seen[static_cast<std::size_t>(i)]
                   << " places, expected " << expected;
        }
    }
    return ::testing::AssertionSuccess();
}

inline constexpr const char* kAllHomes =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

}  // namespace morvane::testing
