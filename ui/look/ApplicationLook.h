#pragma once

namespace morvane {

// The look the program starts with, independent of the desktop: no style sheet, and the
// classic style, palette and font (kSystemFont) as the application's defaults, for anything Qt
// opens on its own. The program's windows hold the look as their own as well (WindowLook), so that
// a desktop's later changes do not reach them. Needs a QApplication; call before any window.
void applyApplicationLook();

}  // namespace morvane
