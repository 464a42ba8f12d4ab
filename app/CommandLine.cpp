#include "app/CommandLine.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "ui/help/Translation.h"

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

// --help is written one message a paragraph or option, each in the user's language: the head,
// a line for each of the program's own options, then the foot. (The functions stand in that
// order so that the translators' template lists the messages in it.)
void writeUsageHead(std::ostream& out) {
    // TRANSLATORS: the first line of "morvane --help". "morvane" is the program's name; OPTION
    // may be translated. Keep the line break at the end, as in every message of --help.
    out << translated("Usage: morvane [OPTION]...\n");
    // TRANSLATORS: "Zandorel" is the name of the game and of its window: keep it.
    out << translated("Opens the Zandorel window: put the letters and digits back in order.\n")
        << '\n';
}

const char* helpUsageLine() {
    // TRANSLATORS: keep "-h, --help" and the spaces before it, and start the text in the same
    // column as the other option's (the 18th); the options are typed as they are.
    return translated("  -h, --help     show this help and exit\n");
}

const char* versionUsageLine() {
    // TRANSLATORS: keep "--version" and the spaces before it, and start the text in the same
    // column as the other option's (the 18th).
    return translated("      --version  show the version and exit\n");
}

using Request = CommandLine::Request;

// The program's own options: reading the command line and writing --help both go by this
// table, so an option is accepted exactly when --help lists it.
struct OwnOption {
    std::string_view shortName;  // empty when there is none
    std::string_view longName;
    Request request;
    const char* (*usageLine)();
};

constexpr OwnOption ownOptions[]{
    {"-h", "--help", Request::ShowHelp, helpUsageLine},
    {"", "--version", Request::ShowVersion, versionUsageLine},
};

const OwnOption* findOwnOption(std::string_view argument) {
    for (const OwnOption& option : ownOptions) {
        // An empty argument must not match an option that has no short name.
        if (argument == option.longName ||
            (!option.shortName.empty() && argument == option.shortName))
            return &option;
    }
    return nullptr;
}

void writeUsage(std::ostream& out) {
    writeUsageHead(out);
    for (const OwnOption& option : ownOptions)
        out << option.usageLine();
    out << '\n';
    out << translated(
        // TRANSLATORS: -platform NAME and -style NAME are options of Qt, typed as they are;
        // NAME may be translated.
        "Qt's own options, such as -platform NAME or -style NAME, are passed on to "
        "Qt.\n");
    // TRANSLATORS: morvane(6) is the manual page, "man 6 morvane".
    out << translated("See morvane(6) for more.\n");
}

}  // namespace

CommandLine::CommandLine(int argc, const char* const* argv) {
    for (int i = 1; i < argc && request_ == Request::RunGame; ++i) {
        const std::string_view argument = argv[i];
        if (const OwnOption* own = findOwnOption(argument)) {
            request_ = own->request;
        } else if (argument.size() < 2 || argument[0] != '-') {
            // TRANSLATORS: after "morvane: ". %1 is what was typed, e.g. a file name: the
            // program takes none.
            setMistake(withArguments(translated("unexpected argument '%1'"), {argument}));
        } else if (const auto name = withoutDashes(argument); among(qtSwitches, name)) {
            continue;
        } else if (among(qtOptionsWithValue, name)) {
            if (i + 1 == argc) {
                // TRANSLATORS: after "morvane: ". %1 is one of Qt's options, e.g. -platform,
                // typed last without the value it takes.
                setMistake(withArguments(translated("option '%1' needs a value"), {argument}));
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
            // TRANSLATORS: after "morvane: ". %1 is the option as it was typed.
            setMistake(withArguments(translated("unknown option '%1'"), {argument}));
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
            writeUsage(out);
            return 0;
        case Request::ShowVersion:
            out << "morvane " MORVANE_VERSION "\n";
            return 0;
        case Request::Mistake:
            err << "morvane: " << mistake_ << '\n';
            // TRANSLATORS: the line after a mistake on the command line; keep 'morvane --help'
            // as it is typed.
            err << translated("Try 'morvane --help' for more information.\n");
            return 2;
        case Request::RunGame:
            break;
    }
    return 0;
}

}  // namespace morvane
