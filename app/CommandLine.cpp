#include "app/CommandLine.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace morvane {

namespace {

// The options Qt 6 reads itself, named without dashes: Qt takes each with one dash or two.
// Some are read only on some platforms; elsewhere Qt ignores them, and so may we.
constexpr std::string_view qtOptionsWithValue[]{
    // QCoreApplication, QGuiApplication, QApplication
    "qmljsdebugger", "platform", "platformpluginpath", "platformtheme", "plugin", "session",
    "qwindowgeometry", "qwindowicon", "qwindowtitle", "style", "stylesheet",
    // X11
    "display", "name", "visual", "geometry", "title", "icon"};
constexpr std::string_view qtSwitches[]{"reverse", "widgetcount", "testability",
                                        "nograb",  "dograb",      "sync"};
// Written name=value in one argument.
constexpr std::string_view qtJoinedOptions[]{"style", "stylesheet", "qmljsdebugger", "dialogs",
                                             "fontengine"};

bool among(const auto& names, std::string_view name) {
    return std::ranges::find(names, name) != std::ranges::end(names);
}

bool isJoinedQtOption(std::string_view name) {
    const auto equals = name.find('=');
    return equals != std::string_view::npos && among(qtJoinedOptions, name.substr(0, equals));
}

std::string_view withoutDashes(std::string_view option) {
    return option.substr(option.starts_with("--") ? 2 : 1);
}

constexpr std::string_view usage =
    "Usage: morvane [OPTION]...\n"
    "Opens the Zandorel window: put the letters and digits back in order.\n"
    "\n"
    "  -h, --help     show this help and exit\n"
    "      --version  show the version and exit\n"
    "\n"
    "Qt's own options, such as -platform NAME or -style NAME, are passed on to Qt.\n"
    "See morvane(6) for more.\n";

}  // namespace

CommandLine::CommandLine(int argc, const char* const* argv) {
    for (int i = 1; i < argc && request_ == Request::RunGame; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            request_ = Request::ShowHelp;
        } else if (argument == "--version") {
            request_ = Request::ShowVersion;
        } else if (argument.size() < 2 || argument[0] != '-') {
            setMistake("unexpected argument '" + std::string(argument) + "'");
        } else if (const auto name = withoutDashes(argument); among(qtSwitches, name)) {
            continue;
        } else if (among(qtOptionsWithValue, name)) {
            if (i + 1 == argc) {
                setMistake("option '" + std::string(argument) + "' needs a value");
            } else if (name == "platform") {
                platform_ = argv[++i];
            } else if (name == "platformpluginpath") {
                platformPluginPath_ = argv[++i];
            } else if (name == "display") {
                display_ = argv[++i];
            } else {
                ++i;
            }
        } else if (!isJoinedQtOption(name)) {
            setMistake("unknown option '" + std::string(argument) + "'");
        }
    }
}

void CommandLine::setMistake(std::string what) {
    request_ = Request::Mistake;
    mistake_ = std::move(what);
}

int CommandLine::answer(std::ostream& out, std::ostream& err) const {
    switch (request_) {
        case Request::ShowHelp:
            out << usage;
            return 0;
        case Request::ShowVersion:
            out << "morvane " MORVANE_VERSION "\n";
            return 0;
        case Request::Mistake:
            err << "morvane: " << mistake_ << "\nTry 'morvane --help' for more information.\n";
            return 2;
        case Request::RunGame:
            break;
    }
    return 0;
}

}  // namespace morvane
