#pragma once

#include <span>

#include "core/Cell.h"
#include "core/Level.h"

namespace morvane {

// Two cells whose tiles one shuffle exchanges.
struct CellPair {
    Cell first;
    Cell second;
};

// The fixed table of a level, in the order its pairs are applied. Within a table every cell
// occurs at most once, so applying it twice restores the board.
std::span<const CellPair> shuffleTableFor(Level level);

}  // namespace morvane
