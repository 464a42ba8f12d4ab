#pragma once

#include <qdrawutil.h>
#include <QPainter>
#include <QPalette>
#include <QRect>
#include <QTransform>

namespace morvane {

// The classic sunken edge of picture holders and the count box: grey and black above and
// left, white and face below and right, two pixels wide.
namespace SunkenEdge {

inline constexpr int kWidth = 2;

inline void draw(QPainter& painter, const QRect& outer, const QPalette& palette) {
    const int x = outer.x();
    const int y = outer.y();
    const int w = outer.width();
    const int h = outer.height();
    // Drawn at one device pixel per pixel, the edge is eight one-pixel strips, which cost a
    // third of Qt's lines; scaled, it is Qt's own, which knows how to round them.
    if (painter.deviceTransform().type() > QTransform::TxTranslate || w <= 4 || h <= 4) {
        qDrawWinPanel(&painter, outer, palette, true);
        return;
    }
    const QColor dark = palette.color(QPalette::Dark);
    const QColor light = palette.color(QPalette::Light);
    const QColor shadow = palette.color(QPalette::Shadow);
    const QColor midlight = palette.color(QPalette::Midlight);
    painter.fillRect(x, y, w - 1, 1, dark);
    painter.fillRect(x, y, 1, h - 1, dark);
    painter.fillRect(x, y + h - 1, w, 1, light);
    painter.fillRect(x + w - 1, y, 1, h, light);
    painter.fillRect(x + 1, y + 1, w - 3, 1, shadow);
    painter.fillRect(x + 1, y + 1, 1, h - 3, shadow);
    painter.fillRect(x + 1, y + h - 2, w - 2, 1, midlight);
    painter.fillRect(x + w - 2, y + 1, 1, h - 2, midlight);
}

inline QRect inside(const QRect& outer) {
    return outer.adjusted(kWidth, kWidth, -kWidth, -kWidth);
}

}  // namespace SunkenEdge

}  // namespace morvane
