#include "ui/controls/HeldKeys.h"

#include <xcb/xcb.h>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QWindow>
#include <cstdlib>

namespace morvane {

namespace {

bool pressesAButton(int key) {
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

// Whether the X server has the key with this code down now. An X server repeats a held key as
// releases and presses that look like any other; its own key map says what the finger does.
bool downOnX11(quint32 keycode) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || keycode == 0 || keycode > 255)
        return false;
    xcb_connection_t* connection = x11->connection();
    xcb_query_keymap_reply_t* keymap =
        xcb_query_keymap_reply(connection, xcb_query_keymap(connection), nullptr);
    if (keymap == nullptr)
        return false;
    const bool down = (keymap->keys[keycode / 8] & (1U << (keycode % 8))) != 0;
    std::free(keymap);
    return down;
}

}  // namespace

HeldKeys::HeldKeys(QObject& owner) : QObject(&owner) {
    QCoreApplication::instance()->installEventFilter(this);
}

bool HeldKeys::repeatsRelease(const QKeyEvent& release) {
    return release.isAutoRepeat() || downOnX11(release.nativeScanCode());
}

bool HeldKeys::eventFilter(QObject* receiver, QEvent* event) {
    const bool press = event->type() == QEvent::KeyPress;
    // Each key event from the desktop reaches its window first, and only then the control with
    // the focus: watched there, it is seen once.
    if ((!press && event->type() != QEvent::KeyRelease) || !receiver->isWindowType())
        return false;
    const auto& keyEvent = *static_cast<QKeyEvent*>(event);
    if (!pressesAButton(keyEvent.key()))
        return false;
    const bool focusOnButton =
        qobject_cast<QAbstractButton*>(static_cast<QWindow*>(receiver)->focusObject()) != nullptr;
    if (press) {
        const bool repeated = keyEvent.isAutoRepeat() || held_.contains(keyEvent.key());
        held_.insert(keyEvent.key());
        return repeated && focusOnButton;
    }
    if (repeatsRelease(keyEvent))
        return true;
    held_.remove(keyEvent.key());
    return false;
}

}  // namespace morvane
