#include "DisplayCheck.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <string_view>

namespace morvane {

namespace {

bool isSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

// Qt picks X11 when QT_QPA_PLATFORM is unset and no Wayland session is announced, or when
// it is asked for xcb first. Other platforms (offscreen, Wayland, VNC ...) are Qt's to judge.
bool usesX11() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform == nullptr || *platform == '\0')
        return !isSet("WAYLAND_DISPLAY");
    return std::string_view(platform).starts_with("xcb");
}

bool canConnectToX11() {
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool ok = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return ok;
}

}  // namespace

std::optional<std::string> displayProblem() {
    if (!usesX11() || canConnectToX11())
        return std::nullopt;
    return "cannot open a display: set DISPLAY to a running X server (or WAYLAND_DISPLAY) and "
           "try again";
}

}  // namespace morvane
