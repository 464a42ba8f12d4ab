#include "app/GameProgram.h"

#include <QApplication>
#include <QCoreApplication>
#include <QString>
#include <cstdio>
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

int runGame(int argc, char** argv, const StartupObserver& observer) {
    const auto stepDone = [&observer](const char* step) {
        if (observer.stepDone)
            observer.stepDone(step);
    };

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
    display.release();
    QApplication::setApplicationName(QStringLiteral("morvane"));
    QApplication::setApplicationVersion(QStringLiteral(MORVANE_VERSION));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(MORVANE_APP_ID));
    stepDone("application");
    applyApplicationLook();
    stepDone("look");

    SystemClock clock;
    GameWindow window(clock, helpFileForProgramIn(QCoreApplication::applicationDirPath()),
                      userDecimalSeparator());
    stepDone("window");
    if (observer.beforeShow)
        observer.beforeShow(window);
    window.show();
    stepDone("show");
    return QApplication::exec();
}

}  // namespace morvane
