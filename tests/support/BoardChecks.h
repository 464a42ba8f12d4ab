#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "core/BoardState.h"

namespace morvane::test {

// The cell whose home character is `home`: the tests name cells by the glyph a solved board
// shows there.
inline Cell cellOf(char home) {
    return Cell::findByHome(home).value();
}

// The board's invariant: among the 64 places each glyph tile is in exactly one and the blank
// tile in exactly two. Says which tile breaks it, if one does.
inline std::optional<std::string> tileConservationFault(const BoardState& board) {
    std::array<int, Tile::kCount> seen{};
    for (Cell cell : BoardState::cells())
        ++seen[static_cast<std::size_t>(board.tileAt(cell).index())];
    for (Hand hand : {Hand::LetterHand, Hand::NumberHand})
        ++seen[static_cast<std::size_t>(board.tileInHand(hand).index())];
    for (int i = 0; i < Tile::kCount; ++i) {
        const Tile tile = Tile::fromIndex(i);
        const int expected = tile.isBlank() ? 2 : 1;
        const int found = seen[static_cast<std::size_t>(i)];
        if (found != expected) {
            const std::string name = tile.isBlank() ? std::string("the blank tile")
                                                    : std::string("tile ") + tile.character();
            return name + " is in " + std::to_string(found) + " places, expected " +
                   std::to_string(expected);
        }
    }
    return std::nullopt;
}

}  // namespace morvane::test
