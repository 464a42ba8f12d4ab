#pragma once

#include <functional>

namespace morvane {

class GameWindow;

// Watches the program start; the start-up benchmark uses it, the program itself passes none.
// Step names are string literals.
struct StartupObserver {
    std::function<void(const char* step)> stepDone;
    std::function<void(GameWindow& window)> beforeShow;
};

// Everything the program does: reads the command line (answering --help and --version without
// a window), checks that the display platform asked for is installed and that a display can be
// opened, builds the window, shows it and runs the event loop. Returns the exit status; on
// Wayland, once the window has gone, it ends the process with that status instead.
int runGame(int argc, char** argv, const StartupObserver& observer = {});

}  // namespace morvane
