#pragma once

#include <QRect>
#include <QWidget>

#include "ui/window/WindowLayout.h"

namespace morvane {

// Makes one control from its ControlSpec: the widget of its kind with its name, place, caption,
// colours, font and visibility. Pictures, selection and focus order are the builder's.
namespace ControlFactory {

QWidget* create(const ControlSpec& controlSpec, QWidget& container);

// Qt's device-independent pixel is 1/96 inch.
inline constexpr int kTwipsPerPixel = 15;

constexpr int toPixels(int twips) {
    return twips / kTwipsPerPixel;
}

}  // namespace ControlFactory

}  // namespace morvane
