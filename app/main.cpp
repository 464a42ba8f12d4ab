#include <QApplication>
#include <QCoreApplication>
#include <QLocale>
#include <cstdio>

#include "ApplicationLook.h"
#include "Clock.h"
#include "DisplayCheck.h"
#include "GameWindow.h"
#include "HelpFileLocation.h"

int main(int argc, char* argv[]) {
    if (const auto problem = morvane::displayProblem()) {
        std::fprintf(stderr, "morvane: %s\n", problem->c_str());
        return 1;
    }
    QApplication app(argc, argv);
    morvane::applyApplicationLook();

    morvane::SystemClock clock;
    morvane::GameWindow window(
        clock, morvane::HelpFileLocation::forExecutableIn(QCoreApplication::applicationDirPath()),
        QLocale::system().decimalPoint());
    window.show();
    return app.exec();
}
