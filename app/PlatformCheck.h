#pragma once

#include <optional>
#include <string>

namespace morvane {

// Checks a display platform asked for by name against the platforms Qt has installed, before
// Qt tries: Qt's own answer to a name it does not have is an abort with a core dump.
// platform and pluginPath are the values of Qt's -platform and -platformpluginpath options, if
// given: they take the place of QT_QPA_PLATFORM and QT_QPA_PLATFORM_PLUGIN_PATH, as for Qt.
// Returns a one-line reason when a platform is named and none of the names is installed.
std::optional<std::string> missingPlatform(const std::optional<std::string>& platform,
                                           const std::optional<std::string>& pluginPath);

}  // namespace morvane
