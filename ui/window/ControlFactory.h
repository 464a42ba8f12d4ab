#pragma once

#include <variant>

#include "ui/window/WindowLayout.h"

class QLabel;
class QWidget;

namespace morvane {

class CaptionedFrame;
class ClassicPushButton;
class LevelOption;
class PictureHolder;
class SunkenLineEdit;

// A control as the factory built it, typed by its kind. A line is a plain one-pixel strip.
using BuiltControl = std::variant<PictureHolder*, QLabel*, SunkenLineEdit*, CaptionedFrame*,
                                  LevelOption*, ClassicPushButton*, QWidget*>;

// Makes one control from its ControlSpec: the widget of its kind with its name, place, caption,
// colours, font and visibility. Pictures, selection and focus order are the builder's.
namespace ControlFactory {

BuiltControl create(const ControlSpec& controlSpec, QWidget& container);

// The same control as a plain widget, whatever its kind.
QWidget* asWidget(const BuiltControl& control);

// Qt's device-independent pixel is 1/96 inch.
inline constexpr int kTwipsPerPixel = 15;

constexpr int toPixels(int twips) {
    return twips / kTwipsPerPixel;
}

}  // namespace ControlFactory

}  // namespace morvane
