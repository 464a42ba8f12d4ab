#pragma once

#include <qdrawutil.h>
#include <QPainter>
#include <QPalette>
#include <QRect>

namespace morvane {

// The classic sunken edge of picture holders and the count box: grey and black above and
// left, white and face below and right, two pixels wide.
namespace SunkenEdge {

inline constexpr int kWidth = 2;

inline void draw(QPainter& painter, const QRect& outer, const QPalette& palette) {
    qDrawWinPanel(&painter, outer, palette, true);
}

inline QRect inside(const QRect& outer) {
    return outer.adjusted(kWidth, kWidth, -kWidth, -kWidth);
}

}  // namespace SunkenEdge

}  // namespace morvane
