#include "ui/controls/PictureHolder.h"

#include <QMetaMethod>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>

#include "ui/access/PictureHolderAccessible.h"
#include "ui/look/SunkenEdge.h"

namespace morvane {

PictureHolder::PictureHolder(QWidget* parent) : QWidget(parent) {
    // Takes the focus in tab order but no keys; shows no focus mark. Qt focuses a control that
    // takes click focus on a press of any mouse button; the holder takes the focus itself, on
    // a press of the primary one.
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Before anything asks for this holder's accessible interface, which Qt then caches.
    PictureHolderAccessible::install();
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

bool PictureHolder::reactsToClicks() const {
    return isSignalConnected(QMetaMethod::fromSignal(&PictureHolder::clicked));
}

void PictureHolder::click() {
    emit clicked();
}

void PictureHolder::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QPalette& pal = palette();
    const QRect inner = innerRect();
    // A new picture only invalidates the inner area; the edge, costly to draw, stays as it was.
    if (!inner.contains(event->rect())) {
        SunkenEdge::draw(painter, rect(), pal);
    }
    if (picture_ == nullptr) {
        painter.fillRect(inner, pal.color(QPalette::Window));
        return;
    }
    // One device pixel per picture pixel, whatever the scale from here to the device.
    const qreal scale = painter.deviceTransform().m11();
    const QRectF pictureRect(inner.topLeft(), QSizeF(picture_->size()) / scale);
    // Only what the picture leaves uncovered shows the background (rounded inwards, so a
    // partly covered logical pixel is filled before the picture lands on it).
    const QRect covered(inner.topLeft(), QSize(static_cast<int>(pictureRect.width()),
                                               static_cast<int>(pictureRect.height())));
    const QRegion uncovered = QRegion(inner) - QRegion(covered);
    for (const QRect& part : uncovered)
        painter.fillRect(part, pal.color(QPalette::Window));
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
        emit clicked();
}

void PictureHolder::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}

}  // namespace morvane
