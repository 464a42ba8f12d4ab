#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>
#include <variant>

#include "core/Area.h"
#include "core/Cell.h"
#include "core/Hand.h"
#include "core/Tile.h"

namespace morvane {

// A place holds exactly one tile: one of the 62 cells or one of the two hands.
using Place = std::variant<Cell, Hand>;

// Which tile sits in each of the 64 places. Starts solved; `exchange` is the only mutation,
// so no action can ever lose or duplicate a tile.
class BoardState {
public:
    static constexpr int kPlaceCount = Cell::kCount + 2;

    // The solved arrangement: every cell holds its home glyph, both hands the blank.
    BoardState();

    Tile tileAt(Cell cell) const { return places_[slotOf(cell)]; }
    Tile tileInHand(Hand hand) const { return places_[slotOf(hand)]; }

    // Swaps the tiles of two places; exchanging a place with itself changes nothing.
    void exchange(Place a, Place b);

    static Area areaOf(Cell cell) { return cell.record().area; }
    static Hand handFor(Cell cell) {
        return areaOf(cell) == Area::LetterArea ? Hand::LetterHand : Hand::NumberHand;
    }
    static int rowOf(Cell cell) { return cell.record().row; }
    static int columnOf(Cell cell) { return cell.record().column; }

    // The 62 cells in cell-table order.
    static std::span<const Cell, Cell::kCount> cells();

    // The cell shown by the picture holder `name`; none for any other name (slot holders too).
    static std::optional<Cell> cellByHolder(std::string_view name);
    static std::string_view holderOf(Cell cell) { return cell.record().holder; }

    // Same tile in every place.
    friend bool operator==(const BoardState&, const BoardState&) = default;

private:
    static std::size_t slotOf(Cell cell) { return static_cast<std::size_t>(cell.index()); }
    static std::size_t slotOf(Hand hand) {
        return static_cast<std::size_t>(Cell::kCount + (hand == Hand::LetterHand ? 0 : 1));
    }
    static std::size_t slotOf(Place place) {
        return std::visit([](auto p) { return slotOf(p); }, place);
    }

    std::array<Tile, kPlaceCount> places_;
};

}  // namespace morvane
