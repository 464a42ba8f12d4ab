#pragma once

#include <gtest/gtest.h>

#include <string>

#include "core/BoardState.h"
#include "tests/support/BoardChecks.h"

namespace morvane::test {

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
    if (const auto fault = test::tileConservationFault(board))
        return ::testing::AssertionFailure() << *fault;
    return ::testing::AssertionSuccess();
}

inline constexpr const char* kAllHomes =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

}  // namespace morvane::test
