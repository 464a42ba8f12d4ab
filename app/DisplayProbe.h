#pragma once

#include <optional>
#include <string>

struct xcb_connection_t;

namespace morvane {

// Checks that a display can be opened before Qt tries: Qt's own failure is an abort with a
// core dump. The probe keeps its connection until released, so that an X server with no
// other client does not reset between the probe leaving and Qt arriving.
// It is a whole X connection, beside the one Qt opens: only the server's answer to one says
// whether Qt's will be let in (a socket that takes the connection can still refuse it, for want
// of the right authorisation), and Qt has no way to be asked without aborting. It costs one
// round trip and about 80 thousand instructions, a thousandth of the start-up.
class DisplayProbe {
public:
    // platform and display are the values of Qt's -platform and -display options, if given:
    // they take the place of QT_QPA_PLATFORM and DISPLAY, as they do for Qt.
    DisplayProbe(const std::optional<std::string>& platform,
                 const std::optional<std::string>& display);
    ~DisplayProbe();
    DisplayProbe(const DisplayProbe&) = delete;
    DisplayProbe& operator=(const DisplayProbe&) = delete;

    // A one-line reason when no display can be opened.
    const std::optional<std::string>& problem() const { return problem_; }

    // Closes the probe's connection once Qt holds its own.
    void release();

private:
    xcb_connection_t* connection_ = nullptr;
    std::optional<std::string> problem_;
};

}  // namespace morvane
