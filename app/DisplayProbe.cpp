#include "app/DisplayProbe.h"

#include <xcb/xcb.h>

#include <QDir>
#include <QLibraryInfo>
#include <QString>
#include <QStringList>
#include <cstdlib>
#include <filesystem>
#include <string_view>

#include "ui/help/Translation.h"

namespace morvane {

namespace {

bool isSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

// A Wayland session Qt can join: its socket exists and Qt's Wayland plugin is installed.
// Without either, Qt falls back to X11.
bool waylandUsable() {
    if (!isSet("WAYLAND_DISPLAY"))
        return false;
    std::filesystem::path socket(std::getenv("WAYLAND_DISPLAY"));
    if (socket.is_relative()) {
        if (!isSet("XDG_RUNTIME_DIR"))
            return false;
        socket = std::filesystem::path(std::getenv("XDG_RUNTIME_DIR")) / socket;
    }
    std::error_code error;
    if (!std::filesystem::exists(socket, error))
        return false;
    const QDir platforms(QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                         QStringLiteral("/platforms"));
    return !platforms.entryList({QStringLiteral("libqwayland*")}, QDir::Files).isEmpty();
}

// Qt uses X11 when no platform is asked for (by -platform or QT_QPA_PLATFORM) and it cannot use
// Wayland, or when it is asked for xcb first. Other platforms (offscreen, Wayland asked for by
// name, VNC ...) are Qt's to judge.
bool usesX11(const std::optional<std::string>& platformOption) {
    const char* platform =
        platformOption ? platformOption->c_str() : std::getenv("QT_QPA_PLATFORM");
    if (platform == nullptr || *platform == '\0')
        return !waylandUsable();
    return std::string_view(platform).starts_with("xcb");
}

}  // namespace

DisplayProbe::DisplayProbe(const std::optional<std::string>& platform,
                           const std::optional<std::string>& display) {
    if (!usesX11(platform))
        return;
    connection_ = xcb_connect(display ? display->c_str() : nullptr, nullptr);
    if (xcb_connection_has_error(connection_) != 0) {
        release();
        problem_ = translated(
            // TRANSLATORS: after "morvane: ", when the program is started without a desktop
            // to show its window on. DISPLAY and WAYLAND_DISPLAY name variables: keep them.
            "cannot open a display: set DISPLAY to a running X server (or WAYLAND_DISPLAY) and "
            "try again");
    }
}

DisplayProbe::~DisplayProbe() {
    release();
}

void DisplayProbe::release() {
    // xcb_connect never returns null; a failed connection still has to be freed.
    if (connection_ != nullptr)
        xcb_disconnect(connection_);
    connection_ = nullptr;
}

}  // namespace morvane
