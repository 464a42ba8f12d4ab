#include "PictureHolder.h"

#include <qdrawutil.h>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>

#include "PictureHolderAccessible.h"

namespace morvane {

PictureHolder::PictureHolder(QWidget* parent) : QWidget(parent) {
    // Takes the focus in tab order but no keys; shows no focus mark.
    setFocusPolicy(Qt::StrongFocus);
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
    return rect().adjusted(kBorderWidth, kBorderWidth, -kBorderWidth, -kBorderWidth);
}

bool PictureHolder::reactsToClicks() const {
    return isSignalConnected(QMetaMethod::fromSignal(&PictureHolder::clicked));
}

void PictureHolder::click() {
    emit clicked();
}

void PictureHolder::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPalette& pal = palette();
    // The classic sunken edge: grey and black above and left, white and face below and right.
    qDrawWinPanel(&painter, rect(), pal, true);
    const QRect inner = innerRect();
    painter.fillRect(inner, pal.color(QPalette::Window));
    if (picture_ == nullptr)
        return;
    painter.setClipRect(inner);
    // One device pixel per picture pixel, whatever the scale from here to the device.
    const qreal scale = painter.deviceTransform().m11();
    const QSizeF logicalSize = QSizeF(picture_->size()) / scale;
    painter.drawPixmap(QRectF(inner.topLeft(), logicalSize), *picture_, QRectF(picture_->rect()));
}

void PictureHolder::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        pressed_ = true;
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
