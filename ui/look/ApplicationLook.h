#pragma once

namespace morvane {

// The look the program gives itself, independent of the desktop: the classic style, palette
// and window font for every window it opens (the game, the About box, the help message), and
// the fallbacks for the classic font faces. Needs a QApplication; call before any window.
void applyApplicationLook();

}  // namespace morvane
