#pragma once

#include <optional>
#include <string>

namespace morvane {

// Whether the program can reach a display before Qt tries: Qt's own failure is an abort
// with a core dump. Returns a one-line reason when no display can be opened.
std::optional<std::string> displayProblem();

}  // namespace morvane
