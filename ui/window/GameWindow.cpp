#include "ui/window/GameWindow.h"

#include "ui/controls/HeldKeys.h"
#include "ui/help/HelpLauncher.h"
#include "ui/window/EventBindings.h"
#include "ui/window/IdleServerWait.h"
#include "ui/window/MaximiseRefusal.h"
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
    new MaximiseRefusal(*this);
    new HeldKeys(*this);
    new IdleServerWait(*this);

    // Start-up runs before the window is first shown, so the first frame already shows the
    // selected level and the count of 1.
    game_.controller().startUp();
    redraw();
}

void GameWindow::redraw() {
    WindowRedraw::show(game_.controller(), pixmaps_, controls_);
}

}  // namespace morvane
