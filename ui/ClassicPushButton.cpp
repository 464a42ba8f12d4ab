#include "ClassicPushButton.h"

#include <QKeyEvent>

namespace morvane {

ClassicPushButton::ClassicPushButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {
    setAutoDefault(false);
    setDefault(false);
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

void ClassicPushButton::focusInEvent(QFocusEvent* event) {
    setDefault(true);
    QPushButton::focusInEvent(event);
}

void ClassicPushButton::focusOutEvent(QFocusEvent* event) {
    setDefault(false);
    QPushButton::focusOutEvent(event);
}

}  // namespace morvane
