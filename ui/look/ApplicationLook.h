#pragma once

namespace morvane {

// The look the program starts with, independent of the desktop: no style sheet, and the
// classic style, palette and window font as the application's defaults, for anything Qt opens
// on its own; and the fallbacks for the classic font faces. The program's windows hold the
// look as their own as well (WindowLook), so that a desktop's later changes do not reach
// them. Needs a QApplication; call before any window.
void applyApplicationLook();

}  // namespace morvane
