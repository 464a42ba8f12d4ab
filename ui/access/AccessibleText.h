#pragma once

#include <QString>
#include <string_view>

#include "core/Cell.h"
#include "core/Hand.h"
#include "core/Tile.h"

namespace morvane {

// What a screen reader says for the window's controls. All wording lives here so that it
// reads the same everywhere.
class AccessibleText {
public:
    // What a holder shows: "capital A", "small a", "digit 7" or "empty".
    static const QString& tileName(Tile tile);
    // Where a holder sits: "cell of capital A" (by the cell's home character), "letter hand".
    static QString cellDescription(Cell cell);
    static QString handDescription(Hand hand);

    // The readouts, from the texts they show (UTF-8): "Count 12", "Seconds 3,5".
    static QString countName(std::string_view countText);
    static QString secondsName(std::string_view elapsedText);

    // "< | >" reads as punctuation.
    static QString exchangeHandsName();
};

}  // namespace morvane
