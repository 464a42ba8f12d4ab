#pragma once

#include <QFontMetrics>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>

#include "ui/controls/CaptionedFrame.h"

namespace morvane::test {

// What a caption needs in its control's font, and the room the control leaves it: an option's
// and a push button's contents area as the style lays it out, a frame's width less the
// caption's indent at each end, otherwise the whole control.
struct CaptionFit {
    int width = 0;
    int room = 0;
    int height = 0;
    int roomHeight = 0;

    bool fits() const { return width <= room && height <= roomHeight; }
};

inline CaptionFit measureCaption(const QWidget& widget, const QString& caption) {
    const QFontMetrics metrics(widget.font());
    int room = widget.width();
    if (auto* option = qobject_cast<const QRadioButton*>(&widget)) {
        QStyleOptionButton styleOption;
        styleOption.initFrom(option);
        styleOption.text = caption;
        room = option->style()
                   ->subElementRect(QStyle::SE_RadioButtonContents, &styleOption, option)
                   .width();
    } else if (auto* button = qobject_cast<const QPushButton*>(&widget)) {
        QStyleOptionButton styleOption;
        styleOption.initFrom(button);
        room = button->style()
                   ->subElementRect(QStyle::SE_PushButtonContents, &styleOption, button)
                   .width();
    } else if (qobject_cast<const QGroupBox*>(&widget) != nullptr) {
        room -= 2 * CaptionedFrame::kCaptionIndent;
    }
    return {metrics.horizontalAdvance(caption), room, metrics.height(), widget.height()};
}

}  // namespace morvane::test
