#pragma once

#include <QString>

namespace morvane {

// Where F1 looks for the help page: the installed copy, or the build tree's copy when the
// program runs from the build tree. Both paths are fixed when the program is built.
class HelpFileLocation {
public:
    static QString forExecutableIn(const QString& executableDir);

    static QString choose(const QString& executableDir, const QString& buildBinDir,
                          const QString& buildTreeFile, const QString& installedFile);
};

}  // namespace morvane
