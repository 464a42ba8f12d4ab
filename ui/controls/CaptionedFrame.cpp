#include "ui/controls/CaptionedFrame.h"

#include <QPainter>

namespace morvane {

CaptionedFrame::CaptionedFrame(const QString& caption, QWidget* parent)
    : QGroupBox(caption, parent) {
    setFocusPolicy(Qt::NoFocus);
}

void CaptionedFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPalette& pal = palette();
    painter.fillRect(rect(), pal.color(QPalette::Window));

    const QFontMetrics metrics(font());
    const int lineTop = metrics.height() / 2;
    const int right = width() - 1;
    const int bottom = height() - 1;
    // Etched edge: a grey line with a white one beside it, inside at the top and left.
    painter.setPen(pal.color(QPalette::Dark));
    painter.drawRect(0, lineTop, right - 1, bottom - 1 - lineTop);
    painter.setPen(pal.color(QPalette::Light));
    painter.drawLine(1, lineTop + 1, right - 2, lineTop + 1);
    painter.drawLine(1, lineTop + 1, 1, bottom - 1);
    painter.drawLine(0, bottom, right, bottom);
    painter.drawLine(right, lineTop, right, bottom);

    const QRect captionRect(kCaptionIndent, 0, metrics.horizontalAdvance(title()),
                            metrics.height());
    painter.fillRect(captionRect, pal.color(QPalette::Window));
    painter.setPen(pal.color(QPalette::WindowText));
    painter.drawText(captionRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, title());
}

}  // namespace morvane
