#pragma once

#include <QString>
#include <QWidget>

#include "core/Clock.h"
#include "core/Game.h"
#include "ui/window/TilePixmaps.h"
#include "ui/window/WindowControls.h"

namespace morvane {

class HelpLauncher;

// The game's one window. It owns the game for its whole life; it is built from the layout and
// has run start-up by the time it is first shown.
class GameWindow : public QWidget {
    Q_OBJECT

public:
    GameWindow(Clock& clock, const QString& helpFile, const QString& decimalSeparator);

    const Game& game() const { return game_; }
    const WindowControls& controls() const { return controls_; }
    const HelpLauncher& help() const { return *help_; }

private:
    void redraw();

    Game game_;
    TilePixmaps pixmaps_;
    WindowControls controls_;
    HelpLauncher* help_ = nullptr;
};

}  // namespace morvane
