#pragma once

#include <QPainter>
#include <QStyleOption>

namespace morvane {

// The classic option button's round indicator, 12 by 12 pixels, drawn pixel by pixel: a
// two-pixel sunken edge round a white well with the dot in it. Drawn by a painter it comes
// out smoothed, which the classic look never was.
namespace ClassicRadioIndicator {

inline constexpr int kSize = 12;

void draw(QPainter& painter, const QStyleOption& option);

}  // namespace ClassicRadioIndicator

}  // namespace morvane
