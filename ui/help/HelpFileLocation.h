#pragma once

#include <QString>

namespace morvane {

// Where F1 looks for the help page: at the place the install gives it relative to the
// program, which the build tree copies. Only that relative path is written into the program,
// never a folder of the machine that built it, so every build of a version is the same.
QString helpFileForProgramIn(const QString& programDir);

}  // namespace morvane
