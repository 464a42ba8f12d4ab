#include "ui/window/GameWindow.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMetaObject>
#include <QPaintEvent>
#include <QResizeEvent>
#include <QWindow>

#include "ui/help/HelpLauncher.h"
#include "ui/window/EventBindings.h"
#include "ui/window/ProgramIconLoader.h"
#include "ui/window/WindowBuilder.h"
#include "ui/window/WindowRedraw.h"

namespace morvane {

GameWindow::GameWindow(Clock& clock, const QString& helpFile, const QString& decimalSeparator)
    : game_(clock, decimalSeparator.toStdString()) {
    controls_ = WindowBuilder::build(*this, pixmaps_);
    setWindowIcon(ProgramIconLoader::load());
    EventBindings::connect(controls_, game_.controller(), *this, [this] { redraw(); });
    help_ = new HelpLauncher(*this, helpFile);

    // Start-up runs before the window is first shown, so the first frame already shows the
    // selected level and the count of 1.
    game_.controller().startUp();
    redraw();
}

bool GameWindow::event(QEvent* event) {
    // The window handle exists from here on. A frame that Qt draws itself (on Wayland) offers
    // maximise whatever the window's flags say, and asks the handle, not this widget.
    if (event->type() == QEvent::WinIdChange && windowHandle() != nullptr) {
        connect(windowHandle(), &QWindow::windowStateChanged, this, &GameWindow::stayUnmaximised,
                Qt::UniqueConnection);
    }
    return QWidget::event(event);
}

// A fixed-size window that is maximised keeps its size but is moved to the corner of the
// screen, and its frame then offers to restore it; it is put back instead. Minimising is left
// alone.
void GameWindow::stayUnmaximised() {
    const bool letOut = !fixedSize_.isEmpty();
    if (!letOut && minimumSize() != maximumSize())
        return;
    if (!windowState().testFlag(Qt::WindowMaximized) &&
        !windowHandle()->windowStates().testFlag(Qt::WindowMaximized)) {
        // Normal again without a resize: the compositor did not maximise after all.
        if (letOut && size() == fixedSize_)
            fixSizeAgain();
        return;
    }
    // A Wayland compositor answers with its maximised size and ends the connection if the next
    // frame has any other. Qt asks to leave the maximised state only once it has applied it,
    // and Weston hears that only after a frame at that size. So the window takes the size for
    // one frame (paintEvent) and is fixed again once it is back (resizeEvent).
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        if (!letOut) {
            fixedSize_ = maximumSize();
            setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        }
        return;
    }
    unmaximise();
}

void GameWindow::unmaximise() {
    // The widget's state first, which passes to the handle; a request made to the handle alone
    // leaves the widget's state as it was. The handle is asked even if it already says normal,
    // as only the request reaches a Wayland compositor.
    if (windowState().testFlag(Qt::WindowMaximized))
        setWindowState(windowState() & ~Qt::WindowMaximized);
    else
        windowHandle()->setWindowStates(windowHandle()->windowStates() & ~Qt::WindowMaximized);
}

void GameWindow::fixSizeAgain() {
    setMaximumSize(fixedSize_);
    fixedSize_ = QSize();
}

void GameWindow::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    // The frame at the maximised size goes to the compositor once painting is done.
    if (!fixedSize_.isEmpty() && size() != fixedSize_)
        QMetaObject::invokeMethod(this, &GameWindow::unmaximise, Qt::QueuedConnection);
}

void GameWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!fixedSize_.isEmpty() && size() == fixedSize_ &&
        !windowHandle()->windowStates().testFlag(Qt::WindowMaximized))
        fixSizeAgain();
}

void GameWindow::redraw() {
    WindowRedraw::show(game_.controller(), pixmaps_, controls_);
}

}  // namespace morvane
