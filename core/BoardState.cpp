#include "core/BoardState.h"

#include <utility>

namespace morvane {

namespace {

template <std::size_t... I>
constexpr std::array<Cell, sizeof...(I)> makeCells(std::index_sequence<I...>) {
    return {{Cell::fromIndex(static_cast<int>(I))...}};
}

constexpr auto kAllCells = makeCells(std::make_index_sequence<Cell::kCount>{});

// Place slots 0..61 are the cells in table order, then the two hands.
constexpr Tile solvedTileOfSlot(std::size_t slot) {
    return slot < kAllCells.size() ? GlyphTile(kAllCells[slot].homeCharacter()) : BlankTile;
}

template <std::size_t... I>
constexpr std::array<Tile, sizeof...(I)> makeSolved(std::index_sequence<I...>) {
    return {{solvedTileOfSlot(I)...}};
}

}  // namespace

BoardState::BoardState() : places_(makeSolved(std::make_index_sequence<kPlaceCount>{})) {}

void BoardState::exchange(Place a, Place b) {
    std::swap(places_[slotOf(a)], places_[slotOf(b)]);
}

std::span<const Cell, Cell::kCount> BoardState::cells() {
    return kAllCells;
}

std::optional<Cell> BoardState::cellByHolder(std::string_view name) {
    for (Cell cell : kAllCells) {
        if (holderOf(cell) == name)
            return cell;
    }
    return std::nullopt;
}

}  // namespace morvane
