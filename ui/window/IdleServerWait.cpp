#include "ui/window/IdleServerWait.h"

#include <QBackingStore>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QRegion>
#include <QWidget>
#include <QWindow>

namespace morvane {

IdleServerWait::IdleServerWait(QWidget& window) : QObject(&window), window_(window) {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    idle_.setSingleShot(true);
    idle_.setInterval(0);
    connect(&idle_, &QTimer::timeout, this, &IdleServerWait::wait);
    // Paint events go to each control, not to the window.
    QCoreApplication::instance()->installEventFilter(this);
}

bool IdleServerWait::eventFilter(QObject* receiver, QEvent* event) {
    if (event->type() != QEvent::Paint || !receiver->isWidgetType())
        return false;
    auto* control = static_cast<QWidget*>(receiver);
    if (control->window() != &window_)
        return false;
    drawn_ = control->mapTo(&window_, static_cast<QPaintEvent*>(event)->rect().topLeft());
    if (!idle_.isActive())
        idle_.start();
    return false;
}

void IdleServerWait::wait() {
    QBackingStore* store = window_.backingStore();
    const QWindow* handle = window_.windowHandle();
    // A window with an alpha channel has the painted area cleared when painting begins.
    if (store == nullptr || handle == nullptr || !window_.isVisible() ||
        handle->format().hasAlpha())
        return;
    // Beginning to paint a pixel Qt has handed to the server is what makes Qt wait for it.
    // Nothing is painted: the pixel keeps what it shows, and with nothing left to wait for,
    // the next frame is drawn at once. One pixel, so that without shared memory, when Qt
    // sends what it painted instead, nothing more is sent.
    store->beginPaint(QRegion(drawn_.x(), drawn_.y(), 1, 1));
    store->endPaint();
}

}  // namespace morvane
