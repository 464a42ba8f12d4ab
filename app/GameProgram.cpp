#include "app/GameProgram.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

#include <QApplication>
#include <QCoreApplication>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "app/CommandLine.h"
#include "app/DisplayProbe.h"
#include "app/PlatformCheck.h"
#include "app/UserLocale.h"
#include "core/Clock.h"
#include "ui/help/HelpFileLocation.h"
#include "ui/look/ApplicationLook.h"
#include "ui/window/GameWindow.h"

namespace morvane {

namespace {

// Qt 6.8's Wayland platform can deadlock as it tears itself down after the window has gone (its
// two Wayland event threads each wait for the other), which would leave the program running
// with no window. The game keeps nothing to save or close, so there it ends at once instead.
[[noreturn]] void endWithoutTearingDownQt(int status) {
#if defined(__SANITIZE_ADDRESS__)
    // The sanitizer build still checks for leaks: the game is gone, Qt is still reachable.
    __lsan_do_leak_check();
#endif
    std::fflush(nullptr);
    std::_Exit(status);
}

}  // namespace

int runGame(int argc, char** argv, const StartupObserver& observer) {
    const auto stepDone = [&observer](const char* step) {
        if (observer.stepDone)
            observer.stepDone(step);
    };

    useUsersLanguage();
    const CommandLine commandLine(argc, argv);
    if (commandLine.request() != CommandLine::Request::RunGame)
        return commandLine.answer(std::cout, std::cerr);

    // A platform that is not there is a mistake in how the program was started, like an
    // unknown option.
    if (const auto missing =
            missingPlatform(commandLine.platform(), commandLine.platformPluginPath())) {
        std::fprintf(stderr, "morvane: %s\n", missing->c_str());
        return 2;
    }

    DisplayProbe display(commandLine.platform(), commandLine.display());
    if (const auto& problem = display.problem()) {
        std::fprintf(stderr, "morvane: %s\n", problem->c_str());
        return 1;
    }
    stepDone("display_check");

    QApplication app(argc, argv);
    translateForQt();
    display.release();
    QApplication::setApplicationName(QStringLiteral("morvane"));
    QApplication::setApplicationVersion(QStringLiteral(MORVANE_VERSION));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(MORVANE_APP_ID));
    stepDone("application");
    applyApplicationLook();
    stepDone("look");

    int status = 0;
    {
        SystemClock clock;
        GameWindow window(clock,
                          helpFileForProgramIn(QCoreApplication::applicationDirPath(),
                                               LocaleVariables::fromEnvironment()),
                          userDecimalSeparator());
        stepDone("window");
        if (observer.beforeShow)
            observer.beforeShow(window);
        window.show();
        stepDone("show");
        status = QApplication::exec();
    }
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        endWithoutTearingDownQt(status);
    return status;
}

}  // namespace morvane
