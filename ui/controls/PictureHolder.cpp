#include "ui/controls/PictureHolder.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <cstring>

#include "ui/look/SunkenEdge.h"

namespace morvane {

PictureHolder::PictureHolder(QWidget* parent) : QWidget(parent) {
    // Takes the focus in tab order but no keys; shows no focus mark. Qt focuses a control that
    // takes click focus on a press of any mouse button; the holder takes the focus itself, on
    // a press of the primary one.
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureHolder::setPicture(const QPixmap& picture) {
    if (picture_ == &picture)
        return;
    picture_ = &picture;
    update(innerRect());
}

QRect PictureHolder::innerRect() const {
    return SunkenEdge::inside(rect());
}

void PictureHolder::click() {
    if (clickable_)
        emit clicked();
}

// A new picture that fills the inner area is the usual repaint (a click, a shuffle), and with
// nothing to scale or blend it is a copy of rows; done so, it costs a fifth of what a painter
// costs to set up and take down. Anything else is painted with QPainter.
bool PictureHolder::copyPicture(const QPaintEvent& event) {
    if (picture_ == nullptr)
        return false;
    const QRect inner = innerRect();
    if (picture_->size() != inner.size() || !inner.contains(event.rect()))
        return false;
    // Qt paints a control into the window's image, at the control's place there (-offset).
    QPoint offset;
    QPaintDevice* device = redirected(&offset);
    if (device == nullptr || device->devType() != QInternal::Image)
        return false;
    auto& target = *static_cast<QImage*>(device);
    const QImage source = picture_->toImage();
    // One pixel for one, and the same bytes in both: opaque RGB32 pixels are also premultiplied
    // ARGB32 ones.
    if (target.devicePixelRatio() != 1.0 || source.devicePixelRatio() != 1.0 ||
        source.format() != QImage::Format_RGB32 ||
        (target.format() != QImage::Format_RGB32 &&
         target.format() != QImage::Format_ARGB32_Premultiplied))
        return false;
    if (!target.rect().contains(event.rect().translated(-offset)))
        return false;
    // Only where Qt asks for paint: the rest of the image may show other controls.
    uchar* const targetBits = target.bits();
    const qsizetype targetStride = target.bytesPerLine();
    const uchar* const sourceBits = source.constBits();
    const qsizetype sourceStride = source.bytesPerLine();
    for (const QRect& part : event.region()) {
        const QPoint to = part.topLeft() - offset;
        const QPoint from = part.topLeft() - inner.topLeft();
        uchar* line = targetBits + to.y() * targetStride + qsizetype(to.x()) * 4;
        const uchar* sourceLine = sourceBits + from.y() * sourceStride + qsizetype(from.x()) * 4;
        const auto bytes = static_cast<std::size_t>(part.width()) * 4;
        for (int row = 0; row < part.height(); ++row) {
            std::memcpy(line, sourceLine, bytes);
            line += targetStride;
            sourceLine += sourceStride;
        }
    }
    return true;
}

void PictureHolder::paintEvent(QPaintEvent* event) {
    if (copyPicture(*event))
        return;
    QPainter painter(this);
    const QColor background = palette().color(QPalette::Window);
    const QRect inner = innerRect();
    // A new picture only invalidates the inner area; the edge, costly to draw, stays as it was.
    if (!inner.contains(event->rect())) {
        SunkenEdge::draw(painter, rect(), palette());
    }
    if (picture_ == nullptr) {
        painter.fillRect(inner, background);
        return;
    }
    const QSize size = picture_->size();
    // One device pixel per picture pixel, whatever the scale from here to the device.
    const qreal scale = painter.deviceTransform().m11();
    if (scale == 1.0 && size.width() <= inner.width() && size.height() <= inner.height()) {
        // The usual case, with no scaling: the picture drawn as it is, and the background only
        // where it leaves a column or a row to spare (the blank's).
        const int spareColumns = inner.width() - size.width();
        const int spareRows = inner.height() - size.height();
        if (spareColumns > 0)
            painter.fillRect(inner.left() + size.width(), inner.top(), spareColumns, inner.height(),
                             background);
        if (spareRows > 0)
            painter.fillRect(inner.left(), inner.top() + size.height(), size.width(), spareRows,
                             background);
        painter.drawPixmap(inner.topLeft(), *picture_);
        return;
    }
    const QRectF pictureRect(inner.topLeft(), QSizeF(size) / scale);
    // Only what the picture leaves uncovered shows the background (rounded inwards, so a
    // partly covered logical pixel is filled before the picture lands on it).
    const QRect covered(inner.topLeft(), QSize(static_cast<int>(pictureRect.width()),
                                               static_cast<int>(pictureRect.height())));
    const QRegion uncovered = QRegion(inner) - QRegion(covered);
    for (const QRect& part : uncovered)
        painter.fillRect(part, background);
    painter.setClipRect(inner);
    painter.drawPixmap(pictureRect, *picture_, QRectF(picture_->rect()));
}

void PictureHolder::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        setFocus(Qt::MouseFocusReason);
        pressed_ = true;
    }
    event->accept();
}

void PictureHolder::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const bool wasPressed = pressed_;
    pressed_ = false;
    if (wasPressed && rect().contains(event->position().toPoint()))
        click();
}

void PictureHolder::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}

}  // namespace morvane
