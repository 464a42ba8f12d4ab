// The command line read from a list of arguments, and its answers written to strings: no
// process, in the C locale, so every message is the English one.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/CommandLine.h"

namespace morvane {
namespace {

using Request = CommandLine::Request;

CommandLine read(const std::vector<std::string>& arguments) {
    std::vector<const char*> argv{"morvane"};
    for (const std::string& argument : arguments)
        argv.push_back(argument.c_str());
    return CommandLine(static_cast<int>(argv.size()), argv.data());
}

struct Answer {
    int status;
    std::string out;
    std::string err;
};

Answer answerOf(const CommandLine& commandLine) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = commandLine.answer(out, err);
    return {status, out.str(), err.str()};
}

const std::string kUsage =
    "Usage: morvane [OPTION]...\n"
    "Opens the Zandorel window: put the letters and digits back in order.\n"
    "\n"
    "  -h, --help     show this help and exit\n"
    "      --version  show the version and exit\n"
    "\n"
    "Qt's own options, such as -platform NAME or -style NAME, are passed on to Qt.\n"
    "See morvane(6) for more.\n";

TEST(CommandLineTest, AnswersHelpAndVersionOnStandardOutput) {
    struct Case {
        std::vector<std::string> arguments;
        Request request;
        std::string out;
    };
    const Case cases[]{
        {{"--help"}, Request::ShowHelp, kUsage},
        {{"-h"}, Request::ShowHelp, kUsage},
        {{"--version"}, Request::ShowVersion, "morvane " MORVANE_VERSION "\n"},
        // The first request is the one answered, even when a mistake follows.
        {{"--help", "--frobnicate"}, Request::ShowHelp, kUsage},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.front() + " ... (" + std::to_string(c.arguments.size()) + ")");
        const CommandLine commandLine = read(c.arguments);
        EXPECT_EQ(commandLine.request(), c.request);
        const Answer answer = answerOf(commandLine);
        EXPECT_EQ(answer.status, 0);
        EXPECT_EQ(answer.out, c.out);
        EXPECT_EQ(answer.err, "");
    }
}

// A mistake is named on standard error with a hint, and the status is 2; nothing goes out.
TEST(CommandLineTest, NamesTheFirstMistakeAndExitsWithTwo) {
    struct Case {
        std::vector<std::string> arguments;
        std::string mistake;
    };
    const Case cases[]{
        // Only the Qt options written joined take "=value".
        {{"-platform=offscreen"}, "unknown option '-platform=offscreen'"},
        {{"extra"}, "unexpected argument 'extra'"},
        {{"-"}, "unexpected argument '-'"},
        {{""}, "unexpected argument ''"},
        // Qt's option takes its value along, so the mistake found is the one after it.
        {{"-style", "Fusion", "--frobnicate"}, "unknown option '--frobnicate'"},
        {{"-platform"}, "option '-platform' needs a value"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mistake);
        const CommandLine commandLine = read(c.arguments);
        EXPECT_EQ(commandLine.request(), Request::Mistake);
        const Answer answer = answerOf(commandLine);
        EXPECT_EQ(answer.status, 2);
        EXPECT_EQ(answer.out, "");
        EXPECT_EQ(answer.err,
                  "morvane: " + c.mistake + "\nTry 'morvane --help' for more information.\n");
    }
}

// Qt's options, with one dash or two, are left for Qt; the three that decide where the window
// opens are kept for the start-up's checks.
TEST(CommandLineTest, LeavesQtsOptionsToQtAndKeepsWhereTheWindowOpens) {
    const CommandLine commandLine =
        read({"--platform", "xcb", "-display", ":3", "-platformpluginpath", "/plugins", "-reverse",
              "--sync", "-style=Fusion", "-dialogs=xp", "-qwindowtitle", "--help", "-geometry",
              "640x480"});
    EXPECT_EQ(commandLine.request(), Request::RunGame);
    EXPECT_EQ(commandLine.platform(), "xcb");
    EXPECT_EQ(commandLine.display(), ":3");
    EXPECT_EQ(commandLine.platformPluginPath(), "/plugins");
    const Answer answer = answerOf(commandLine);
    EXPECT_EQ(answer.out, "");
    EXPECT_EQ(answer.err, "");
}

}  // namespace
}  // namespace morvane
