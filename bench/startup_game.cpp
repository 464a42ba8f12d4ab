// The game's own start-up, run by the program's own code, watched until its first painted
// frame.
#include <optional>

#include "app/GameProgram.h"
#include "bench/BenchSupport.h"
#include "bench/FirstFrameProbe.h"
#include "ui/window/GameWindow.h"

int main(int argc, char* argv[]) {
    const std::int64_t mainStartedNs = morvane::bench::monotonicNs();
    const auto options = morvane::bench::StartupOptions::parse(argc, argv);

    std::optional<morvane::bench::FirstFrameProbe> probe;
    morvane::StartupObserver observer;
    observer.stepDone = [](const char* step) { morvane::bench::mark(step); };
    observer.beforeShow = [&](morvane::GameWindow& window) {
        probe.emplace(options, mainStartedNs, window);
    };
    return morvane::runGame(argc, argv, observer);
}
