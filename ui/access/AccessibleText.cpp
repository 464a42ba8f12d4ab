#include "ui/access/AccessibleText.h"

#include <array>

namespace morvane {

namespace {

QString spokenTileName(Tile tile) {
    if (tile.isBlank())
        return QStringLiteral("empty");
    // Speech reads "A" and "a" alike, and telling them apart is the game.
    const char c = tile.character();
    const QString kind = (c >= '0' && c <= '9')   ? QStringLiteral("digit")
                         : (c >= 'A' && c <= 'Z') ? QStringLiteral("capital")
                                                  : QStringLiteral("small");
    return kind + QLatin1Char(' ') + QLatin1Char(c);
}

}  // namespace

const QString& AccessibleText::tileName(Tile tile) {
    // Every redraw names all 64 visible holders: the 63 names are made once.
    static const auto names = [] {
        std::array<QString, Tile::kCount> all;
        for (int i = 0; i < Tile::kCount; ++i)
            all[static_cast<std::size_t>(i)] = spokenTileName(Tile::fromIndex(i));
        return all;
    }();
    return names[static_cast<std::size_t>(tile.index())];
}

QString AccessibleText::cellDescription(Cell cell) {
    return QStringLiteral("cell of ") + tileName(GlyphTile(cell.homeCharacter()));
}

QString AccessibleText::handDescription(Hand hand) {
    return hand == Hand::LetterHand ? QStringLiteral("letter hand") : QStringLiteral("number hand");
}

QString AccessibleText::countName(std::string_view countText) {
    return QStringLiteral("Count ") + QString::fromUtf8(countText);
}

QString AccessibleText::elapsedName(std::string_view elapsedText) {
    return QStringLiteral("Seconds ") + QString::fromUtf8(elapsedText);
}

QString AccessibleText::exchangeHandsName() {
    return QStringLiteral("Exchange hands");
}

}  // namespace morvane
