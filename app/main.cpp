#include <QApplication>
#include <QCoreApplication>
#include <cstdio>

#include "ApplicationLook.h"
#include "Clock.h"
#include "DisplayCheck.h"
#include "GameWindow.h"
#include "HelpFileLocation.h"
#include "UserLocale.h"

int main(int argc, char* argv[]) {
    if (const auto problem = morvane::displayProblem()) {
        std::fprintf(stderr, "morvane: %s\n", problem->c_str());
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("morvane"));
    QApplication::setApplicationVersion(QStringLiteral(MORVANE_VERSION));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(MORVANE_APP_ID));
    morvane::applyApplicationLook();

    morvane::SystemClock clock;
    morvane::GameWindow window(
        clock, morvane::HelpFileLocation::forExecutableIn(QCoreApplication::applicationDirPath()),
        morvane::userDecimalSeparator());
    window.show();
    return app.exec();
}
