#pragma once

#include <QRect>
#include <QWidget>

#include "ui/window/WindowLayout.h"

namespace morvane {

// Makes one control from its ControlSpec: the widget of its kind with its name, place, caption,
// colours, font and visibility. Pictures, selection and focus order are the builder's.
class ControlFactory {
public:
    static QWidget* create(const ControlSpec& controlSpec, QWidget& container);

    static int toPixels(int twips) { return twips / kTwipsPerPixel; }
    static QRect toPixels(const TwipRect& rect);
    // A line's pixels, both end points included.
    static QRect toPixels(const TwipLine& line);

private:
    static constexpr int kTwipsPerPixel = 15;

    static QWidget* createWidget(const ControlSpec& controlSpec, QWidget& container);
    static void applyColours(QWidget& widget, const ControlSpec& controlSpec);
};

}  // namespace morvane
