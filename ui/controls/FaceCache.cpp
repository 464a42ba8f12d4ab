#include "ui/controls/FaceCache.h"

#include <QStyleOptionButton>
#include <QStylePainter>
#include <QWidget>
#include <cmath>

namespace morvane {

const QPixmap& FaceCache::face(QWidget& control, QStyle::ControlElement element,
                               const QStyleOptionButton& option, const QColor& background) {
    const qreal ratio = control.devicePixelRatioF();
    const quint64 key = static_cast<quint64>(option.state.toInt()) |
                        static_cast<quint64>(option.features.toInt()) << 32 |
                        static_cast<quint64>(std::lround(ratio * 100)) << 48;
    QPixmap& face = faces_[key];
    if (face.isNull()) {
        face = QPixmap(control.size() * ratio);
        face.setDevicePixelRatio(ratio);
        face.fill(background);
        QStylePainter painter(&face, &control);
        // What a painter on the control itself would start with; on a pixmap it would start
        // with the application's font.
        painter.setFont(control.font());
        painter.setPen(control.palette().color(control.foregroundRole()));
        painter.setBrush(control.palette().brush(control.backgroundRole()));
        painter.setBackground(control.palette().brush(control.backgroundRole()));
        painter.setLayoutDirection(control.layoutDirection());
        painter.drawControl(element, option);
    }
    return face;
}

}  // namespace morvane
