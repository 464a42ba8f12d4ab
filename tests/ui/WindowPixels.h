#pragma once

// Reading what the window paints.
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QWidget>

#include "assets/TileArtwork.h"
#include "core/BoardState.h"
#include "core/Tile.h"
#include "tests/ui/GoldenWindow.h"

namespace morvane::test {

// One image pixel per window pixel.
inline QImage grabWindow(QWidget& window) {
    QImage image = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(1.0);
    return image;
}

inline int countColour(const QImage& image, const QRect& area, const QColor& colour) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            n += image.pixelColor(x, y) == colour ? 1 : 0;
    }
    return n;
}

// Empty if the 29 x 29 inner area at `origin` shows `tile`'s picture exactly, with `background`
// wherever the picture leaves room; otherwise the first wrong pixel.
inline QString pictureMismatch(const QImage& image, QPoint origin, Tile tile,
                               const QColor& background) {
    const TileImage& picture = TileArtwork::instance().imageOf(tile);
    for (int y = 0; y < 29; ++y) {
        for (int x = 0; x < 29; ++x) {
            QColor expected = background;
            if (x < picture.width() && y < picture.height()) {
                const Rgb p = picture.pixel(x, y);
                expected = QColor(p.red, p.green, p.blue);
            }
            if (image.pixelColor(origin + QPoint(x, y)) != expected) {
                return QStringLiteral("pixel %1,%2 of the inner area at %3,%4")
                    .arg(x)
                    .arg(y)
                    .arg(origin.x())
                    .arg(origin.y());
            }
        }
    }
    return {};
}

// Empty if every visible holder paints the tile its place holds on `board`, the cells over the
// desktop colour and the hand views over button face; otherwise the first that does not.
inline QString boardPaintMismatch(const QImage& image, const BoardState& board) {
    QString wrong;
    const auto check = [&](const QRect& holder, Tile tile, const QColor& background) {
        const QPoint origin = golden::innerRect(holder).topLeft();
        if (wrong.isEmpty())
            wrong = pictureMismatch(image, origin, tile, background);
    };
    for (Cell cell : BoardState::cells())
        check(golden::cellRect(cell), board.tileAt(cell), golden::kDesktop);
    check(golden::rect(golden::kLetterHandView), board.tileInHand(Hand::LetterHand),
          golden::kButtonFace);
    check(golden::rect(golden::kNumberHandView), board.tileInHand(Hand::NumberHand),
          golden::kButtonFace);
    return wrong;
}

}  // namespace morvane::test
