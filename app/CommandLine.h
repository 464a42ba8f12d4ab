#pragma once

#include <optional>
#include <ostream>
#include <string>

namespace morvane {

// The command line, read before any display is opened. The options it takes are the tables in
// CommandLine.cpp: the program's own, from which --help is written too, and Qt's, which are
// left in place for QApplication. Anything else is a mistake.
class CommandLine {
public:
    enum class Request { RunGame, ShowHelp, ShowVersion, Mistake };

    CommandLine(int argc, const char* const* argv);

    Request request() const { return request_; }

    // The values of Qt's -platform, -platformpluginpath and -display: they decide where the
    // window opens.
    const std::optional<std::string>& platform() const { return platform_; }
    const std::optional<std::string>& platformPluginPath() const { return platformPluginPath_; }
    const std::optional<std::string>& display() const { return display_; }

    // Answers every request but RunGame: the usage or the version on out (exit status 0), or
    // the mistake and a hint on err (exit status 2). Returns the exit status.
    int answer(std::ostream& out, std::ostream& err) const;

private:
    void setMistake(std::string what);

    Request request_ = Request::RunGame;
    std::string mistake_;
    std::optional<std::string> platform_;
    std::optional<std::string> platformPluginPath_;
    std::optional<std::string> display_;
};

}  // namespace morvane
