#pragma once

#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>

#include "tests/ui/GoldenWindow.h"
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

// The captions that overflow their controls in the fonts the window got, and the seconds
// figure if its widest plausible value overflows its band from the top.
inline QStringList captionOverflows(const QWidget& window) {
    QStringList overflows;
    for (const golden::Control& control : golden::kControls) {
        if (control.caption == nullptr)
            continue;
        const auto* widget = window.findChild<const QWidget*>(QString::fromLatin1(control.name));
        const CaptionFit fit = measureCaption(*widget, QString::fromLatin1(control.caption));
        if (!fit.fits()) {
            overflows << QStringLiteral("%1 \"%2\" in %3: %4 x %5 px in %6 x %7")
                             .arg(QLatin1String(control.name), QLatin1String(control.caption),
                                  QFontInfo(widget->font()).family())
                             .arg(fit.width)
                             .arg(fit.height)
                             .arg(fit.room)
                             .arg(fit.roomHeight);
        }
    }
    const QRect band = golden::rect(golden::kSecondsReadout);
    const QFontMetrics readout(
        window.findChild<const QWidget*>(QLatin1String(golden::kSecondsReadout))->font());
    const QRect ink = readout.tightBoundingRect(QStringLiteral("-86399.99"));
    if (readout.ascent() + ink.bottom() >= band.height() || ink.width() >= band.width()) {
        overflows << QStringLiteral("the seconds figure reaches row %1, %2 px wide")
                         .arg(readout.ascent() + ink.bottom())
                         .arg(ink.width());
    }
    return overflows;
}

}  // namespace morvane::test
