#include "DisplayProbe.h"

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

}  // namespace

DisplayProbe::DisplayProbe() {
    if (!usesX11())
        return;
    connection_ = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection_) != 0) {
        release();
        problem_ =
            "cannot open a display: set DISPLAY to a running X server (or "
            "WAYLAND_DISPLAY) and try again";
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
