#pragma once

#include <QWidget>

#include "ui/window/TilePixmaps.h"
#include "ui/window/WindowControls.h"

namespace morvane {

// Builds the game window's contents from WindowLayout: the window's own settings, the frame
// and its controls, the other controls, their first pictures and the focus order (starting at
// its first control), and what a screen reader says for the controls that never change.
// Leaves the level options unselected and the readouts empty.
namespace WindowBuilder {

WindowControls build(QWidget& window, const TilePixmaps& pixmaps);

}  // namespace WindowBuilder

}  // namespace morvane
