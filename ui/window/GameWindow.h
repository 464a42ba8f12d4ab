#pragma once

#include <QString>
#include <QWidget>

#include "core/BoardState.h"
#include "core/Clock.h"
#include "core/GameController.h"
#include "core/PlayReadouts.h"
#include "ui/window/TilePixmaps.h"
#include "ui/window/WindowControls.h"

namespace morvane {

class HelpLauncher;

// The game's one window. It owns the board, the readouts and the controller for its whole
// life; it is built from the layout and has run start-up by the time it is first shown.
class GameWindow : public QWidget {
    Q_OBJECT

public:
    GameWindow(Clock& clock, const QString& helpFile, const QString& decimalSeparator);

    const GameController& game() const { return game_; }
    const WindowControls& controls() const { return controls_; }
    const HelpLauncher& help() const { return *help_; }

protected:
    bool event(QEvent* event) override;

private:
    void redraw();
    void stayUnmaximised();

    BoardState board_;
    PlayReadouts readouts_;
    GameController game_;
    TilePixmaps pixmaps_;
    WindowControls controls_;
    HelpLauncher* help_ = nullptr;
};

}  // namespace morvane
