#pragma once

#include <QString>

#include "ui/help/HelpLanguage.h"

namespace morvane {

// Where F1 looks for the help page: at the place the install gives it relative to the
// program, which the build tree copies. Only that relative path is written into the program,
// never a folder of the machine that built it, so every build of a version is the same.
// The page in the user's language stands beside the English one, named for its language
// (Morvane.de.html); the English page is the one found where no other fits.
QString helpFileForProgramIn(const QString& programDir, const LocaleVariables& locale);

}  // namespace morvane
