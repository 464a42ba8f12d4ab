#include "GameWindow.h"

#include "EventBindings.h"
#include "HelpLauncher.h"
#include "ProgramIconLoader.h"
#include "WindowBuilder.h"
#include "WindowRedraw.h"

namespace morvane {

GameWindow::GameWindow(Clock& clock, const QString& helpFile, const QString& decimalSeparator)
    : readouts_(clock, decimalSeparator.toStdString()), game_(board_, readouts_) {
    controls_ = WindowBuilder::build(*this, pixmaps_);
    setWindowIcon(ProgramIconLoader::load());
    EventBindings::connect(controls_, game_, *this, [this] { redraw(); });
    help_ = new HelpLauncher(*this, helpFile);

    // Start-up runs before the window is first shown, so the first frame already shows the
    // selected level and the count of 1.
    game_.startUp();
    redraw();
}

void GameWindow::redraw() {
    WindowRedraw::show(game_, pixmaps_, controls_);
}

}  // namespace morvane
