#include "ui/window/MaximiseRefusal.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMetaObject>
#include <QWidget>
#include <QWindow>

namespace morvane {

MaximiseRefusal::MaximiseRefusal(QWidget& window) : QObject(&window), window_(window) {
    window.installEventFilter(this);
}

bool MaximiseRefusal::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &window_)
        return false;
    switch (event->type()) {
        case QEvent::WinIdChange:
            // The window handle exists from here on; the frame's button asks the handle, not
            // the widget.
            if (QWindow* handle = window_.windowHandle()) {
                connect(handle, &QWindow::windowStateChanged, this, &MaximiseRefusal::stateChanged,
                        Qt::UniqueConnection);
            }
            break;
        case QEvent::Paint:
            // The frame at the maximised size goes to the compositor once this paint is done.
            if (!fixedSize_.isEmpty() && window_.size() != fixedSize_)
                QMetaObject::invokeMethod(this, &MaximiseRefusal::unmaximise, Qt::QueuedConnection);
            break;
        case QEvent::Resize:
            if (!fixedSize_.isEmpty() && window_.size() == fixedSize_ &&
                !window_.windowHandle()->windowStates().testFlag(Qt::WindowMaximized))
                fixSizeAgain();
            break;
        default:
            break;
    }
    return false;
}

void MaximiseRefusal::stateChanged() {
    const bool letOut = !fixedSize_.isEmpty();
    if (!letOut && window_.minimumSize() != window_.maximumSize())
        return;
    if (!window_.windowState().testFlag(Qt::WindowMaximized) &&
        !window_.windowHandle()->windowStates().testFlag(Qt::WindowMaximized)) {
        // Normal again without a resize: the compositor did not maximise after all.
        if (letOut && window_.size() == fixedSize_)
            fixSizeAgain();
        return;
    }
    // A Wayland compositor answers with its maximised size and ends the connection if the next
    // frame has any other. Qt asks to leave the maximised state only once it has applied it,
    // and Weston hears that only after a frame at that size. So the window takes the size for
    // one frame (the paint) and is fixed again once it is back (the resize).
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        if (!letOut) {
            fixedSize_ = window_.maximumSize();
            window_.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        }
        return;
    }
    unmaximise();
}

void MaximiseRefusal::unmaximise() {
    // The widget's state first, which passes to the handle; a request made to the handle alone
    // leaves the widget's state as it was. The handle is asked even if it already says normal,
    // as only the request reaches a Wayland compositor.
    if (window_.windowState().testFlag(Qt::WindowMaximized))
        window_.setWindowState(window_.windowState() & ~Qt::WindowMaximized);
    else
        window_.windowHandle()->setWindowStates(window_.windowHandle()->windowStates() &
                                                ~Qt::WindowMaximized);
}

void MaximiseRefusal::fixSizeAgain() {
    window_.setMaximumSize(fixedSize_);
    fixedSize_ = QSize();
}

}  // namespace morvane
