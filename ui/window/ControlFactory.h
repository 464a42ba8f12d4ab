#pragma once

#include <QRect>
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

// Turns the layout's twips into the window's pixels by the resolution its fonts are drawn at,
// so that captions and their controls grow together whatever the desktop's scaling: 15 twips
// to a pixel at 96 dots per inch. An edge is rounded to the nearest pixel, so neighbours that
// meet or overlap in twips meet or overlap in pixels.
class TwipScale {
public:
    explicit constexpr TwipScale(int dotsPerInch) : dotsPerInch_(dotsPerInch) {}
    // The logical resolution of the screen `widget` is on, which its fonts use.
    static TwipScale of(const QWidget& widget);

    constexpr int dotsPerInch() const { return dotsPerInch_; }
    constexpr int pixels(int twips) const {
        return (twips * dotsPerInch_ + kTwipsPerInch / 2) / kTwipsPerInch;
    }
    QRect rect(const TwipRect& rect) const;
    // Both end points included.
    QRect rect(const TwipLine& line) const;

private:
    static constexpr int kTwipsPerInch = 1440;
    int dotsPerInch_;
};

// Makes one control from its ControlSpec: the widget of its kind with its name, place, caption,
// colours, font and visibility, and whether a holder takes clicks. Pictures, selection and
// focus order are the builder's.
namespace ControlFactory {

BuiltControl create(const ControlSpec& controlSpec, QWidget& container, TwipScale scale);

// The same control as a plain widget, whatever its kind.
QWidget* asWidget(const BuiltControl& control);

}  // namespace ControlFactory

}  // namespace morvane
