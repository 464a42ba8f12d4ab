#pragma once

#include <QString>
#include <string_view>

#include "core/Cell.h"
#include "core/Hand.h"
#include "core/Tile.h"

namespace morvane {

// What a screen reader says for the window's controls. All wording lives here so that it
// reads the same everywhere.
namespace AccessibleText {

// What a holder shows: "capital A", "small a", "digit 7" or "empty".
const QString& tileName(Tile tile);
// Where a holder sits: "cell of capital A" (by the cell's home character), "letter hand".
QString cellDescription(Cell cell);
QString handDescription(Hand hand);

// The readouts, from the texts they show (UTF-8): "Count 12", "Seconds 3,5".
QString countName(std::string_view countText);
QString elapsedName(std::string_view elapsedText);

// "< | >" reads as punctuation.
QString exchangeHandsName();

}  // namespace AccessibleText

}  // namespace morvane
