#include "app/PlatformCheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QPluginLoader>
#include <QString>
#include <QStringList>
#include <algorithm>

#include "ui/help/Translation.h"

namespace morvane {

namespace {

QString fromOption(const std::optional<std::string>& option, const char* variable) {
    return option ? QString::fromStdString(*option) : qEnvironmentVariable(variable);
}

// Where Qt looks for platform plugins: the platforms folder of each of its library paths, and
// the plugin path itself and its platforms folder when one is given.
QStringList pluginFolders(const QString& pluginPath) {
    QStringList folders;
    for (const QString& path : QCoreApplication::libraryPaths())
        folders << path + QStringLiteral("/platforms");
    if (!pluginPath.isEmpty())
        folders << pluginPath << pluginPath + QStringLiteral("/platforms");
    return folders;
}

// Qt's own plugins carry the name of their platform in their file name (libqxcb.so is "xcb"),
// which spares reading every plugin for the usual names.
bool hasPluginFileFor(const QStringList& folders, const QString& name) {
    const QString file = QStringLiteral("/libq%1.so").arg(name.toLower());
    return std::ranges::any_of(
        folders, [&file](const QString& folder) { return QFile::exists(folder + file); });
}

// The names the plugins give themselves, which are not always their file names
// (libqwayland-generic.so is "wayland").
QStringList installedPlatforms(const QStringList& folders) {
    QStringList names;
    for (const QString& folder : folders) {
        const QDir dir(folder);
        for (const QString& file : dir.entryList(QDir::Files)) {
            // Reads the plugin's metadata without loading it.
            const QJsonObject metaData = QPluginLoader(dir.filePath(file)).metaData();
            for (const auto key : metaData.value(QStringLiteral("MetaData"))
                                      .toObject()
                                      .value(QStringLiteral("Keys"))
                                      .toArray()) {
                names << key.toString();
            }
        }
    }
    names.sort();
    names.removeDuplicates();
    return names;
}

}  // namespace

std::optional<std::string> missingPlatform(const std::optional<std::string>& platform,
                                           const std::optional<std::string>& pluginPath) {
    const QString asked = fromOption(platform, "QT_QPA_PLATFORM");
    if (asked.isEmpty())
        return std::nullopt;
    // As Qt reads it: names to try in turn, separated by ';', each perhaps with arguments
    // after a ':'. Qt matches names whatever their case.
    QStringList names;
    for (const QString& entry : asked.split(u';', Qt::SkipEmptyParts))
        names << entry.section(u':', 0, 0, QString::SectionSkipEmpty);
    const QStringList folders =
        pluginFolders(fromOption(pluginPath, "QT_QPA_PLATFORM_PLUGIN_PATH"));
    for (const QString& name : names) {
        if (hasPluginFileFor(folders, name))
            return std::nullopt;
    }
    const QStringList installed = installedPlatforms(folders);
    for (const QString& name : names) {
        if (installed.contains(name, Qt::CaseInsensitive))
            return std::nullopt;
    }
    // TRANSLATORS: what this system has when it has no display platform at all.
    const std::string none = translated("none");
    return withArguments(
        // TRANSLATORS: after "morvane: ", when the program is asked for a display platform
        // that Qt does not have (-platform NAME or QT_QPA_PLATFORM). %1 is the name asked for,
        // %2 the names of those there are, e.g. "offscreen, wayland, xcb", or the word for none.
        translated("no display platform '%1'; this system has: %2"),
        {names.join(u';').toStdString(),
         installed.isEmpty() ? none : installed.join(QStringLiteral(", ")).toStdString()});
}

}  // namespace morvane
