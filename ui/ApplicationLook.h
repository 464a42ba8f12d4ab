#pragma once

namespace morvane {

// The look the program gives itself, independent of the desktop: the Fusion style and the
// fallbacks for the classic font faces. Needs a QApplication; call before building the window.
void applyApplicationLook();

}  // namespace morvane
