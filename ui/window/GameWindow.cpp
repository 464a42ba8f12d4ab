#include "ui/window/GameWindow.h"

#include <QEvent>
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
// screen, and its frame then offers to restore it; it is put back at once instead. Minimising
// is left alone.
void GameWindow::stayUnmaximised() {
    if (minimumSize() != maximumSize())
        return;
    // The widget's state first, which passes to the handle; a request made to the handle alone
    // leaves the widget's state as it was.
    if (windowState().testFlag(Qt::WindowMaximized))
        setWindowState(windowState() & ~Qt::WindowMaximized);
    else if (windowHandle()->windowStates().testFlag(Qt::WindowMaximized))
        windowHandle()->setWindowStates(windowHandle()->windowStates() & ~Qt::WindowMaximized);
}

void GameWindow::redraw() {
    WindowRedraw::show(game_.controller(), pixmaps_, controls_);
}

}  // namespace morvane
