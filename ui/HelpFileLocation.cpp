#include "HelpFileLocation.h"

#include <QDir>
#include <QFileInfo>

namespace morvane {

namespace {

QString canonical(const QString& dir) {
    const QString resolved = QFileInfo(dir).canonicalFilePath();
    return resolved.isEmpty() ? QDir::cleanPath(QDir(dir).absolutePath()) : resolved;
}

}  // namespace

QString HelpFileLocation::choose(const QString& executableDir, const QString& buildBinDir,
                                 const QString& buildTreeFile, const QString& installedFile) {
    return canonical(executableDir) == canonical(buildBinDir) ? buildTreeFile : installedFile;
}

QString HelpFileLocation::forExecutableIn(const QString& executableDir) {
    return choose(executableDir, QStringLiteral(MORVANE_BUILD_BIN_DIR),
                  QStringLiteral(MORVANE_BUILD_TREE_HELP_FILE), QStringLiteral(MORVANE_HELP_FILE));
}

}  // namespace morvane
