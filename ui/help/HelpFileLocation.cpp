#include "ui/help/HelpFileLocation.h"

#include <QDir>
#include <QFileInfo>
#include <string>
#include <vector>

namespace morvane {

QString helpFileForProgramIn(const QString& programDir, const LocaleVariables& locale) {
    const QFileInfo english(QDir::cleanPath(
        QDir(programDir).absoluteFilePath(QStringLiteral(MORVANE_HELP_FROM_PROGRAM))));
    const QString prefix = english.completeBaseName() + u'.';
    const QString suffix = u'.' + english.suffix();
    std::vector<std::string> languages;
    for (const QString& page :
         english.dir().entryList({prefix + u'*' + suffix}, QDir::Files | QDir::Readable)) {
        languages.push_back(
            page.mid(prefix.size(), page.size() - prefix.size() - suffix.size()).toStdString());
    }
    const std::string language = helpLanguage(locale, languages);
    if (language.empty())
        return english.filePath();
    return english.dir().filePath(prefix + QString::fromStdString(language) + suffix);
}

}  // namespace morvane
