#include "ui/help/HelpFileLocation.h"

#include <QDir>

namespace morvane {

QString helpFileForProgramIn(const QString& programDir) {
    return QDir::cleanPath(
        QDir(programDir).absoluteFilePath(QStringLiteral(MORVANE_HELP_FROM_PROGRAM)));
}

}  // namespace morvane
