#include "ui/controls/ClassicPushButton.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>

#include "ui/controls/OneFrameRelease.h"

namespace morvane {

ClassicPushButton::ClassicPushButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {
    setAutoDefault(false);
    setDefault(false);
    // Qt focuses a control that takes click focus on a press of any mouse button; the button
    // takes the focus itself, on a press of the primary one.
    setFocusPolicy(Qt::TabFocus);
    OneFrameRelease::prepare(*this);
}

void ClassicPushButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        setFocus(Qt::MouseFocusReason);
    QPushButton::mousePressEvent(event);
}

void ClassicPushButton::mouseReleaseEvent(QMouseEvent* event) {
    OneFrameRelease::run(*this, [this, event] { QPushButton::mouseReleaseEvent(event); });
}

void ClassicPushButton::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QPushButton::keyPressEvent(event);
        return;
    }
    // One press per key stroke, as with Space: holding the key down does not repeat it.
    if (!event->isAutoRepeat())
        click();
    event->accept();
}

void ClassicPushButton::keyReleaseEvent(QKeyEvent* event) {
    OneFrameRelease::run(*this, [this, event] { QPushButton::keyReleaseEvent(event); });
}

void ClassicPushButton::focusInEvent(QFocusEvent* event) {
    setDefault(true);
    QPushButton::focusInEvent(event);
}

void ClassicPushButton::focusOutEvent(QFocusEvent* event) {
    setDefault(false);
    QPushButton::focusOutEvent(event);
}

void ClassicPushButton::paintEvent(QPaintEvent*) {
    QStyleOptionButton option;
    initStyleOption(&option);
    // The classic face fills the whole button: nothing behind it shows through.
    QPainter(this).drawPixmap(
        0, 0, faces_.face(*this, QStyle::CE_PushButton, option, palette().color(QPalette::Button)));
}

void ClassicPushButton::changeEvent(QEvent* event) {
    // A face drawn in other colours, another font or style is no longer this button's.
    faces_.clear();
    QPushButton::changeEvent(event);
}

}  // namespace morvane
